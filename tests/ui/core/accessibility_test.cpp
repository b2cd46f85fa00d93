// A window's control tree as a screen reader sees it: through oleacc's
// AccessibleObjectFromWindow, AccessibleChildren and AccessibleObjectFromEvent
// on a real window, with a WinEvent hook following the events.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/ui/support/reader_test.h"
#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

using test::ComPtr;
using test::NotificationLog;
using test::TestContainer;
using test::TestWindow;
using Lines = std::vector<std::wstring>;

// Describes itself as the framework's buttons do, and clicks as they do.
class PressControl : public CControlUI {
 public:
  PressControl(const std::wstring& name, const std::wstring& text) {
    SetName(name);
    SetText(text);
  }
  UINT GetFlags() const override { return TabStop; }
  bool Activate() override {
    if (!CControlUI::Activate()) return false;
    Notify(Veneer::Notify::kClick);
    return true;
  }
  AccessibleTraits DescribeForAccessibility() override {
    AccessibleTraits traits;
    traits.role = ROLE_SYSTEM_PUSHBUTTON;
    traits.defaultAction = L"Press";
    return traits;
  }
};

template <typename T>
T* Place(TestContainer* parent, T* control, int l, int t, int r, int b) {
  control->ApplyAttribute(L"pos", std::to_wstring(l) + L"," + std::to_wstring(t) + L"," +
                                      std::to_wstring(r) + L"," + std::to_wstring(b));
  return parent->Add(control);
}

// The window at (100, 100), 200 by 120:
//   "Welcome" text, an empty gap, a picture with a tooltip, a hidden text,
//   and a row holding the buttons OK, Cancel (disabled) and More.
class AccessibilityTest : public test::ReaderTest {
 protected:
  void SetUp() override {
    auto* root = new TestContainer(L"root");
    title_ = Place(root, test::MakeControl(L"name=\"title\" text=\"Welcome\""), 0, 0, 200, 20);
    Place(root, test::MakeControl(L"name=\"gap\""), 0, 20, 200, 24);
    Place(root, test::MakeControl(L"name=\"logo\" bkimage=\"logo.png\" tooltip=\"Lumo\""), 10, 30,
          42, 62);
    Place(root, test::MakeControl(L"name=\"secret\" text=\"Secret\" visible=\"false\""), 50, 30, 90,
          50);
    row_ = Place(root, new TestContainer(L"row"), 0, 70, 200, 110);
    ok_ = Place(row_, new PressControl(L"ok", L"OK"), 10, 5, 60, 35);
    cancel_ = Place(row_, new PressControl(L"cancel", L"Cancel"), 70, 5, 120, 35);
    cancel_->SetEnabled(false);
    more_ = Place(row_, new PressControl(L"more", L"More"), 130, 5, 190, 35);
    Show(root);
  }

  void PressTab(bool shift = false) { test::PressKey(window_.hwnd(), VK_TAB, shift); }
  ComPtr<IAccessible> Find(const std::wstring& name) {
    return test::FindByName(client_.Get(), name);
  }

  CControlUI* title_;
  TestContainer* row_;
  PressControl* ok_;
  PressControl* cancel_;
  PressControl* more_;
};

TEST_F(AccessibilityTest, TheTreeShowsEveryVisibleControlButNotTheGaps) {
  EXPECT_EQ(test::WalkTree(client_.Get()), (Lines{
                                               L"client 'Veneer test' focusable",
                                               L"  text 'Welcome' readonly",
                                               L"  graphic 'Lumo'",
                                               L"  grouping ''",
                                               L"    button 'OK' focused focusable",
                                               L"    button 'Cancel' unavailable focusable",
                                               L"    button 'More' focusable",
                                           }));
}

TEST_F(AccessibilityTest, ChildrenAreReachedByIndexNavigationAndParent) {
  LONG count = 0;
  ASSERT_EQ(client_->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  // Positive ids are indices among the exposed children.
  EXPECT_EQ(test::NameOf(client_.Get(), 2), L"Lumo");
  ComPtr<IDispatch> row;
  ASSERT_EQ(client_->get_accChild(test::ChildId(3), &row), S_OK);
  ComPtr<IAccessible> rowObject;
  ASSERT_EQ(row.As(&rowObject), S_OK);

  VARIANT first;
  ASSERT_EQ(rowObject->accNavigate(NAVDIR_FIRSTCHILD, test::Self(), &first), S_OK);
  ComPtr<IAccessible> ok = test::ObjectOf(first);
  ASSERT_TRUE(ok);
  EXPECT_EQ(test::NameOf(ok.Get()), L"OK");
  VARIANT next;
  ASSERT_EQ(ok->accNavigate(NAVDIR_NEXT, test::Self(), &next), S_OK);
  EXPECT_EQ(test::NameOf(test::ObjectOf(next).Get()), L"Cancel");
  VariantClear(&first);
  VariantClear(&next);

  ComPtr<IDispatch> parent;
  ASSERT_EQ(ok->get_accParent(&parent), S_OK);
  ComPtr<IAccessible> parentObject;
  ASSERT_EQ(parent.As(&parentObject), S_OK);
  EXPECT_EQ(parentObject.Get(), rowObject.Get()) << "one object per control";
  // The client area's parent is the window as the system describes it.
  ComPtr<IDispatch> frame;
  ASSERT_EQ(client_->get_accParent(&frame), S_OK);
  ComPtr<IAccessible> frameObject;
  ASSERT_EQ(frame.As(&frameObject), S_OK);
  EXPECT_NE(frameObject.Get(), client_.Get());
  HWND frameWindow = nullptr;
  ASSERT_EQ(WindowFromAccessibleObject(frameObject.Get(), &frameWindow), S_OK);
  EXPECT_EQ(frameWindow, window_.hwnd());
}

TEST_F(AccessibilityTest, LocationsAreOnTheScreenAndHitTestingFindsTheControl) {
  ComPtr<IAccessible> ok = Find(L"OK");
  ASSERT_TRUE(ok);
  LONG left, top, width, height;
  ASSERT_EQ(ok->accLocation(&left, &top, &width, &height, test::Self()), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}), (std::vector<LONG>{110, 175, 50, 30}));
  ASSERT_EQ(client_->accLocation(&left, &top, &width, &height, test::Self()), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}), (std::vector<LONG>{100, 100, 200, 120}));

  VARIANT hit;
  ASSERT_EQ(client_->accHitTest(115, 180, &hit), S_OK);
  EXPECT_EQ(test::ObjectOf(hit).Get(), ok.Get());
  VariantClear(&hit);
  // A gap is not an object: the point belongs to the client area.
  ASSERT_EQ(client_->accHitTest(105, 121, &hit), S_OK);
  EXPECT_EQ(hit.vt, VT_I4);
  EXPECT_EQ(hit.lVal, CHILDID_SELF);
  EXPECT_EQ(client_->accHitTest(50, 50, &hit), S_FALSE);
}

TEST_F(AccessibilityTest, TheDefaultActionClicksLaterAsTheMouseDoes) {
  ComPtr<IAccessible> more = Find(L"More");
  ASSERT_TRUE(more);
  BSTR action = nullptr;
  ASSERT_EQ(more->get_accDefaultAction(test::Self(), &action), S_OK);
  EXPECT_STREQ(action, L"Press");
  SysFreeString(action);

  ASSERT_EQ(more->accDoDefaultAction(test::Self()), S_OK);
  EXPECT_TRUE(log_.entries.empty()) << "the call returns before the click";
  ASSERT_TRUE(test::PumpUntil(2000, [&] { return log_.Count(L"click:more") == 1; }));
  EXPECT_EQ(log_.entries, (Lines{L"killfocus:ok", L"setfocus:more", L"click:more"}));
  EXPECT_EQ(test::StateText(test::StateOf(more.Get())), L"focused focusable");

  // A disabled button ignores the press, as it ignores the mouse.
  log_.entries.clear();
  ASSERT_EQ(Find(L"Cancel")->accDoDefaultAction(test::Self()), S_OK);
  test::PumpMessages(50);
  EXPECT_EQ(log_.Count(L"click:cancel"), 0);
  // Text has no default action.
  EXPECT_EQ(Find(L"Welcome")->accDoDefaultAction(test::Self()), DISP_E_MEMBERNOTFOUND);
}

// The first paint focused OK, the first Tab stop.
TEST_F(AccessibilityTest, AReaderFollowsFocusStateAndNameThroughWinEvents) {
  test::WinEventLog events;
  PressTab();
  PressTab();
  PressTab(true);
  cancel_->SetEnabled(true);
  PressTab(true);
  title_->SetText(L"Hello");
  test::PumpMessages(20);
  EXPECT_EQ(events.Lines(), (Lines{L"focus 'More'", L"focus 'OK'", L"focus 'More'",
                                   L"state 'Cancel'", L"focus 'Cancel'", L"name 'Hello'"}));
  VARIANT focus;
  ASSERT_EQ(client_->get_accFocus(&focus), S_OK);
  EXPECT_EQ(test::NameOf(test::ObjectOf(focus).Get()), L"Cancel");
  VariantClear(&focus);
}

TEST_F(AccessibilityTest, ADeletedControlsObjectAnswersNotConnected) {
  ComPtr<IAccessible> more = Find(L"More");
  ASSERT_TRUE(more);
  test::WinEventLog events;
  more_->SetFocus();
  ASSERT_TRUE(test::PumpUntil(2000, [&] { return !events.events.empty(); }));
  const LONG childId = events.events[0].child;
  EXPECT_LT(childId, 0) << "events carry the control's unique id";
  EXPECT_EQ(test::NameOf(client_.Get(), childId), L"More");

  row_->RemoveChild(more_);
  BSTR name = nullptr;
  EXPECT_EQ(more->get_accName(test::Self(), &name), CO_E_OBJNOTCONNECTED);
  ComPtr<IDispatch> parent;
  EXPECT_EQ(more->get_accParent(&parent), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(more->accDoDefaultAction(test::Self()), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client_->get_accName(test::ChildId(childId), &name), E_INVALIDARG);
  EXPECT_EQ(test::WalkTree(client_.Get()).size(), 6u);
}

TEST(AccessibilityLifetimeTest, TheClientObjectOutlivesItsWindowDisconnected) {
  test::ComThread com;
  auto window = std::make_unique<TestWindow>();
  window->SetRoot(new TestContainer(L"root"));
  ComPtr<IAccessible> client = test::ClientObject(window->hwnd());
  ASSERT_TRUE(client);
  window.reset();
  LONG count = 0;
  EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
}

TEST_F(AccessibilityTest, AHiddenContainerLeavesTheTreeAndReportsInvisible) {
  ComPtr<IAccessible> ok = Find(L"OK");
  row_->SetVisible(false);
  LONG count = 0;
  ASSERT_EQ(client_->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(test::StateText(test::StateOf(ok.Get())), L"focusable invisible");
}

TEST_F(AccessibilityTest, AMessageDialogIsAnnouncedWithItsText) {
  test::WinEventLog events;
  window_.manager().AnnounceDialog(L"Not enough space");
  ASSERT_TRUE(test::PumpUntil(2000, [&] { return !events.events.empty(); }));
  EXPECT_EQ(events.events[0].event, static_cast<DWORD>(EVENT_SYSTEM_DIALOGSTART));
  EXPECT_EQ(events.events[0].window, window_.hwnd());
  EXPECT_EQ(events.Lines(), (Lines{L"dialog 'Not enough space'"}));
  EXPECT_EQ(test::RoleOf(client_.Get()), ROLE_SYSTEM_DIALOG);
}

}  // namespace
}  // namespace Veneer
