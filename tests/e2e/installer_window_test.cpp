// The installer as a user meets it: its window, the main path through the
// wizard's pages, the custom page, the failures and the links, all with real
// input on the test display and judged from outside.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/installer_window_fixture.h"

namespace lumo::e2e {
namespace {

namespace ui = installer;

// The four option boxes' states as the package's receipt lists them.
void ExpectOptions(const std::string& receipt, const std::string& flags) {
  const char* names[] = {"experience plan", "default browser", "taskbar shortcut",
                         "desktop shortcut"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(receipt.find(std::string(names[i]) + ": " + flags[i]), std::string::npos) << receipt;
  }
}

bool SameArea(const Image& a, const Image& b, const Box& box) {
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (a.At(x, y) != b.At(x, y)) return false;
    }
  }
  return true;
}

TEST_F(InstallerWindowTest, StartsAloneCentredOnTheMainPageWithItsShadow) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  const DesktopWindows desktop = ListWindows();
  const std::vector<TopWindow> titled = desktop.Titled(kInstallerTitle);
  ASSERT_EQ(titled.size(), 1u);
  const TopWindow& window = titled[0];
  EXPECT_EQ(window.className, kInstallerClass);
  EXPECT_EQ(window.rect.width(), ui::kWidth);
  EXPECT_EQ(window.rect.height(), ui::kHeight);
  // Centred on the 1280 by 1024 screen of the test display.
  EXPECT_EQ(window.rect.left, (1280 - ui::kWidth) / 2);
  EXPECT_EQ(window.rect.top, (1024 - ui::kHeight) / 2);
  // The drop shadow: a layered window of the same process around it.
  bool shadowed = false;
  for (const TopWindow& w : desktop.windows) {
    shadowed |= w.visible && w.layered && w.process == window.process &&
                w.rect.left < window.rect.left && w.rect.top < window.rect.top &&
                w.rect.right > window.rect.right && w.rect.bottom > window.rect.bottom;
  }
  EXPECT_TRUE(shadowed);
  EXPECT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kInstall, "main-page"));
  screen().ShotOf(window, "with-shadow", 16);
}

TEST_F(InstallerWindowTest, MainPathInstallsAndStartsTheBrowser) {
  deployment::Scenario scenario = DemoScenario();
  // A long package (a program may carry any data after its image), held
  // halfway so that the download page can be looked at.
  scenario.packageBody += std::string(2 << 20, '\0');
  scenario.packageHoldAfter = scenario.packageBody.size() / 2;
  scenario.packageChunkDelayMs = 30;
  Serve(scenario);
  const std::string gate = "C:\\lumo-e2e-package-gate";
  std::error_code ignored;
  std::filesystem::remove(PrefixPath(gate), ignored);
  ASSERT_TRUE(StartInstaller({{"LUMO_DEMO_PACKAGE_HOLD", gate}}));
  ASSERT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kInstall, "main-page"));

  screen().Click(ui::kInstall);
  Image early;
  ASSERT_TRUE(WaitUntil([&] { return ShowsProgressBar(early = screen().Shot("download-page")); }));
  // The bar rises until the body is held halfway, and the label with it.
  int fill = ProgressBar(early).filled;
  ASSERT_TRUE(WaitUntil([&] {
    const int now = ProgressBar(screen().Shot("download-rising")).filled;
    EXPECT_GE(now, fill);
    fill = now;
    return now > 480 * 40 / 100;
  }));
  const Image halfway = screen().Shot("download-halfway");
  EXPECT_GT(ProgressBar(halfway).empty, 0);
  EXPECT_FALSE(SameArea(early, halfway, ui::kProgressLabel));
  server().ReleasePackage();

  // The busy view while the package runs: the animation plays, no header.
  Image first;
  ASSERT_TRUE(WaitUntil([&] {
    first = screen().Shot("busy");
    return !ShowsProgressBar(first) && !screen().Shows("background.png", ui::kHeader);
  }));
  EXPECT_TRUE(WaitUntil(
      [&] { return !SameArea(first, screen().Shot("busy-animating"), ui::kLoadingAnimation); }));
  std::filesystem::create_directories(PrefixPath(gate));

  ASSERT_TRUE(screen().WaitToShow("install_success.png", ui::kResultPicture, "result-page"));
  EXPECT_TRUE(screen().Shows("background.png", ui::kHeader)) << "the header is back";
  const std::string receipt = Receipt(kDefaultFolder, "package-receipt.txt");
  EXPECT_NE(receipt.find(std::string("install path: ") + kDefaultFolder + "\n"), std::string::npos)
      << receipt;
  ExpectOptions(receipt, "1111");

  screen().Click(ui::kOpen);
  EXPECT_EQ(installer().WaitForExit(15000), 0);
  const std::string browser = PrefixPath(std::string(kDefaultFolder) + "\\browser-receipt.txt");
  ASSERT_TRUE(WaitUntil([&] { return FileExists(browser); }));
  EXPECT_EQ(ReadFile(browser), std::string("command line: \"") + kDefaultFolder +
                                   "\\Nebrix.exe\" --launch-type=install\n");
  std::filesystem::remove_all(PrefixPath(gate), ignored);
}

TEST_F(InstallerWindowTest, CustomPageChoicesReachThePackage) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kCustomLink);
  ASSERT_TRUE(
      screen().WaitToShow("btn_customInstall_normal.png", ui::kCustomInstall, "custom-page"));

  // Another folder typed into the path box; the free space follows the text.
  const Image before = screen().Shot("custom-default-folder");
  screen().Click(ui::kPathBox);
  PressKeys("ctrl+a");
  TypeText("nowhere");
  ASSERT_TRUE(WaitUntil(
      [&] { return !SameArea(before, screen().Shot("custom-no-drive"), ui::kFreeSpace); }));
  const Image noDrive = screen().Shot("custom-no-drive");
  PressKeys("ctrl+a");
  TypeText("C:\\lumo ui\\custom");
  ASSERT_TRUE(WaitUntil(
      [&] { return !SameArea(noDrive, screen().Shot("custom-folder-typed"), ui::kFreeSpace); }));

  // Default browser and desktop shortcut cleared.
  screen().Click(ui::kDefaultBrowserBox);
  screen().Click(ui::kDesktopBox);
  MovePointer(0, 0);
  ASSERT_TRUE(
      screen().WaitToShow("checkbox_unselect_normal.png", ui::kDesktopBox, "options-cleared"));
  EXPECT_TRUE(screen().Shows("checkbox_unselect_normal.png", ui::kDefaultBrowserBox));
  EXPECT_TRUE(screen().Shows("checkbox_selected_normal.png", ui::kTaskbarBox));
  screen().Click(ui::kCustomInstall);

  const std::string folder = "C:\\lumo ui\\custom\\LumoGameBrowser";
  std::string receipt;
  ASSERT_TRUE(WaitUntil([&] { return !(receipt = Receipt(folder, "package-receipt.txt")).empty(); },
                        60000));
  EXPECT_NE(receipt.find("install path: " + folder + "\n"), std::string::npos) << receipt;
  ExpectOptions(receipt, "1010");
  EXPECT_TRUE(screen().WaitToShow("install_success.png", ui::kResultPicture, "result-page"));
  std::error_code ignored;
  std::filesystem::remove_all(PrefixPath("C:\\lumo ui"), ignored);
}

TEST_F(InstallerWindowTest, BrowseShowsTheLockedMessageOrTheFolderDialog) {
  Serve(DemoScenario());
  SetEarlierInstallation("C:\\lumo ui\\old\\LumoBrowser\\Nebrix.exe");
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kCustomLink);
  ASSERT_TRUE(screen().WaitToShow("btn_customInstall_normal.png", ui::kCustomInstall,
                                  "custom-page-locked"));
  screen().Click(ui::kBrowse);
  ASSERT_TRUE(screen().WaitForDialog(true));
  screen().ShotOf(*screen().Dialog(), "locked-folder-message");
  screen().ClickDialog(dialog::kOkAlone);
  ASSERT_TRUE(screen().WaitForDialog(false));
  screen().Click(ui::kBack);
  EXPECT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kInstall, "back-on-main-page"));
  StopInstaller();

  // Without an earlier installation the shell's folder dialog opens.
  RemoveEarlierInstallation();
  ASSERT_TRUE(StartInstaller());
  const unsigned long process = screen().Window()->process;
  screen().Click(ui::kCustomLink);
  ASSERT_TRUE(
      screen().WaitToShow("btn_customInstall_normal.png", ui::kCustomInstall, "custom-page-open"));
  screen().Click(ui::kBrowse);
  std::optional<TopWindow> folderDialog;
  ASSERT_TRUE(WaitUntil([&] {
    for (const TopWindow& w : ListWindows().OfClass("#32770")) {
      if (w.process == process) folderDialog = w;
    }
    return folderDialog.has_value();
  }));
  screen().ShotOf(*folderDialog, "folder-dialog");
  EXPECT_FALSE(screen().Window()->enabled) << "the folder dialog is modal";
}

TEST_F(InstallerWindowTest, AgreementUntickedDisablesBothEntryButtons) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kAgreementBox);
  ASSERT_TRUE(screen().WaitToShow("btn_install_disable.png", ui::kInstall, "agreement-unticked"));
  screen().Click(ui::kInstall);
  screen().Click(ui::kCustomLink);
  // Neither click leaves the main page or asks the services anything.
  EXPECT_TRUE(screen().Shows("btn_install_disable.png", ui::kInstall));
  EXPECT_FALSE(screen().Shows("btn_customInstall_normal.png", ui::kCustomInstall));
  EXPECT_TRUE(server().PackageRequests().empty());
  screen().Click(ui::kAgreementBox);
  EXPECT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kInstall, "agreement-ticked"));
}

TEST_F(InstallerWindowTest, ConfigurationFailureShowsTheNetworkErrorPage) {
  deployment::Scenario scenario = DemoScenario();
  scenario.configStatus = 500;
  scenario.configBody = "<html><body>Internal error</body></html>";
  Serve(scenario);
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kInstall);
  ASSERT_TRUE(screen().WaitToShow("btn_install_normal.png", ui::kErrorOk, "network-error-page"));
  screen().Click(ui::kErrorHelpLink);
  EXPECT_EQ(OpenedAddress(), "https://localhost:" + Port() + "/error");
  // The installation has ended: OK leaves without asking.
  screen().Click(ui::kErrorOk);
  EXPECT_EQ(installer().WaitForExit(15000), 0);
  EXPECT_FALSE(screen().Dialog().has_value());
}

TEST_F(InstallerWindowTest, PackageThatCannotStartShowsTheFailedPage) {
  deployment::Scenario scenario = DemoScenario();
  scenario.packageBody = ReadFile(Win64Tree() + "/tools/demo/not_a_program.exe");
  Serve(scenario);
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kInstall);
  ASSERT_TRUE(screen().WaitToShow("insta_fail.png", ui::kResultPicture, "failed-page"));
  screen().Click(ui::kOpen);  // "install_failed_btn" sits where "open_btn" does
  EXPECT_EQ(installer().WaitForExit(15000), 0);
}

TEST_F(InstallerWindowTest, PackageFailingWithItsExitCodeStillReachesTheResultPage) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller({{"LUMO_DEMO_PACKAGE_EXIT", "5"}}));
  screen().Click(ui::kInstall);
  ASSERT_TRUE(
      screen().WaitToShow("install_success.png", ui::kResultPicture, "result-after-exit-code-5"));
  EXPECT_NE(Receipt(kDefaultFolder, "package-receipt.txt").find("exit code: 5"), std::string::npos);
}

TEST_F(InstallerWindowTest, LinksOpenTheirPagesInInternetExplorer) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kAgreementLink);
  EXPECT_EQ(OpenedAddress(), "https://localhost:" + Port() + "/zh-cn/installer/agreement.html");
  screen().Click(ui::kCustomLink);
  ASSERT_TRUE(
      screen().WaitToShow("btn_customInstall_normal.png", ui::kCustomInstall, "custom-page"));
  screen().Click(ui::kPrivacyLink);
  EXPECT_EQ(OpenedAddress(), "https://localhost:" + Port() + "/zh-cn/installer/privacy.html");
}

}  // namespace
}  // namespace lumo::e2e
