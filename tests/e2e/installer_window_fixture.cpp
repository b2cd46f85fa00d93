#include "tests/e2e/installer_window_fixture.h"

#include <cctype>
#include <filesystem>

namespace lumo::e2e {
namespace {

namespace fs = std::filesystem;

// ShellExecute finds "IExplore.exe" in the system folder (after the
// program's own, which has none): the stand-in takes Internet Explorer's
// place there, in the test prefix only.
std::string InternetExplorer() {
  return PrefixPath("C:\\windows\\system32\\iexplore.exe");
}

// The stand-in names its record after the path it was started by, whose
// case Windows doesn't keep: any case is the record.
std::string StandInRecord() {
  const fs::path folder = fs::path(InternetExplorer()).parent_path();
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::string name = entry.path().filename();
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "iexplore.exe.cmdline") return entry.path();
  }
  return (folder / "iexplore.exe.cmdline").string();
}

void Registry(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {Win64Tree() + "/wine-run", "reg"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  RunProgram(argv);
}

std::string CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return info != nullptr ? info->name() : "suite";
}

}  // namespace

DesktopShell* InstallerWindowTest::shell_ = nullptr;

void InstallerWindowTest::SetUpTestSuite() {
  shell_ = new DesktopShell();
  fs::copy_file(Win64Tree() + "/tests/e2e/IExplore.exe", InternetExplorer(),
                fs::copy_options::overwrite_existing);
}

void InstallerWindowTest::TearDownTestSuite() {
  delete shell_;
  shell_ = nullptr;
}

void InstallerWindowTest::SetUp() {
  ASSERT_TRUE(shell_->ready()) << "no desktop shell in the test prefix";
  // Where no window is: no control starts under the pointer, hot.
  MovePointer(0, 0);
  RemoveEarlierInstallation();
  std::error_code ignored;
  fs::remove_all(PrefixPath(kDefaultFolder), ignored);
  fs::remove(StandInRecord(), ignored);
  screen_ = std::make_unique<InstallerScreen>(ScreensFolder(), CurrentTestName());
}

void InstallerWindowTest::TearDown() {
  installer_.reset();
  if (server_) server_->Stop();
}

// The port the 64-bit program's service hosts name, from its tree's cache.
std::string InstallerWindowTest::Port() {
  const std::string cache = ReadFile(Win64Tree() + "/CMakeCache.txt");
  const std::string key = "LUMO_DEPLOYMENT_PORT:STRING=";
  const std::size_t at = cache.find(key);
  if (at == std::string::npos) return std::string();
  return cache.substr(at + key.size(), cache.find('\n', at) - at - key.size());
}

deployment::Scenario InstallerWindowTest::DemoScenario() const {
  deployment::Scenario scenario;
  scenario.packageBody = ReadFile(Win64Tree() + "/tools/demo/demo_package.exe");
  return scenario;
}

void InstallerWindowTest::Serve(deployment::Scenario scenario) {
  ASSERT_FALSE(Port().empty()) << "no deployment port in the 64-bit tree";
  server_ = std::make_unique<deployment::DeploymentServer>(CertificateFolder() + "/server.pem",
                                                           CertificateFolder() + "/server.key",
                                                           std::move(scenario));
  ASSERT_TRUE(server_->Start(std::stoi(Port()))) << "port " << Port() << " is taken";
}

bool InstallerWindowTest::StartInstaller(std::map<std::string, std::string> environment) {
  // Wine would run its own Internet Explorer from the system folder even
  // where the stand-in lies; this makes it take the file that is there.
  environment["WINEDLLOVERRIDES"] = "mscoree,mshtml=;iexplore.exe=n";
  installer_ = std::make_unique<InstallerProcess>(environment);
  return installer_->started() && screen_->WaitForWindow();
}

std::string InstallerWindowTest::OpenedAddress() {
  if (!WaitUntil([] { return FileExists(StandInRecord()); })) return std::string();
  const std::string record = ReadFile(StandInRecord());
  std::error_code ignored;
  fs::remove(StandInRecord(), ignored);
  std::string text;  // UTF-16LE; the addresses are ASCII
  for (std::size_t i = 0; i + 1 < record.size(); i += 2) text += record[i];
  const std::size_t space = text.rfind(' ');
  return space == std::string::npos ? std::string() : text.substr(space + 1);
}

std::string ScreensFolder() {
  return fs::path(Win64Tree()).parent_path() / "e2e-screens";
}

std::string Receipt(const std::string& folder, const std::string& name) {
  return ReadFile(PrefixPath(folder + "\\" + name));
}

void SetEarlierInstallation(const std::string& launchCommand) {
  Registry({"add", "HKCR\\SOFTWARE\\LumoGameBrowser", "/v", "InstallerSuccessLaunchCmdLine", "/d",
            launchCommand, "/f"});
}

void RemoveEarlierInstallation() {
  Registry({"delete", "HKCR\\SOFTWARE\\LumoGameBrowser", "/f"});
  Registry({"delete", "HKCR\\SOFTWARE\\LumoBrowser", "/f"});
}

}  // namespace lumo::e2e
