// The fixture of the installer window's end-to-end tests: the local
// deployment on the port the 64-bit program was built for, the desktop
// shell's stand-in, an "IExplore.exe" stand-in that records the address it
// was given, a machine without the browser, and the real installer started
// under wine, judged from outside by its windows, its pixels and its
// receipts. Every page a test reaches is kept as a PNG in build/e2e-screens.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "tests/e2e/installation_run.h"
#include "tests/e2e/installer_process.h"
#include "tests/e2e/installer_screen.h"
#include "tools/deployment/deployment_server.h"

namespace lumo::e2e {

// Where the 64-bit program installs by default.
inline constexpr char kDefaultFolder[] = "C:\\Program Files\\LumoGameBrowser";

class InstallerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The demo package, served as it is.
  deployment::Scenario DemoScenario() const;
  // Serves `scenario` on the port the program was built for.
  void Serve(deployment::Scenario scenario);
  deployment::DeploymentServer& server() { return *server_; }
  static std::string Port();

  // Starts the installer and waits for its window; false when none comes.
  bool StartInstaller(std::map<std::string, std::string> environment = {});
  InstallerProcess& installer() { return *installer_; }
  void StopInstaller() { installer_.reset(); }
  InstallerScreen& screen() { return *screen_; }

  // The address the "IExplore.exe" stand-in got last, waiting for it.
  std::string OpenedAddress();

 private:
  std::unique_ptr<deployment::DeploymentServer> server_;
  std::unique_ptr<InstallerProcess> installer_;
  std::unique_ptr<InstallerScreen> screen_;
  static DesktopShell* shell_;
};

// The contents of a file the installation left in a folder of the prefix.
std::string Receipt(const std::string& folder, const std::string& name);
// The browser's launch command of an earlier installation, or none.
void SetEarlierInstallation(const std::string& launchCommand);
void RemoveEarlierInstallation();
// Where the screenshots of the end-to-end tests are kept.
std::string ScreensFolder();

}  // namespace lumo::e2e
