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

// The lines with every run of digits as "#".
Lines WithoutNumbers(Lines lines) {
  for (std::string& line : lines) {
    std::string masked;
    for (char c : line) {
      const bool digit = c >= '0' && c <= '9';
      if (!digit || masked.empty() || masked.back() != '#') masked += digit ? '#' : c;
    }
    line = masked;
  }
  return lines;
}

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
                                   "client 'Lumo游戏浏览器安装' focusable",
                                   "  page ''",
                                   "    grouping ''",
                                   "      grouping ''",
                                   "        button '' focused focusable",
                                   "        button '' focusable",
                                   "    tab list ''",
                                   "      page ''",
                                   "        graphic ''",
                                   "        grouping ''",
                                   "          button '立即安装' focusable",
                                   "        grouping ''",
                                   "          check box '已阅读并同意' focusable checked",
                                   "          button '用户协议及隐私政策' focusable",
                                   "          button '自定义安装' focusable",
                               }));

  ASSERT_TRUE(PressByName(handle_, "自定义安装"));
  ASSERT_TRUE(WaitForLine("返回"));
  // The free space is the test machine's.
  EXPECT_EQ(WithoutNumbers(ReadTree(handle_)),
            (Lines{
                "client 'Lumo游戏浏览器安装' focusable",
                "  page ''",
                "    grouping ''",
                "      grouping ''",
                "        button '' focusable",
                "        button '' focusable",
                "    tab list ''",
                "      page ''",
                "        graphic ''",
                "        grouping ''",
                "          text '安装路径：' readonly",
                "          edit '安装路径：' focused focusable = C:\\Program Files",
                "          text '#G' readonly",
                "          button '浏览' focusable",
                "        grouping ''",
                "          check box '设为默认浏览器' focusable checked",
                "          check box '添加到系统任务栏' focusable checked",
                "        grouping ''",
                "          check box '添加到桌面快捷方式' focusable checked",
                "          check box '加入' focusable checked",
                "          button '用户体验改善计划' focusable",
                "        grouping ''",
                "          button '返回' focusable",
                "          button '立即安装' focusable",
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
  EXPECT_TRUE(WaitUntil([&] { return server().StatisticsLog().size() == 1; }));
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
                                   "client 'Lumo游戏浏览器安装' focusable",
                                   "  page '' focused",
                                   "    animation '' busy",
                                   "    text '正在安装...' readonly",
                               }));
  std::filesystem::create_directories(PrefixPath(gate));
  ASSERT_TRUE(WaitForLine("立即体验"));
  EXPECT_EQ(ReadTree(handle_), (Lines{
                                   "client 'Lumo游戏浏览器安装' focusable",
                                   "  page ''",
                                   "    grouping ''",
                                   "      grouping ''",
                                   "        button '' focusable",
                                   "        button '' focusable",
                                   "    tab list ''",
                                   "      page ''",
                                   "        graphic ''",
                                   "        grouping ''",
                                   "          button '立即体验' focused focusable",
                               }));
  std::filesystem::remove_all(PrefixPath(gate), ignored);
}

// Tab and Space as a reader's user presses them: the focus moves from
// control to control, the agreement box changes and with it the state of
// the two entry buttons, and the custom link switches the page.
TEST_F(InstallerAccessibilityTest, AReaderFollowsTheKeyboardThroughTheMainPage) {
  Start(DemoScenario());
  EventWatch events;
  ASSERT_TRUE(events.listening());
  // The keyboard goes to the window the pointer clicked; the focus stays on
  // the first Tab stop, the minimise button.
  screen().Click(ui::kHeaderBackground);
  for (const char* key : {"Tab", "Tab", "Tab", "space", "space", "Tab", "Tab", "space"}) {
    PressKeys(key);
  }
  ASSERT_TRUE(WaitForLine("安装路径"));
  EXPECT_EQ(events.Finish(), (Lines{
                                 "focus ''",  // the close button
                                 "focus '立即安装'",
                                 "focus '已阅读并同意'",
                                 "state '已阅读并同意'",
                                 "state '自定义安装'",
                                 "state '立即安装'",
                                 "state '已阅读并同意'",
                                 "state '自定义安装'",
                                 "state '立即安装'",
                                 "focus '用户协议及隐私政策'",
                                 "focus '自定义安装'",
                                 "focus ''",    // the custom page, selected
                                 "reorder ''",  // its tab layout
                                 "focus '安装路径：'",
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
                                  "dialog '您确定要退出Lumo游戏浏览器的安装吗？' focusable",
                                  "  grouping ''",
                                  "    button '' focused focusable",
                                  "  grouping ''",
                                  "    graphic ''",
                                  "    text '您确定要退出Lumo游戏浏览器的安装吗？' readonly",
                                  "    grouping ''",
                                  "      button '确定' focusable",
                                  "      button '我再想想' focusable",
                              }));
  const Lines seen = events.Finish();
  EXPECT_NE(std::find(seen.begin(), seen.end(), "dialog '您确定要退出Lumo游戏浏览器的安装吗？'"),
            seen.end())
      << ::testing::PrintToString(seen);
}

}  // namespace
}  // namespace lumo::e2e
