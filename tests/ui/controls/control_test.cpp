// The base control: attributes and their value syntax, placing, visibility,
// hit-testing, events, and painting in its steps.
#include "ui/controls/control.h"

#include <gtest/gtest.h>

#include "tests/ui/support/pixel_test.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::RecordingControl;
using test::TestContainer;
using test::TestWindow;

bool Equal(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != 0;
}

TEST(ControlAttributes, SetTheFieldsTheSkinNames) {
  CControlUI c;
  const wchar_t* attributes[][2] = {
      {L"name", L"ok_btn"},
      {L"text", L"Install"},
      {L"tooltip", L"one<n>two<n>"},
      {L"userdata", L"42"},
      {L"shortcut", L"Ix"},
      {L"padding", L"1,2,3,4"},
      {L"width", L"80"},
      {L"height", L"-5"},
      {L"minwidth", L"10"},
      {L"maxheight", L"50"},
      {L"bkcolor", L"#FF102030"},
      {L"bkcolor2", L"FF405060"},
      {L"bordercolor", L"#FF00FF00"},
      {L"borderround", L"4,6"},
      {L"bkimage", L"bg.png"},
      {L"mouse", L"false"},
      {L"keyboard", L"TRUE"},
      {L"menu", L"true"},
      {L"enabled", L"false"},
      {L"Font", L"3"},
      {L"unknown", L"1"},
  };
  for (const auto& a : attributes) c.ApplyAttribute(a[0], a[1]);
  EXPECT_EQ(c.GetName(), L"ok_btn");
  EXPECT_EQ(c.GetText(), L"Install");
  EXPECT_EQ(c.GetTooltip(), L"one\r\ntwo\r\n");
  EXPECT_EQ(c.GetUserData(), L"42");
  EXPECT_EQ(c.GetShortcut(), L'I');
  EXPECT_TRUE(Equal(c.GetPadding(), {1, 2, 3, 4}));
  EXPECT_EQ(c.GetFixedWidth(), 80);
  EXPECT_EQ(c.GetFixedHeight(), 0);  // negative: ignored
  EXPECT_EQ(c.GetMinWidth(), 10);
  EXPECT_EQ(c.GetMaxHeight(), 50);
  EXPECT_EQ(c.GetMaxWidth(), 9999);
  EXPECT_EQ(c.GetBkColor(), 0xFF102030u);
  EXPECT_EQ(c.GetBorderColor(), 0xFF00FF00u);
  EXPECT_EQ(c.GetBorderRound().cx, 4);
  EXPECT_EQ(c.GetBorderRound().cy, 6);
  EXPECT_EQ(c.GetBkImage(), L"bg.png");
  EXPECT_FALSE(c.IsMouseEnabled());
  EXPECT_FALSE(c.IsKeyboardEnabled());  // only "true" is true
  EXPECT_TRUE(c.IsMenuEnabled());
  EXPECT_FALSE(c.IsEnabled());
  EXPECT_STREQ(c.UiClassName(), L"ControlUI");
  EXPECT_EQ(c.AsInterface(L"Control"), &c);
  EXPECT_EQ(c.AsInterface(L"IContainer"), nullptr);
  EXPECT_EQ(c.AsInterface(L"control"), nullptr);
}

TEST(ControlAttributes, PosAnchorsNegativeOffsetsToTheFarEdges) {
  struct Case {
    const wchar_t* pos;
    SIZE offset;
    int width, height;
  };
  const Case cases[] = {
      {L"10,20,110,50", {10, 20}, 100, 30},
      {L"-40,10,-10,30", {-10, 10}, 30, 20},
      {L"5,-30,25,-5", {5, -5}, 20, 25},
      {L"50,0,10,0", {50, 0}, 0, 0},  // a negative width is ignored
  };
  for (const auto& c : cases) {
    CControlUI control;
    control.ApplyAttribute(L"pos", c.pos);
    EXPECT_EQ(control.GetFloatOffset().cx, c.offset.cx) << c.pos;
    EXPECT_EQ(control.GetFloatOffset().cy, c.offset.cy) << c.pos;
    EXPECT_EQ(control.GetFixedWidth(), c.width) << c.pos;
    EXPECT_EQ(control.GetFixedHeight(), c.height) << c.pos;
  }
}

TEST(ControlAttributes, BorderSizeIsUniformOrPerSide) {
  CControlUI c;
  c.ApplyAttribute(L"bordersize", L"1,1,2,2");
  EXPECT_EQ(c.GetBorderSize(), 0);
  EXPECT_TRUE(Equal(c.GetSideBorderSizes(), {1, 1, 2, 2}));
  c.ApplyAttribute(L"bordersize", L"2");
  EXPECT_EQ(c.GetBorderSize(), 2);
  EXPECT_TRUE(Equal(c.GetSideBorderSizes(), {0, 0, 0, 0}));
  c.ApplyAttribute(L"rightbordersize", L"3");
  EXPECT_TRUE(Equal(c.GetSideBorderSizes(), {0, 0, 3, 0}));
}

TEST(ControlAttributes, AnAttributeTextAppliesUpToTheFirstMalformedPair) {
  CControlUI c;
  c.ApplyAttributeText(L"name=\"a\" width=\"30\" height=20 text=\"never\"");
  EXPECT_EQ(c.GetName(), L"a");
  EXPECT_EQ(c.GetFixedWidth(), 30);
  EXPECT_TRUE(c.GetText().empty());
}

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() : root_(new TestContainer(L"root")) {
    window_.manager().AddListener(&log_);
    window_.SetRoot(root_);
  }
  ~ControlTest() override { window_.manager().RemoveListener(&log_); }
  template <typename T>
  T* Add(T* control, const wchar_t* pos, TestContainer* parent = nullptr) {
    control->ApplyAttribute(L"pos", pos);
    return (parent ? parent : root_)->Add(control);
  }
  RECT UpdateRect() {
    RECT r = {};
    GetUpdateRect(window_.hwnd(), &r, FALSE);
    return r;
  }

  TestWindow window_{200, 100};
  NotificationLog log_;
  TestContainer* root_;
};

TEST_F(ControlTest, SetRectNormalisesRunsSizeListenersOnceAndWritesFloatingPlacesBack) {
  auto* c = Add(new RecordingControl(L"c"), L"0,0,10,10");
  window_.PaintNow();
  int calls = 0;
  c->SizeListeners().push_back([&](CControlUI& control) {
    ++calls;
    control.SetRect({1, 1, 2, 2});  // re-entered: no second call
    return true;
  });
  c->SetRect({30, 40, 20, 30});
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(Equal(c->GetRect(), {1, 1, 2, 2}));
  c->SetRect({30, 40, 20, 30});
  EXPECT_TRUE(Equal(c->GetRect(), {1, 1, 2, 2}));  // the listener's placement
  c->SizeListeners().clear();
  c->SetRect({30, 40, 20, 30});
  EXPECT_TRUE(Equal(c->GetRect(), {30, 40, 30, 40}));

  // A floating control anchored right keeps its negative offset.
  auto* anchored = Add(new RecordingControl(L"anchored"), L"-40,10,-10,30");
  anchored->SetFloating(true);
  anchored->SetRect({150, 20, 190, 45});
  EXPECT_EQ(anchored->GetFloatOffset().cx, -10);  // 190 - 200
  EXPECT_EQ(anchored->GetFloatOffset().cy, 20);
  EXPECT_EQ(anchored->GetFixedWidth(), 40);
  EXPECT_EQ(anchored->GetFixedHeight(), 25);
}

TEST_F(ControlTest, InvalidateIsClippedByEveryAncestor) {
  auto* box = Add(new TestContainer(L"box"), L"20,20,60,60");
  auto* child = Add(new RecordingControl(L"child"), L"30,30,80,80", box);  // sticks out
  window_.PaintNow();
  ValidateRect(window_.hwnd(), nullptr);  // the display may still expose the new window
  child->Invalidate();
  const RECT update = UpdateRect();
  EXPECT_TRUE(Equal(update, {50, 50, 60, 60}))
      << update.left << "," << update.top << "," << update.right << "," << update.bottom;
  window_.PaintNow();
  child->SetVisible(false);  // hidden: its own invalidation does nothing
  ValidateRect(window_.hwnd(), nullptr);
  child->Invalidate();
  EXPECT_TRUE(Equal(UpdateRect(), {0, 0, 0, 0}));
}

TEST_F(ControlTest, HidingTheFocusClearsItAndAHiddenParentHidesItsChildren) {
  auto* box = Add(new TestContainer(L"box"), L"0,0,100,100");
  auto* child = Add(new RecordingControl(L"child", TabStop), L"0,0,10,10", box);
  window_.PaintNow();
  child->SetFocus();
  ASSERT_EQ(window_.manager().GetFocusedControl(), child);
  box->SetVisible(false);
  EXPECT_EQ(window_.manager().GetFocusedControl(), nullptr);
  EXPECT_FALSE(child->IsVisible());
  box->SetVisible(true);
  EXPECT_TRUE(child->IsVisible());
  child->SetFocus();
  child->SetVisible(false);
  EXPECT_EQ(window_.manager().GetFocusedControl(), nullptr);
  EXPECT_EQ(window_.manager().FindControlAt({5, 5}), box);
}

TEST_F(ControlTest, SearchTreeAppliesTheFlagsToAPlainControl) {
  auto* c = Add(new RecordingControl(L"c"), L"10,10,20,20");
  window_.PaintNow();
  const auto found = [&](UINT flags, POINT point = {15, 15}) {
    return c->SearchTree([](CControlUI* control, void*) { return control; }, &point, flags);
  };
  EXPECT_EQ(found(FindHitTest), c);
  EXPECT_EQ(found(FindHitTest, {20, 15}), nullptr);  // right edge exclusive
  c->SetEnabled(false);
  EXPECT_EQ(found(FindEnabled), nullptr);
  EXPECT_EQ(found(FindVisible), c);
  c->SetMouseEnabled(false);
  EXPECT_EQ(found(FindHitTest), nullptr);
  c->SetVisible(false);
  EXPECT_EQ(found(FindVisible), nullptr);
  EXPECT_EQ(found(0), c);
}

TEST_F(ControlTest, EventsNotifyAndPassOnToTheParent) {
  auto* c = Add(new RecordingControl(L"c"), L"0,0,10,10");
  window_.PaintNow();
  log_.entries.clear();
  UiEvent hover;
  hover.type = UiEventType::MouseHover;
  c->DispatchEvent(hover);
  UiEvent menu;
  menu.type = UiEventType::ContextMenu;
  c->DispatchEvent(menu);  // no menu flag: on to the parent
  c->SetMenuEnabled(true);
  c->DispatchEvent(menu);
  UiEvent timer;
  timer.type = UiEventType::Timer;
  timer.wParam = 5;
  c->DispatchEvent(timer);
  EXPECT_EQ(log_.entries, (std::vector<std::wstring>{L"mouseenter:c", L"mouseenter:root", L"menu:c",
                                                     L"timer:c"}));
  EXPECT_EQ(log_.notifications.back().wParam, 5u);
  // An event listener answering false swallows the event.
  c->EventListenersOf().push_back([](UiEvent& event) { return event.type != UiEventType::Timer; });
  c->DispatchEvent(timer);
  c->DispatchEvent(menu);
  EXPECT_EQ(c->Count(UiEventType::Timer), 1);
  EXPECT_EQ(c->Count(UiEventType::ContextMenu), 3);
}

TEST_F(ControlTest, AVirtualWindowNameIsInheritedByTheNotifications) {
  auto* box = Add(new TestContainer(L"box"), L"0,0,100,100");
  auto* child = Add(new RecordingControl(L"child"), L"0,0,10,10", box);
  box->ApplyAttribute(L"virtualwnd", L"page");
  EXPECT_TRUE(window_.manager().UsesVirtualWindows());
  window_.manager().SendNotification(child, Notify::kClick);
  EXPECT_EQ(log_.notifications.back().virtualWindow, L"page");
}

TEST(ControlPaint, ADescriptionThatCantBeDrawnAtAllIsCleared) {
  CControlUI detached;  // no manager: nothing can draw it
  detached.ApplyAttribute(L"bkimage", L"bg.png");
  detached.SetRect({0, 0, 10, 10});
  HDC dc = CreateCompatibleDC(nullptr);
  detached.Paint(dc, {0, 0, 10, 10});
  DeleteDC(dc);
  EXPECT_TRUE(detached.GetBkImage().empty());
}

class ControlPaintTest : public test::PixelTest {
 protected:
  CControlUI* Control(const wchar_t* attributes) {
    auto* c = new CControlUI;
    c->ApplyAttributeText(attributes);
    return root_->Add(c);
  }
};

TEST_F(ControlPaintTest, BackgroundColoursFillOrMakeGradients) {
  Control(L"pos=\"0,0,10,40\" bkcolor=\"#FF0000FF\"");
  Control(L"pos=\"10,0,20,40\" bkcolor=\"#80FF0000\"");
  Control(L"pos=\"20,0,30,40\" bkcolor=\"#FF000000\" bkcolor2=\"#FFFFFFFF\"");
  Control(
      L"pos=\"30,0,40,40\" bkcolor=\"#FFFF0000\" bkcolor2=\"#FF00FF00\" bkcolor3=\"#FF0000FF\"");
  Paint();
  ExpectPixels({
      {5, 20, 0x0000FF},
      {15, 20, 0xFF7F7F},
      {25, 0, 0x000000, 10},
      {25, 39, 0xFFFFFF, 10},
      {35, 0, 0xFF0000, 20},
      {35, 20, 0x00FF00, 20},  // the halves meet at the middle
      {35, 39, 0x0000FF, 20},
  });
}

TEST_F(ControlPaintTest, PerSideBordersAreLinesAlongTheEdges) {
  root_->SetBkColor(0xFF000000);
  Control(L"pos=\"10,10,50,40\" bordercolor=\"#FFFF0000\" bordersize=\"1,1,2,2\"");
  Paint();
  const auto red = [&](int x, int y) { return Pixel(x, y) == 0xFF0000; };
  EXPECT_TRUE(red(10, 20));  // left, 1 wide
  EXPECT_FALSE(red(11, 20));
  EXPECT_TRUE(red(30, 10));  // top, 1 high
  EXPECT_FALSE(red(30, 11));
  // Right and bottom: 2-pixel lines centred on the exclusive edges.
  EXPECT_TRUE(red(49, 20));
  EXPECT_TRUE(red(50, 20));
  EXPECT_FALSE(red(48, 20));
  EXPECT_TRUE(red(30, 39));
  EXPECT_TRUE(red(30, 40));
  EXPECT_FALSE(red(30, 38));
}

TEST_F(ControlPaintTest, UniformFocusAndRoundedBorders) {
  root_->SetBkColor(0xFF000000);
  Control(L"pos=\"0,0,30,30\" bordercolor=\"#FF00FF00\" bordersize=\"2\"");
  auto* focusable = new test::RecordingControl(L"focusable");
  focusable->ApplyAttributeText(
      L"pos=\"40,0,70,30\" bordercolor=\"#FF00FF00\" focusbordercolor=\"#FFFF0000\" "
      L"bordersize=\"1\"");
  root_->Add(focusable);
  Control(L"pos=\"80,0,110,30\" bkcolor=\"#FFFFFFFF\" borderround=\"12,12\"");
  Paint();
  EXPECT_EQ(Pixel(0, 15), 0x00FF00u);  // inside frame: 2 wide, within the rectangle
  EXPECT_EQ(Pixel(1, 15), 0x00FF00u);
  EXPECT_EQ(Pixel(2, 15), 0x000000u);
  EXPECT_EQ(Pixel(29, 15), 0x00FF00u);
  EXPECT_EQ(Pixel(40, 15), 0x00FF00u);
  focusable->SetFocus();
  Paint();
  EXPECT_EQ(Pixel(40, 15), 0xFF0000u);  // the focus border colour while focused
  // The rounded clip leaves the corners to what lies below.
  EXPECT_EQ(Pixel(80, 0), 0x000000u);
  EXPECT_EQ(Pixel(95, 15), 0xFFFFFFu);
  EXPECT_EQ(Pixel(95, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace Veneer
