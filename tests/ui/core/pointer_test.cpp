// The paint manager with the real mouse pointer of the test display: hover
// timing, capture while dragging out of the window, cursor setting.
#include <gtest/gtest.h>

#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::PumpUntil;
using test::RecordingControl;
using test::TestContainer;
using test::TestWindow;

class PointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* root = new TestContainer(L"root");
    button_ = root->Add(new RecordingControl(L"button", SetsCursor));
    button_->ApplyAttribute(L"pos", L"20,20,80,60");
    window_.manager().AddListener(&log_);
    window_.SetRoot(root);
    window_.PaintNow();
    window_.MoveMouseTo(-60, -60);  // outside the window
    test::PumpMessages(50);
    log_.entries.clear();
  }
  void TearDown() override { window_.manager().RemoveListener(&log_); }
  bool Logged(const wchar_t* entry) const { return log_.Count(entry) > 0; }

  TestWindow window_;
  NotificationLog log_;
  RecordingControl* button_ = nullptr;
};

TEST_F(PointerTest, MouseEnterIsNotifiedAfterTheHoverTimeAndMouseLeaveAtOnce) {
  const DWORD start = GetTickCount();
  window_.MoveMouseTo(40, 40);
  ASSERT_TRUE(PumpUntil(500, [&] { return button_->Count(UiEventType::MouseEnter) > 0; }));
  EXPECT_FALSE(Logged(L"mouseenter:button"));  // the event came at once, the notification not
  ASSERT_TRUE(PumpUntil(3000, [&] { return Logged(L"mouseenter:button"); }));
  EXPECT_GE(GetTickCount() - start, 350u);  // 400 ms, give or take the timer's grain
  // Straight out of the window after the hover, without a move inside it:
  // "mouseleave" comes with WM_MOUSELEAVE (which wine sends when it next
  // polls the pointer, one hover time later).
  window_.MoveMouseTo(-60, -60);
  EXPECT_TRUE(PumpUntil(1000, [&] { return Logged(L"mouseleave:button"); }));
}

TEST_F(PointerTest, TheCaptureKeepsTheButtonUpWithThePressedControlOutsideTheWindow) {
  window_.MoveMouseTo(40, 40);
  test::PumpMessages(30);
  test::SendMouseButton(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil(500, [&] { return button_->Count(UiEventType::ButtonDown) > 0; }));
  window_.MoveMouseTo(-60, -60);
  test::PumpMessages(30);
  test::SendMouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil(500, [&] { return button_->Count(UiEventType::ButtonUp) > 0; }));
  EXPECT_LT(button_->points.back().x, 0);                // released outside
  EXPECT_GT(button_->Count(UiEventType::MouseMove), 0);  // the drag was seen too
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PointerTest, AControlThatSetsTheCursorGetsTheSetCursorEvent) {
  window_.MoveMouseTo(10, 10);  // the root sets no cursor
  test::PumpMessages(50);
  EXPECT_EQ(button_->Count(UiEventType::SetCursor), 0);
  window_.MoveMouseTo(40, 40);
  EXPECT_TRUE(PumpUntil(500, [&] { return button_->Count(UiEventType::SetCursor) > 0; }));
}

}  // namespace
}  // namespace Veneer
