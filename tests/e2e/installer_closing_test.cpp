// Leaving the installer and the message dialog, the window's frame rules and
// the single-instance rule, with real input on the test display.
#include <gtest/gtest.h>

#include "tests/e2e/installer_window_fixture.h"

namespace lumo::e2e {
namespace {

namespace ui = installer;

// A second installer process: it must end at once, with 0, and show nothing.
void ExpectSecondInstanceLeaves() {
  InstallerProcess second;
  EXPECT_EQ(second.WaitForExit(15000), 0);
  EXPECT_EQ(ListWindows().Titled(kInstallerTitle).size(), 1u);
}

TEST_F(InstallerWindowTest, CloseAsksAndOnlyOkEndsTheInstaller) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  const TopWindow dialog = *screen().Dialog();
  EXPECT_EQ(dialog.className, kDialogClass);
  EXPECT_EQ(dialog.owner, screen().Window()->handle);
  screen().ShotOf(dialog, "exit-question", 12);
  screen().ClickDialog(dialog::kCancel);  // "我再想想"
  ASSERT_TRUE(screen().WaitForDialog(false));
  EXPECT_TRUE(installer().Running());

  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  screen().ClickDialog(dialog::kClose);  // the dialog's own close button cancels too
  ASSERT_TRUE(screen().WaitForDialog(false));
  EXPECT_TRUE(installer().Running());

  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  screen().ClickDialog(dialog::kOkWithCancel);  // "确定"
  EXPECT_EQ(installer().WaitForExit(15000), 0);
}

TEST_F(InstallerWindowTest, CloseButtonIsDisabledDuringTheDownload) {
  deployment::Scenario scenario = DemoScenario();
  scenario.packageBody += std::string(1 << 20, '\0');
  scenario.packageHoldAfter = 1;
  Serve(scenario);
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kInstall);
  ASSERT_TRUE(WaitUntil([&] { return server().PackageRequests().size() == 1; }));
  screen().Click(ui::kClose);
  // Nothing can answer the click: the dialog must not come within a second.
  EXPECT_FALSE(WaitUntil([&] { return screen().Dialog().has_value(); }, 1000));
  screen().Shot("download-close-disabled");
  server().ReleasePackage();
}

TEST_F(InstallerWindowTest, FrameRulesOfTheWindow) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  const Rect start = screen().Window()->rect;

  // A double click on the caption area neither maximises nor restores.
  DoubleClick(start.left + ui::kHeaderBackground.x(), start.top + ui::kHeaderBackground.y());
  EXPECT_FALSE(WaitUntil([&] { return !(screen().Window()->rect == start); }, 1000));

  // A drag on the background moves the window, a drag on a button does not.
  Drag(start.left + ui::kHeaderBackground.x(), start.top + ui::kHeaderBackground.y(),
       start.left + ui::kHeaderBackground.x() + 60, start.top + ui::kHeaderBackground.y() + 40);
  ASSERT_TRUE(WaitUntil([&] { return screen().Window()->rect.left == start.left + 60; }));
  const Rect moved = screen().Window()->rect;
  EXPECT_EQ(moved.top, start.top + 40);
  Drag(moved.left + ui::kInstall.x(), moved.top + ui::kInstall.y(),
       moved.left + ui::kInstall.x() + 50, moved.top + ui::kInstall.y() + 50);
  EXPECT_TRUE(screen().Window()->rect == moved);
  screen().Shot("after-drags");

  // The system close command (Alt+F4) minimises; the installer goes on.
  PressKeys("alt+F4");
  ASSERT_TRUE(WaitUntil([&] { return screen().Window()->minimised; }));
  EXPECT_TRUE(installer().Running());
}

TEST_F(InstallerWindowTest, MessageDialogIsModal) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  const TopWindow owner = *screen().Window();
  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  const TopWindow dialog = *screen().Dialog();
  EXPECT_FALSE(screen().Window()->enabled);

  // A click on the disabled owner makes the dialog shake and come back.
  const std::vector<Rect> path = WatchWindow(dialog.handle, 1500, [&] {
    Click(owner.rect.left + ui::kClose.x() - 200, owner.rect.top + ui::kClose.y());
  });
  ASSERT_GE(path.size(), 2u) << "the dialog did not move";
  EXPECT_TRUE(path.back() == dialog.rect);
  for (const Rect& r : path) EXPECT_LE(std::abs(r.left - dialog.rect.left), 1);
  EXPECT_FALSE(server().PackageRequests().size() > 0) << "the click reached the owner";

  // Escape does not close the dialog; Alt+F4 does, as a cancel.
  PressKeys("Escape");
  EXPECT_FALSE(WaitUntil([&] { return !screen().Dialog().has_value(); }, 1000));
  PressKeys("alt+F4");
  ASSERT_TRUE(screen().WaitForDialog(false));
  EXPECT_TRUE(installer().Running());
  // The owner is enabled and has the focus again once the dialog is gone.
  EXPECT_TRUE(WaitUntil(
      [&] {
        const std::optional<TopWindow> after = screen().Window();
        return after && after->enabled && after->threadFocus == after->handle;
      },
      2000));
}

TEST_F(InstallerWindowTest, SecondInstanceRestoresTheFirst) {
  Serve(DemoScenario());
  ASSERT_TRUE(StartInstaller());
  screen().Click(ui::kMinimise);
  ASSERT_TRUE(WaitUntil([&] { return screen().Window()->minimised; }));
  ExpectSecondInstanceLeaves();
  EXPECT_TRUE(WaitUntil([&] { return !screen().Window()->minimised; }));
  screen().Shot("restored");

  // While the first asks its question, it is restored and stays disabled.
  screen().Click(ui::kClose);
  ASSERT_TRUE(screen().WaitForDialog(true));
  ExpectSecondInstanceLeaves();
  EXPECT_FALSE(screen().Window()->enabled);
  EXPECT_TRUE(screen().Dialog().has_value());
  screen().ClickDialog(dialog::kOkWithCancel);
  EXPECT_EQ(installer().WaitForExit(15000), 0);

  // Once the first has ended, the next one is a first instance again.
  ASSERT_TRUE(StartInstaller());
  EXPECT_TRUE(installer().Running());
}

}  // namespace
}  // namespace lumo::e2e
