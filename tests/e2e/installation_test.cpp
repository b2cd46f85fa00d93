// Whole installations under wine against the local deployment: the scenario
// table of what the services do, and what the installer must make of it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/installation_run.h"
#include "tools/deployment/deployment_server.h"

namespace lumo::e2e {
namespace {

using deployment::BodyFraming;
using deployment::Scenario;

enum class Progress { kNone, kAllZero, kRisingTo100 };

struct Case {
  const char* name;
  std::function<void(Scenario&)> serve;  // changes the default scenario
  std::vector<std::string> ending;       // the last messages, in order
  Progress progress;
  std::vector<std::string> requested;  // package names fetched
  std::string options = "1111";
  std::map<std::string, std::string> environment = {};
  bool statisticsDown = false;
  std::string temporaryFolder = "";  // "" for a fresh one of the case's own
  bool fullDisk = false;
  bool plantAtOldNames = false;  // files and links where the package once went
};

std::string Entry(const std::string& status, const std::string& version, const std::string& file) {
  std::string entry = "{\"status\":" + status;
  if (!version.empty()) entry += ",\"version\":" + version;
  if (!file.empty()) entry += ",\"files\":\"{base}/package/" + file + "\"";
  return entry + "}";
}

const std::string kVersion = "\"1.0.0.1\"";  // the headless program's own version

void Reply(Scenario& s, const std::string& body) {
  s.configBody = body;
}

// The default entry naming the package's digest as `sha256` (JSON text).
void ReplyWithDigest(Scenario& s, const std::string& sha256) {
  Reply(s, R"([{"status":1,"files":"{base}/package/lumo-package.exe","sha256":)" + sha256 + "}]");
}

const std::vector<std::string> kInstalled = {"WM_DOWNLOAD_DONE 100", "WM_INSTALL_DONE 0"};
const std::vector<std::string> kFailed = {"WM_DOWNLOAD_FAILED 0"};

std::vector<Case> Cases() {
  const std::string def = Entry("1", "", "default.exe");
  return {
      {"default entry", [](Scenario&) {}, kInstalled, Progress::kRisingTo100, {"lumo-package.exe"}},
      {"matching version beats the default",
       [=](Scenario& s) { Reply(s, "[" + def + "," + Entry("0", kVersion, "mine.exe") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"mine.exe"}},
      {"padded versions don't match",
       [=](Scenario& s) {
         Reply(s, "[" + Entry("0", "\" 1.0.0.1\"", "a.exe") + "," + def + "," +
                      Entry("0", "\"1.0.0.1 \"", "b.exe") + "]");
       },
       kInstalled,
       Progress::kRisingTo100,
       {"default.exe"}},
      {"matching entry without files falls back",
       [=](Scenario& s) { Reply(s, "[" + def + "," + Entry("0", kVersion, "") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"default.exe"}},
      {"the later default wins",
       [=](Scenario& s) { Reply(s, "[" + def + "," + Entry("1", "", "later.exe") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"later.exe"}},
      {"status \"1\" counts as 0",
       [=](Scenario& s) { Reply(s, "[" + def + "," + Entry("\"1\"", kVersion, "str.exe") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"str.exe"}},
      {"status true counts as 1",
       [=](Scenario& s) { Reply(s, "[" + Entry("true", "", "true.exe") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"true.exe"}},
      {"status beyond 32 bits is ignored",
       [=](Scenario& s) { Reply(s, "[" + def + "," + Entry("4294967297", "", "big.exe") + "]"); },
       kInstalled,
       Progress::kRisingTo100,
       {"default.exe"}},
      {"empty array", [](Scenario& s) { Reply(s, "[]"); }, kFailed, Progress::kNone, {}},
      {"null", [](Scenario& s) { Reply(s, "null"); }, kFailed, Progress::kNone, {}},
      {"object",
       [](Scenario& s) { Reply(s, R"({"status":1,"files":"{base}/package/o.exe"})"); },
       kFailed,
       Progress::kNone,
       {}},
      {"HTML error page",
       [](Scenario& s) {
         s.configStatus = 500;
         Reply(s, "<html><body>Internal error</body></html>");
       },
       kFailed,
       Progress::kNone,
       {}},
      {"reply in small pieces",
       [](Scenario& s) { s.configPieceSize = 7; },
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"statistics service down",
       [](Scenario&) {},
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"},
       "1111",
       {},
       true},
      {"package 404",
       [](Scenario& s) { s.packageStatus = 404; },
       kFailed,
       Progress::kNone,
       {"lumo-package.exe"}},
      {"package 500",
       [](Scenario& s) { s.packageStatus = 500; },
       kFailed,
       Progress::kNone,
       {"lumo-package.exe"}},
      {"no Content-Length",
       [](Scenario& s) { s.packageFraming = BodyFraming::kChunked; },
       {"WM_DOWNLOAD_DONE 0", "WM_INSTALL_DONE 0"},
       Progress::kAllZero,
       {"lumo-package.exe"}},
      {"empty body",
       [](Scenario& s) { s.packageBody.clear(); },
       {"WM_DOWNLOAD_DONE 0", "WM_INSTALL_FAILED 0"},
       Progress::kNone,
       {"lumo-package.exe"}},
      {"1000000 bytes that are no program",
       [](Scenario& s) { s.packageBody = std::string(1000000, 'x'); },
       {"WM_DOWNLOAD_DONE 100", "WM_INSTALL_FAILED 0"},
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"package that is not a program",
       [](Scenario& s) { s.packageBody = ReadFile(Win64Tree() + "/tools/demo/not_a_program.exe"); },
       {"WM_DOWNLOAD_DONE 100", "WM_INSTALL_FAILED 0"},
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"body cut short",
       [](Scenario& s) {
         s.packageFraming = BodyFraming::kCutShort;
         s.packageCutAfter = s.packageBody.size() / 2;
       },
       kFailed,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"package exits with code 5",
       [](Scenario&) {},
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"},
       "1111",
       {{"LUMO_DEMO_PACKAGE_EXIT", "5"}}},
      {"all options cleared",
       [](Scenario&) {},
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"},
       "0000"},
      {"clear-text package URL is refused",
       [](Scenario& s) {
         s.plainHttpMirror = true;
         Reply(s, R"([{"status":1,"files":"{plain}/package/plain.exe"}])");
       },
       kFailed,
       Progress::kNone,
       {}},
      {"redirect to clear text is refused",
       [](Scenario& s) {
         s.plainHttpMirror = true;
         Reply(s, R"([{"status":1,"files":"{base}/redirect-to-http/moved.exe"}])");
       },
       kFailed,
       Progress::kNone,
       {"moved.exe"}},
      {"temporary folder unknown",
       [](Scenario&) {},
       kFailed,
       Progress::kNone,
       {"lumo-package.exe"},
       "1111",
       {},
       false,
       "C:\\" + std::string(300, 't')},
      {"full disk",
       [](Scenario&) {},
       kFailed,
       Progress::kNone,
       {"lumo-package.exe"},
       "1111",
       {},
       false,
       "",
       true},
      {"right digest, lower-case digits",
       [](Scenario& s) { ReplyWithDigest(s, "\"{sha256}\""); },
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"right digest, upper-case digits",
       [](Scenario& s) { ReplyWithDigest(s, "\"{SHA256}\""); },
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"no digest",
       [](Scenario& s) { Reply(s, R"([{"status":1,"files":"{base}/package/lumo-package.exe"}])"); },
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"wrong digest",
       [](Scenario& s) { ReplyWithDigest(s, "\"" + std::string(64, 'e') + "\""); },
       kFailed,
       Progress::kRisingTo100,
       {"lumo-package.exe"}},
      {"malformed digest is not fetched",
       [](Scenario& s) { ReplyWithDigest(s, "\"" + std::string(63, 'e') + "\""); },
       kFailed,
       Progress::kNone,
       {}},
      {"files and links at the old package names are left alone",
       [](Scenario&) {},
       kInstalled,
       Progress::kRisingTo100,
       {"lumo-package.exe"},
       "1111",
       {},
       false,
       "",
       false,
       true},
  };
}

void ExpectProgress(const std::vector<std::string>& messages, Progress rule) {
  std::vector<int> values;
  for (const auto& m : messages) {
    if (m.rfind("WM_DOWNLOAD_PROGRESS ", 0) == 0) values.push_back(std::stoi(m.substr(21)));
  }
  switch (rule) {
    case Progress::kNone: EXPECT_TRUE(values.empty()); break;
    case Progress::kAllZero:
      ASSERT_FALSE(values.empty());
      for (int v : values) EXPECT_EQ(v, 0);
      break;
    case Progress::kRisingTo100:
      ASSERT_FALSE(values.empty());
      for (std::size_t i = 1; i < values.size(); ++i) EXPECT_LE(values[i - 1], values[i]);
      EXPECT_LE(values.back(), 100);
      break;
  }
}

void ExpectReceipt(const std::string& folder, const std::string& options,
                   const std::string& exitCode) {
  const std::string receipt = ReadFile(PrefixPath(folder + "\\package-receipt.txt"));
  EXPECT_NE(receipt.find("install path: " + folder + "\n"), std::string::npos) << receipt;
  const char* names[] = {"experience plan", "default browser", "taskbar shortcut",
                         "desktop shortcut"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(receipt.find(std::string(names[i]) + ": " + options[i]), std::string::npos)
        << receipt;
  }
  EXPECT_NE(receipt.find("exit code: " + exitCode), std::string::npos) << receipt;
  EXPECT_TRUE(FileExists(PrefixPath(folder + "\\Nebrix.exe")));
}

// The browser records its start a moment after the installer has ended.
void ExpectBrowserStarted(const std::string& folder) {
  const std::string path = PrefixPath(folder + "\\browser-receipt.txt");
  for (int i = 0; i < 100 && !FileExists(path); ++i) usleep(50000);
  EXPECT_EQ(ReadFile(path), "command line: \"" + folder + "\\Nebrix.exe\" --launch-type=install\n");
}

// A file or a link (to `victim`, alternately) at every name of the next two
// minutes in `folder` where the package once went; their names and what each
// holds or points to.
std::map<std::string, std::string> PlantAtOldNames(const std::string& folder,
                                                   const std::string& victim) {
  std::map<std::string, std::string> planted;
  const long long now = static_cast<long long>(std::time(nullptr));
  for (long long second = now; second < now + 120; ++second) {
    const std::string name = std::to_string(second) + ".exe";
    if (second % 2 == 0) {
      std::ofstream(folder + "/" + name) << "planted " << second;
      planted[name] = "planted " + std::to_string(second);
    } else if (symlink(victim.c_str(), (folder + "/" + name).c_str()) == 0) {
      planted[name] = "-> " + victim;
    }
  }
  return planted;
}

// What `folder` holds now, in the form PlantAtOldNames gives.
std::map<std::string, std::string> Contents(const std::string& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename();
    contents[name] = entry.is_symlink()
                         ? "-> " + std::filesystem::read_symlink(entry.path()).string()
                         : ReadFile(entry.path());
  }
  return contents;
}

// The receipt names the folder the package ran from: new, of the
// unpredictable form, in the temporary folder.
void ExpectPrivateFolder(const std::string& folder, const std::string& temporary,
                         const std::string& packagePath) {
  const std::string receipt = ReadFile(PrefixPath(folder + "\\package-receipt.txt"));
  EXPECT_NE(receipt.find("package path: " + packagePath + "\n"), std::string::npos) << receipt;
  ASSERT_EQ(packagePath.rfind(temporary + "lumo-", 0), 0u) << packagePath;
  const std::string rest = packagePath.substr(temporary.size() + 5);
  EXPECT_EQ(rest.find_first_not_of("0123456789abcdef"), 32u) << packagePath;
  EXPECT_EQ(rest[32], '\\') << packagePath;
}

class InstallationTest : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { shell_ = new DesktopShell(); }
  static void TearDownTestSuite() {
    delete shell_;
    shell_ = nullptr;
  }
  static DesktopShell* shell_;
};

DesktopShell* InstallationTest::shell_ = nullptr;

TEST_P(InstallationTest, EndsAsTheScenarioDemands) {
  const Case c = Cases()[static_cast<std::size_t>(GetParam())];
  SCOPED_TRACE(c.name);
  ASSERT_TRUE(shell_->ready()) << "no desktop shell in the test prefix";
  Scenario scenario;
  scenario.packageBody = ReadFile(Win64Tree() + "/tools/demo/demo_package.exe");
  ASSERT_FALSE(scenario.packageBody.empty());
  c.serve(scenario);
  deployment::DeploymentServer server(CertificateFolder() + "/server.pem",
                                      CertificateFolder() + "/server.key", scenario);
  ASSERT_TRUE(server.Start());
  const std::string host = "localhost:" + std::to_string(server.port());

  RunSettings settings;
  settings.configurationHost = host;
  settings.statisticsHost = c.statisticsDown ? "localhost:1" : host;
  settings.options = c.options;
  settings.environment = c.environment;
  const std::string caseFolder = "C:\\lumo e2e\\case " + std::to_string(GetParam());
  const bool ownTemporary = c.temporaryFolder.empty();
  settings.temporaryFolder = ownTemporary ? caseFolder + "\\temp\\" : c.temporaryFolder;
  std::map<std::string, std::string> planted;
  if (ownTemporary) {
    std::filesystem::remove_all(PrefixPath(caseFolder));
    ASSERT_TRUE(std::filesystem::create_directories(PrefixPath(settings.temporaryFolder)));
  }
  if (c.plantAtOldNames) {
    const std::string victim = PrefixPath(caseFolder + "\\victim.txt");
    std::ofstream(victim) << "victim";
    planted = PlantAtOldNames(PrefixPath(settings.temporaryFolder), victim);
    ASSERT_GT(planted.size(), 100u);
  }
  if (c.fullDisk) settings.fileSizeLimit = 1;
  settings.installFolder = caseFolder + "\\LumoGameBrowser";
  const InstallationRun run = RunHeadlessInstallation(settings);
  server.Stop();
  SCOPED_TRACE("the driver's output, exit code " + std::to_string(run.exitCode) + ":\n" +
               run.output);

  ASSERT_GE(run.messages.size(), c.ending.size());
  const std::vector<std::string> ending(run.messages.end() - static_cast<long>(c.ending.size()),
                                        run.messages.end());
  EXPECT_EQ(ending, c.ending);
  ExpectProgress(run.messages, c.progress);
  EXPECT_EQ(server.PackageRequests(), c.requested);
  const std::vector<std::string> reports = server.StatisticsLog();
  ASSERT_EQ(reports.size(), c.statisticsDown ? 0u : 1u);
  if (!reports.empty()) {
    EXPECT_NE(reports[0].find("\"verified\":true"), std::string::npos) << reports[0];
  }
  // After success, a failed download or a failed run alike, the package and
  // its folder are gone, and whatever was planted is as it was.
  if (ownTemporary) {
    EXPECT_EQ(Contents(PrefixPath(settings.temporaryFolder)), planted);
    if (c.plantAtOldNames) {
      EXPECT_EQ(ReadFile(PrefixPath(caseFolder + "\\victim.txt")), "victim");
    }
  }
  if (c.ending == kInstalled) {
    const auto exit = c.environment.find("LUMO_DEMO_PACKAGE_EXIT");
    ExpectReceipt(settings.installFolder, c.options,
                  exit == c.environment.end() ? "0" : exit->second);
    ExpectBrowserStarted(settings.installFolder);
    ExpectPrivateFolder(settings.installFolder, settings.temporaryFolder, run.packagePath);
  }
  if (ownTemporary) std::filesystem::remove_all(PrefixPath(caseFolder));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, InstallationTest,
                         ::testing::Range(0, static_cast<int>(Cases().size())),
                         [](const ::testing::TestParamInfo<int>& param) {
                           std::string name = Cases()[static_cast<std::size_t>(param.param)].name;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace lumo::e2e
