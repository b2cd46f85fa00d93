// The installer as a screen reader reads and operates it: the accessible
// tree of every page and of the message dialog, read from another process
// through oleacc as Narrator, NVDA and JAWS read it; the install button
// pressed through its default action; the events a reader follows while
// the keyboard moves through the main page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "tests/e2e/installer_window_fixture.h"
#include "tests/e2e/screen_reader.h"

namespace lumo::e2e {
namespace {

namespace ui = installer;

class InstallerAccessibilityTest : public InstallerWindowTest {
 protected:
  // Starts the installer and waits for its main page.
  void Start(const deployment::Scenario& scenario,
             const std::map<std::string, std::string>& environment = {}) {
    Serve(scenario);
    ASSERT_TRUE(StartInstaller(environment));
    ASSERT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kInstall, "main-page"));
    handle_ = screen().Window()->handle;
  }
  // Waits until the tree has a line with `text`.
  bool WaitForLine(const std::string& text) {
    return WaitUntil([&] { return !TreeLinesWith(handle_, text).empty(); });
  }

  std::string handle_;
};

// The two pages a user fills in, as a reader walks them: one line an
// object, its role, name, states and value.
TEST_F(InstallerAccessibilityTest, TheMainAndCustomPagesReadAsTheyLook) {
  Start(DemoScenario());
  EXPECT_EQ(ReadTree(handle_), (Lines{
                                   "TODO main page",
                               }));

  ASSERT_TRUE(PressByName(handle_, "自定义安装"));
  ASSERT_TRUE(WaitForLine("返回"));
  EXPECT_EQ(ReadTree(handle_), (Lines{
                                   "TODO custom page",
                               }));
}

// The install button's default action installs as its click does: the
// report and the download reach the deployment, the progress bar's value
// rises, the busy view and the result page follow.
TEST_F(InstallerAccessibilityTest, TheInstallButtonsDefaultActionInstalls) {
  deployment::Scenario scenario = DemoScenario();
  scenario.packageBody += std::string(2 << 20, '\0');
  scenario.packageHoldAfter = scenario.packageBody.size() / 2;
  scenario.packageChunkDelayMs = 30;
  const std::string gate = "C:\\lumo-e2e-accessibility-gate";
  std::error_code ignored;
  std::filesystem::remove(PrefixPath(gate), ignored);
  Start(scenario, {{"LUMO_DEMO_PACKAGE_HOLD", gate}});

  ASSERT_TRUE(PressByName(handle_, "立即安装"));
  ASSERT_TRUE(WaitUntil([&] { return !server().PackageRequests().empty(); }));
  EXPECT_EQ(server().StatisticsLog().size(), 1u);
  ASSERT_TRUE(WaitForLine("progress bar"));
  int percent = 0;
  ASSERT_TRUE(WaitUntil([&] {
    const Lines bar = TreeLinesWith(handle_, "progress bar");
    if (bar.size() != 1) return false;
    const int now = std::stoi(bar[0].substr(bar[0].find("= ") + 2));
    EXPECT_GE(now, percent);
    percent = now;
    return now >= 40;
  }));
  EXPECT_EQ(TreeLinesWith(handle_, "正在下载"),
            (Lines{"text '正在下载... " + std::to_string(percent) + "%' readonly"}));
  server().ReleasePackage();

  ASSERT_TRUE(WaitForLine("animation"));
  EXPECT_EQ(ReadTree(handle_), (Lines{
                                   "TODO busy view",
                               }));
  std::filesystem::create_directories(PrefixPath(gate));
  ASSERT_TRUE(WaitForLine("立即体验"));
  EXPECT_EQ(ReadTree(handle_), (Lines{
                                   "TODO result page",
                               }));
  std::filesystem::remove_all(PrefixPath(gate), ignored);
}

// Tab and Space as a reader's user presses them: the focus moves from
// control to control, the agreement box changes, and with it the state of
// the two entry buttons.
TEST_F(InstallerAccessibilityTest, AReaderFollowsTheKeyboardThroughTheMainPage) {
  Start(DemoScenario());
  EventWatch events;
  ASSERT_TRUE(events.listening());
  PressKeys("Tab");
  PressKeys("Tab");
  PressKeys("space");
  ASSERT_TRUE(WaitUntil([&] { return !TreeLinesWith(handle_, "unavailable").empty(); }));
  EXPECT_EQ(events.Finish(), (Lines{
                                 "TODO events",
                             }));
}

// The close button asks first; the dialog is announced with its question.
TEST_F(InstallerAccessibilityTest, TheMessageDialogIsAnnouncedWithItsText) {
  Start(DemoScenario());
  EventWatch events;
  ASSERT_TRUE(events.listening());
  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  const std::string dialog = screen().Dialog()->handle;
  EXPECT_EQ(ReadTree(dialog), (Lines{
                                  "TODO dialog",
                              }));
  const Lines seen = events.Finish();
  EXPECT_NE(std::find(seen.begin(), seen.end(), "TODO dialog start"), seen.end());
}

}  // namespace
}  // namespace lumo::e2e
