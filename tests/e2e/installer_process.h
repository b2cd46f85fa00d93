// The real installer program of the 64-bit tree, run under wine on the test
// display as a user would start it: no arguments, the process's own exit
// code at the end.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

namespace lumo::e2e {

class InstallerProcess {
 public:
  // Extra environment variables reach the installer and what it starts
  // (the demo package reads LUMO_DEMO_PACKAGE_EXIT and LUMO_DEMO_PACKAGE_HOLD).
  explicit InstallerProcess(const std::map<std::string, std::string>& environment = {});
  // Ends the program if it still runs.
  ~InstallerProcess();
  InstallerProcess(const InstallerProcess&) = delete;
  InstallerProcess& operator=(const InstallerProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // The exit code once the program has ended within `milliseconds`, else -1.
  int WaitForExit(int milliseconds);
  bool Running();

 private:
  pid_t pid_ = -1;
  int exitCode_ = -1;
};

// The installer program's path in the 64-bit tree.
std::string InstallerProgram();

}  // namespace lumo::e2e
