// Runs the headless installation of the 64-bit Windows tree under wine
// against a local deployment in this process, and reads back what happened.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace lumo::e2e {

struct InstallationRun {
  std::vector<std::string> messages;  // "WM_DOWNLOAD_PROGRESS 13", ... in arrival order
  std::string packagePath;            // the Windows path the download used
  std::string output;                 // everything the driver and wine printed
  int exitCode = -1;                  // 128 + the signal when one ended it
};

struct RunSettings {
  std::string program;  // a Linux path; "" for the 64-bit tree's headless installation
  std::string configurationHost;
  std::string statisticsHost;
  std::string options = "1111";  // experience plan, default browser, taskbar, desktop
  std::string installFolder;     // a Windows path
  std::string temporaryFolder;   // TMP and TEMP of the installation, if not ""
  std::map<std::string, std::string> environment;
  // Above 0, a write that would make a file larger fails, as on a full disk.
  std::size_t fileSizeLimit = 0;
};

InstallationRun RunHeadlessInstallation(const RunSettings& settings);

// The desktop shell's stand-in (tools/wine/desktop_shell.cpp) runs in the
// test prefix for the object's lifetime, so the installer can start the
// browser with the shell's token.
class DesktopShell {
 public:
  DesktopShell();
  ~DesktopShell();
  DesktopShell(const DesktopShell&) = delete;
  DesktopShell& operator=(const DesktopShell&) = delete;
  bool ready() const { return ready_; }

 private:
  int pid_ = -1;
  bool ready_ = false;
};

// Paths of the 64-bit tree and its wine prefix.
std::string Win64Tree();
std::string HeadlessInstallation();
std::string CertificateFolder();
// The Linux path of a Windows path on drive C: of the test prefix.
std::string PrefixPath(const std::string& windowsPath);
// The contents of a file, or "" when it can't be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace lumo::e2e
