// The paint manager on a real window: messages sent to it and what reaches
// the controls and the listeners.
#include "ui/core/paint_manager.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::RecordingControl;
using test::TestContainer;
using test::TestWindow;
using Log = std::vector<std::wstring>;

std::wstring Pos(int l, int t, int r, int b) {
  return std::to_wstring(l) + L"," + std::to_wstring(t) + L"," + std::to_wstring(r) + L"," +
         std::to_wstring(b);
}

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

class PaintManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = new TestContainer(L"root");
    window_.manager().AddListener(&log_);
  }
  void TearDown() override { window_.manager().RemoveListener(&log_); }

  template <typename T = RecordingControl>
  T* Add(TestContainer* parent, T* control, int l, int t, int r, int b) {
    control->ApplyAttribute(L"pos", Pos(l, t, r, b));
    return parent->Add(control);
  }
  RecordingControl* Add(const std::wstring& name, int l, int t, int r, int b, UINT flags = 0) {
    return Add(root_, new RecordingControl(name, flags), l, t, r, b);
  }
  // Attaches the tree and runs the first paint (the layout pass).
  void Show() {
    window_.SetRoot(root_);
    window_.PaintNow();
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(window_.hwnd(), message, wParam, lParam);
  }
  void Click(int x, int y) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    Send(WM_LBUTTONUP, 0, At(x, y));
  }
  // A key press as the message loop sees it.
  void PressKey(WPARAM key, bool shift = false) { test::PressKey(window_.hwnd(), key, shift); }
  PaintManager& manager() { return window_.manager(); }
  // A native child window of the test window with a class of its own.
  HWND CreateChild(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, L"", WS_CHILD, 0, 0, 10, 10, window_.hwnd(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }

  TestWindow window_;
  NotificationLog log_;
  TestContainer* root_ = nullptr;
};

TEST_F(PaintManagerTest, SendsWindowInitOnceAndPlacesTheRootAtEachResize) {
  Add(L"child", 10, 10, 50, 30);
  window_.SetRoot(root_);
  EXPECT_EQ(log_.Count(L"windowinit:root"), 0);  // not before the first paint
  window_.PaintNow();
  EXPECT_EQ(log_.entries, (Log{L"windowinit:root"}));
  EXPECT_EQ(root_->GetRect().right, 200);
  for (int width : {300, 150}) {
    SetWindowPos(window_.hwnd(), nullptr, 0, 0, width, 100,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    window_.PaintNow();
    EXPECT_EQ(root_->GetRect().right, width);
    EXPECT_EQ(root_->GetRect().bottom, 100);
  }
  EXPECT_EQ(log_.Count(L"windowinit:root"), 1);
}

TEST_F(PaintManagerTest, LaysOutOnlyMarkedControlsWhenTheRootIsPlaced) {
  RecordingControl* child = Add(L"child", 10, 10, 50, 30);
  Show();
  // A floating control's size setter marks it alone; the next paint places
  // it again at its own rectangle.
  child->SetFloating(true);
  window_.PaintNow();
  EXPECT_FALSE(root_->IsLayoutNeeded());
  child->SetFixedWidth(99);
  EXPECT_TRUE(child->IsLayoutNeeded());
  EXPECT_FALSE(root_->IsLayoutNeeded());
  window_.PaintNow();
  EXPECT_FALSE(child->IsLayoutNeeded());
  EXPECT_EQ(child->GetRect().left, 10);
}

TEST_F(PaintManagerTest, FindsControlsByNameTheLaterOneWinningAndForgetsDeletedOnes) {
  Add(L"twin", 0, 0, 10, 10);
  auto* inner = Add(root_, new TestContainer(L"inner"), 20, 0, 60, 40);
  RecordingControl* second = Add(inner, new RecordingControl(L"twin"), 0, 0, 10, 10);
  Show();
  EXPECT_EQ(manager().FindControlByName(L"twin"), second);
  EXPECT_EQ(manager().FindControlByName(L"inner"), inner);
  EXPECT_EQ(manager().FindControlByName(L"Twin"), nullptr);
  inner->RemoveChild(second);
  EXPECT_EQ(manager().FindControlByName(L"twin"), nullptr);
}

TEST_F(PaintManagerTest, ARenamedControlIsForgottenUnderTheNameItWasRegisteredWith) {
  RecordingControl* renamed = Add(L"old name", 0, 0, 10, 10);
  Show();
  renamed->SetName(L"new name");
  root_->RemoveChild(renamed);
  EXPECT_EQ(manager().FindControlByName(L"old name"), nullptr);  // not the freed control
}

TEST_F(PaintManagerTest, AClickOnAControlWithMouseFalseGoesToTheControlBelow) {
  RecordingControl* below = Add(L"below", 0, 0, 100, 100);
  RecordingControl* above = Add(L"above", 20, 20, 80, 80);
  above->ApplyAttribute(L"mouse", L"false");
  Show();
  EXPECT_EQ(manager().FindControlAt({50, 50}), below);
  Click(50, 50);
  EXPECT_EQ(below->Count(UiEventType::ButtonDown), 1);
  EXPECT_EQ(below->Count(UiEventType::ButtonUp), 1);
  EXPECT_TRUE(above->events.empty());
  EXPECT_EQ(manager().GetFocusedControl(), below);  // focused before the button-down
  above->ApplyAttribute(L"mouse", L"true");
  EXPECT_EQ(manager().FindControlAt({50, 50}), above);  // the later child is on top
}

TEST_F(PaintManagerTest, TheButtonUpGoesToTheControlThatWasPressed) {
  RecordingControl* pressed = Add(L"pressed", 0, 0, 50, 50);
  RecordingControl* other = Add(L"other", 100, 0, 150, 50);
  Show();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  EXPECT_EQ(GetCapture(), window_.hwnd());
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(120, 10));
  Send(WM_LBUTTONUP, 0, At(120, 10));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(pressed->Count(UiEventType::ButtonUp), 1);
  EXPECT_EQ(pressed->points.back().x, 120);
  // The move while captured went to the pressed control; the other one only
  // saw the pointer arrive.
  EXPECT_EQ(pressed->Count(UiEventType::MouseMove), 1);
  EXPECT_EQ(other->Count(UiEventType::MouseMove), 0);
  EXPECT_EQ(other->Count(UiEventType::MouseEnter), 1);
  EXPECT_EQ(other->Count(UiEventType::ButtonUp), 0);
}

TEST_F(PaintManagerTest, ThePressEndsItsCaptureWhenThePressedControlOrTheTreeGoes) {
  const struct {
    const char* name;
    std::function<void(RecordingControl* pressed)> end;
  } endings[] = {
      {"the pressed control is deleted",
       [&](RecordingControl* pressed) { root_->RemoveChild(pressed); }},
      {"a new root is set", [&](RecordingControl*) { window_.SetRoot(new TestContainer); }},
  };
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.name);
    root_ = new TestContainer(L"root");
    RecordingControl* pressed = Add(L"pressed", 0, 0, 50, 50);
    Show();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ASSERT_EQ(GetCapture(), window_.hwnd());
    ending.end(pressed);
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_F(PaintManagerTest, MovingAcrossControlsSendsLeaveAndEnterAtOnce) {
  RecordingControl* a = Add(L"a", 0, 0, 50, 50);
  RecordingControl* b = Add(L"b", 50, 0, 100, 50);
  Show();
  Send(WM_MOUSEMOVE, 0, At(10, 10));
  Send(WM_MOUSEMOVE, 0, At(20, 10));
  Send(WM_MOUSEMOVE, 0, At(60, 10));
  EXPECT_EQ(a->events, (std::vector<UiEventType>{UiEventType::MouseEnter, UiEventType::MouseMove,
                                                 UiEventType::MouseMove, UiEventType::MouseLeave}));
  EXPECT_EQ(b->events, (std::vector<UiEventType>{UiEventType::MouseEnter, UiEventType::MouseMove}));
  // "mouseleave" is sent by the leave event; "mouseenter" waits for a hover.
  EXPECT_EQ(log_.Count(L"mouseleave:a"), 1);
  EXPECT_EQ(log_.Count(L"mouseenter:b"), 0);
  Send(WM_MOUSEHOVER, 0, At(60, 10));
  EXPECT_EQ(log_.Count(L"mouseenter:b"), 1);
  // Leaving the window ends the hover.
  Send(WM_MOUSELEAVE);
  EXPECT_EQ(b->Count(UiEventType::MouseLeave), 1);
  EXPECT_EQ(log_.Count(L"mouseleave:b"), 1);
}

TEST_F(PaintManagerTest, TabMovesThroughTheTabStopsInDocumentOrderAndWraps) {
  RecordingControl* a = Add(L"a", 0, 0, 10, 10, TabStop);
  Add(L"plain", 10, 0, 20, 10);
  auto* group = Add(root_, new TestContainer(L"group"), 0, 20, 100, 40);
  RecordingControl* b = Add(group, new RecordingControl(L"b", TabStop), 0, 0, 10, 10);
  Add(group, new RecordingControl(L"hidden", TabStop), 10, 0, 20, 10)->SetVisible(false);
  Add(group, new RecordingControl(L"disabled", TabStop), 20, 0, 30, 10)->SetEnabled(false);
  RecordingControl* c = Add(L"c", 0, 50, 10, 60, TabStop);
  Show();
  // A new tree starts focused on its first Tab stop.
  EXPECT_EQ(manager().GetFocusedControl(), a);
  EXPECT_EQ(log_.entries, (Log{L"windowinit:root", L"setfocus:a"}));

  std::vector<CControlUI*> forward;
  for (int i = 0; i < 3; ++i) {
    PressKey(VK_TAB);
    forward.push_back(manager().GetFocusedControl());
  }
  EXPECT_EQ(forward, (std::vector<CControlUI*>{b, c, a}));
  std::vector<CControlUI*> backward;
  for (int i = 0; i < 3; ++i) {
    PressKey(VK_TAB, true);
    backward.push_back(manager().GetFocusedControl());
  }
  EXPECT_EQ(backward, (std::vector<CControlUI*>{c, b, a}));
  EXPECT_EQ(log_.entries[2], L"killfocus:a");
  EXPECT_EQ(log_.entries[3], L"setfocus:b");
  EXPECT_TRUE(a->IsFocused());
  EXPECT_FALSE(b->IsFocused());
  // Without a focus, Tab starts at the first stop.
  manager().SetFocusedControl(nullptr);
  PressKey(VK_TAB);
  EXPECT_EQ(manager().GetFocusedControl(), a);
}

TEST_F(PaintManagerTest, AFocusMoveWhileALayoutIsDueWaitsForThePaint) {
  RecordingControl* a = Add(L"a", 0, 0, 10, 10, TabStop);
  RecordingControl* b = Add(L"b", 20, 0, 30, 10, TabStop);
  window_.SetRoot(root_);  // layout due, and the focus due to the first stop
  manager().MoveFocus(true);
  EXPECT_EQ(manager().GetFocusedControl(), nullptr);
  window_.PaintNow();
  EXPECT_EQ(manager().GetFocusedControl(), a);
  // Refocusing lets the next paint move the focus forward onto the control.
  b->SetFocus();
  manager().RefocusAfterLayout(b);
  EXPECT_EQ(manager().GetFocusedControl(), a);  // the stop before it, without events
  EXPECT_EQ(log_.entries.back(), L"killfocus:b");
  window_.PaintNow();
  EXPECT_EQ(manager().GetFocusedControl(), b);
  EXPECT_EQ(log_.entries.back(), L"setfocus:b");
}

// Counts the messages it sees and consumes those it is told to.
class CountingTranslator : public ITranslateAccelerator {
 public:
  LRESULT TranslateAccelerator(MSG* message) override {
    if (message->message != WM_KEYDOWN) return 1;
    ++keys;
    return consume ? 0 : 1;
  }
  int keys = 0;
  bool consume = false;
};

TEST_F(PaintManagerTest, ANativeChildWindowsTabMovesTheFocusAndStillReachesTheChild) {
  RecordingControl* a = Add(L"a", 0, 0, 10, 10, TabStop);
  RecordingControl* b = Add(L"b", 20, 0, 30, 10, TabStop);
  Show();
  ASSERT_EQ(manager().GetFocusedControl(), a);
  static int childKeys = 0;
  childKeys = 0;
  const HWND hwnd =
      CreateChild(L"VeneerKeyChild", [](HWND child, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message == WM_KEYDOWN) ++childKeys;
        return DefWindowProcW(child, message, w, l);
      });
  ASSERT_NE(hwnd, nullptr);
  CountingTranslator translator;
  manager().AddAcceleratorTranslator(&translator);
  PostMessageW(hwnd, WM_KEYDOWN, VK_TAB, 1);
  test::PumpMessages(20);
  EXPECT_EQ(manager().GetFocusedControl(), b);  // moved once, not once per ancestor
  EXPECT_EQ(childKeys, 1);                      // and not consumed
  EXPECT_EQ(translator.keys, 1);
  translator.consume = true;
  PostMessageW(hwnd, WM_KEYDOWN, 'X', 1);
  test::PumpMessages(20);
  EXPECT_EQ(childKeys, 1);  // a translator answering 0 consumes it
  manager().RemoveAcceleratorTranslator(&translator);
  DestroyWindow(hwnd);
}

TEST_F(PaintManagerTest, KeysGoToTheFocusAndTheKeyUpToWhereTheKeyWentDown) {
  RecordingControl* a = Add(L"a", 0, 0, 10, 10, TabStop);
  RecordingControl* b = Add(L"b", 20, 0, 30, 10, TabStop);
  Show();
  manager().SetFocusedControl(nullptr);
  Send(WM_KEYDOWN, 'X');  // no focus: nobody
  a->SetFocus();
  Send(WM_KEYDOWN, 'X');
  Send(WM_CHAR, 'x');
  b->SetFocus();
  Send(WM_KEYUP, 'X');
  EXPECT_EQ(a->Count(UiEventType::KeyDown), 1);
  EXPECT_EQ(a->Count(UiEventType::Char), 1);
  EXPECT_EQ(a->Count(UiEventType::KeyUp), 1);
  EXPECT_EQ(b->Count(UiEventType::KeyUp), 0);
}

class ShortcutControl : public RecordingControl {
 public:
  ShortcutControl(const std::wstring& name, const wchar_t* className)
      : RecordingControl(name), className_(className) {}
  const wchar_t* UiClassName() const override { return className_; }
  bool Activate() override {
    ++activations;
    return true;
  }
  int activations = 0;

 private:
  const wchar_t* className_;
};

TEST_F(PaintManagerTest, AltShortcutsActivateAndSkipLabels) {
  // Children are visited last to first: the label marks, the edit before it
  // in the document is picked.
  auto* edit = Add(root_, new ShortcutControl(L"edit", L"EditUI"), 0, 0, 10, 10);
  auto* label = Add(root_, new ShortcutControl(L"label", L"LabelUI"), 20, 0, 30, 10);
  auto* button = Add(root_, new ShortcutControl(L"button", L"ButtonUI"), 40, 0, 50, 10);
  label->SetShortcut(L'n');
  button->SetShortcut(L'B');
  Show();
  PostMessageW(window_.hwnd(), WM_SYSCHAR, L'N', 0);
  test::PumpMessages(20);
  EXPECT_EQ(edit->activations, 1);
  EXPECT_EQ(manager().GetFocusedControl(), edit);
  EXPECT_EQ(label->activations, 0);
  PostMessageW(window_.hwnd(), WM_SYSCHAR, L'b', 0);
  test::PumpMessages(20);
  EXPECT_EQ(button->activations, 1);
}

TEST_F(PaintManagerTest, ATimerStartedTwiceKeepsItsFirstPeriod) {
  RecordingControl* control = Add(L"ticking", 0, 0, 10, 10);
  Show();
  EXPECT_TRUE(manager().StartTimer(control, 7, 30));
  EXPECT_FALSE(manager().StartTimer(control, 7, 5000));
  ASSERT_TRUE(test::PumpUntil(2000, [&] { return control->Count(UiEventType::Timer) >= 3; }));
  EXPECT_EQ(control->wParams.back(), 7u);  // the control's own id
  EXPECT_EQ(log_.notifications.back().type, L"timer");
  EXPECT_EQ(log_.notifications.back().wParam, 7u);

  EXPECT_TRUE(manager().StopTimer(control, 7));
  EXPECT_FALSE(manager().StopTimer(control, 7));
  EXPECT_TRUE(manager().StartTimer(control, 7, 5000));  // stopped: runs with the new period
  const int ticks = control->Count(UiEventType::Timer);
  test::PumpMessages(200);
  EXPECT_EQ(control->Count(UiEventType::Timer), ticks);
}

TEST_F(PaintManagerTest, ADeletedControlsTimersStop) {
  RecordingControl* doomed = Add(L"doomed", 0, 0, 10, 10);
  RecordingControl* survivor = Add(L"survivor", 20, 0, 30, 10);
  Show();
  ASSERT_TRUE(manager().StartTimer(doomed, 1, 10));
  ASSERT_TRUE(manager().StartTimer(survivor, 1, 10));
  root_->RemoveChild(doomed);
  const int before = survivor->Count(UiEventType::Timer);
  test::PumpMessages(150);  // would reach freed memory if the record stayed
  EXPECT_GT(survivor->Count(UiEventType::Timer), before);
  EXPECT_FALSE(manager().StopTimer(doomed, 1));
}

TEST_F(PaintManagerTest, ControlTimersNeverGetTheShakeTimersId) {
  RecordingControl* control = Add(L"ticking", 0, 0, 10, 10);
  Show();
  // More timers than there are Win32 ids for them: every free id is taken.
  for (UINT id = 1; id <= 240; ++id) manager().StartTimer(control, id, 100000);
  Send(WM_TIMER, kShakeTimerId);
  EXPECT_EQ(control->Count(UiEventType::Timer), 0);
}

TEST_F(PaintManagerTest, AControlListenerReturningFalseStopsOnlyTheControlsListeners) {
  RecordingControl* control = Add(L"talker", 0, 0, 10, 10);
  Show();
  Log heard;
  control->NotifyListenersOf().push_back([&](UiNotification& n) {
    heard.push_back(L"first:" + n.type);
    return false;
  });
  control->NotifyListenersOf().push_back([&](UiNotification& n) {
    heard.push_back(L"second:" + n.type);
    return true;
  });
  log_.entries.clear();
  manager().SendNotification(control, Notify::kClick, 3, 4);
  EXPECT_EQ(heard, (Log{L"first:click"}));
  EXPECT_EQ(log_.entries, (Log{L"click:talker"}));
  EXPECT_EQ(log_.notifications.back().wParam, 3u);
  EXPECT_EQ(log_.notifications.back().lParam, 4);
}

// A window listener that answers one notification with another, and the
// listener after it sees both in the order they were sent.
class ChainingListener : public INotifyUI {
 public:
  explicit ChainingListener(PaintManager& manager) : manager_(manager) {}
  void OnNotification(UiNotification& n) override {
    if (n.type == L"click") manager_.SendNotification(n.sender, Notify::kSelectChanged);
  }

 private:
  PaintManager& manager_;
};

TEST_F(PaintManagerTest, NotificationsAreReentrant) {
  RecordingControl* control = Add(L"option", 0, 0, 10, 10);
  Show();
  ChainingListener chain(manager());
  manager().RemoveListener(&log_);
  manager().AddListener(&chain);
  manager().AddListener(&log_);
  log_.entries.clear();
  manager().SendNotification(control, Notify::kClick);
  EXPECT_EQ(log_.entries, (Log{L"selectchanged:option", L"click:option"}));
  manager().RemoveListener(&chain);
}

// A window listener that removes a listener (itself, by default) when it
// hears a notification.
class RemovingListener : public NotificationLog {
 public:
  RemovingListener(PaintManager& manager, INotifyUI* removed = nullptr)
      : manager_(manager), removed_(removed ? removed : this) {}
  void OnNotification(UiNotification& n) override {
    NotificationLog::OnNotification(n);
    manager_.RemoveListener(removed_);
  }

 private:
  PaintManager& manager_;
  INotifyUI* removed_;
};

TEST_F(PaintManagerTest, ListenersRemovedDuringANotificationLeaveTheOthersToHearIt) {
  RecordingControl* control = Add(L"talker", 0, 0, 10, 10);
  Show();
  manager().RemoveListener(&log_);
  log_.entries.clear();
  NotificationLog last, removed;
  RemovingListener leaving(manager());
  RemovingListener remover(manager(), &removed);
  for (INotifyUI* listener : std::vector<INotifyUI*>{&leaving, &log_, &remover, &removed, &last}) {
    manager().AddListener(listener);
  }
  manager().SendNotification(control, Notify::kClick);
  EXPECT_EQ(leaving.entries, (Log{L"click:talker"}));
  EXPECT_EQ(log_.entries, (Log{L"click:talker"}));
  EXPECT_TRUE(removed.entries.empty());  // removed before its turn: it may be gone
  EXPECT_EQ(last.entries, (Log{L"click:talker"}));
  manager().SendNotification(control, Notify::kSelectChanged);
  EXPECT_EQ(leaving.entries.size(), 1u);
  EXPECT_EQ(log_.entries.back(), L"selectchanged:talker");
  EXPECT_EQ(last.entries.back(), L"selectchanged:talker");
  for (INotifyUI* listener : std::vector<INotifyUI*>{&log_, &remover, &last}) {
    manager().RemoveListener(listener);
  }
}

TEST_F(PaintManagerTest, QueuedControlsAreDeletedAtTheCleanupMessage) {
  RecordingControl* focused = Add(L"focused", 0, 0, 10, 10, TabStop);
  Show();
  focused->SetFocus();
  bool deleted = false;
  auto* queued = new RecordingControl(L"queued");
  queued->DestroyListeners().push_back([&](CControlUI&) { return deleted = true; });
  manager().QueueForDeletion(queued);
  EXPECT_FALSE(deleted);
  test::PumpMessages(20);
  EXPECT_TRUE(deleted);
  // A new root queues the old tree: the focus on it is gone at once, its
  // names when it is deleted.
  window_.SetRoot(new TestContainer(L"new root"));
  EXPECT_EQ(manager().GetFocusedControl(), nullptr);
  test::PumpMessages(20);
  EXPECT_EQ(manager().FindControlByName(L"focused"), nullptr);
  EXPECT_EQ(manager().FindControlByName(L"new root"), manager().GetRoot());
}

// The tooltip window the manager of `owner` made, or nullptr.
HWND TooltipOf(HWND owner) {
  for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
       w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
    if (GetWindow(w, GW_OWNER) == owner) return w;
  }
  return nullptr;
}

TEST_F(PaintManagerTest, TheTooltipGoesWithItsHoveredControl) {
  RecordingControl* tipped = Add(L"tipped", 0, 0, 50, 50);
  tipped->SetTooltip(L"a tip");
  Show();
  Send(WM_MOUSEMOVE, 0, At(10, 10));
  Send(WM_MOUSEHOVER, 0, At(10, 10));
  const HWND tooltip = TooltipOf(window_.hwnd());
  ASSERT_NE(tooltip, nullptr);
  ASSERT_TRUE(IsWindowVisible(tooltip));
  root_->RemoveChild(tipped);
  EXPECT_FALSE(IsWindowVisible(tooltip));
}

TEST_F(PaintManagerTest, AManagerWithoutAWindowLeavesTheOtherWindowsAlone) {
  Show();
  SetFocus(window_.hwnd());
  ASSERT_EQ(GetFocus(), window_.hwnd());
  window_.PaintNow();
  PaintManager windowless;
  auto* tree = new TestContainer(L"tree");
  auto* stop = tree->Add(new RecordingControl(L"stop", TabStop));
  windowless.SetRoot(tree);  // a layout is due: a forward move waits for a paint
  windowless.MoveFocus(true);
  windowless.SetFocusedControl(stop);
  windowless.RefocusAfterLayout(stop);
  EXPECT_EQ(GetFocus(), window_.hwnd());
  RECT update;
  EXPECT_FALSE(GetUpdateRect(window_.hwnd(), &update, FALSE));  // nothing invalidated
}

TEST_F(PaintManagerTest, FontsFallBackToTheLastStandardFont) {
  Show();
  const HFONT registered = manager().RegisterFont({L"Tahoma", 20, true});
  ASSERT_NE(registered, nullptr);
  ASSERT_TRUE(manager().SetStandardFont({L"Arial", 15}));
  ASSERT_TRUE(manager().SetStandardFont({L"Tahoma", 12}));
  EXPECT_EQ(manager().DefaultFont().face, L"Tahoma");
  EXPECT_EQ(manager().DefaultFont().size, 12);
  EXPECT_GT(manager().DefaultFont().metrics.tmHeight, 0);  // measured
  EXPECT_EQ(manager().GetFont(0), registered);
  for (int index : {-1, 1, 99}) {
    EXPECT_EQ(manager().GetFont(index), manager().DefaultFont().font.get()) << index;
  }
  EXPECT_EQ(manager().FindFont({L"Tahoma", 20, true}), registered);
  EXPECT_EQ(manager().FindFont({L"Tahoma", 20}), nullptr);
  EXPECT_EQ(manager().FontRecordOf(registered).size, 20);
  EXPECT_EQ(&manager().FontRecordOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))),
            &manager().DefaultFont());
  // A manager sharing these resources uses the same default font.
  PaintManager shared;
  shared.SetResourceParent(&manager());
  EXPECT_EQ(shared.GetFont(-1), manager().DefaultFont().font.get());
  EXPECT_EQ(shared.FindFont({L"Tahoma", 20, true}), registered);
}

TEST_F(PaintManagerTest, DefaultListsAndOptionGroupsAreSharedAndCleanedUp) {
  RecordingControl* first = Add(L"first", 0, 0, 10, 10);
  RecordingControl* second = Add(L"second", 20, 0, 30, 10);
  Show();
  manager().SetDefaultAttributes(L"Button", L"height=\"30\"");
  PaintManager shared;
  shared.SetResourceParent(&manager());
  ASSERT_NE(shared.GetDefaultAttributes(L"Button"), nullptr);
  EXPECT_EQ(*shared.GetDefaultAttributes(L"Button"), L"height=\"30\"");
  EXPECT_EQ(shared.GetDefaultAttributes(L"Edit"), nullptr);

  EXPECT_TRUE(manager().AddToOptionGroup(L"pages", first));
  EXPECT_FALSE(manager().AddToOptionGroup(L"pages", first));
  EXPECT_TRUE(manager().AddToOptionGroup(L"pages", second));
  root_->RemoveChild(first);  // a deleted option leaves its group
  ASSERT_NE(manager().OptionGroupOf(L"pages"), nullptr);
  EXPECT_EQ(*manager().OptionGroupOf(L"pages"), (std::vector<CControlUI*>{second}));
  manager().RemoveFromOptionGroup(L"pages", second);
  EXPECT_EQ(manager().OptionGroupOf(L"pages"), nullptr);
}

TEST_F(PaintManagerTest, AnswersSizeLimitsAndReflectsChildWindowMessages) {
  Show();
  manager().SetMinSize({300, 0});
  manager().SetMaxSize({0, 500});
  MINMAXINFO info = {};
  info.ptMinTrackSize = {1, 2};
  info.ptMaxTrackSize = {3, 4};
  Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 300);
  EXPECT_EQ(info.ptMinTrackSize.y, 2);
  EXPECT_EQ(info.ptMaxTrackSize.x, 3);
  EXPECT_EQ(info.ptMaxTrackSize.y, 500);
  EXPECT_EQ(Send(WM_ERASEBKGND), 1);

  // A child that answers reflected messages with their number.
  const HWND hwnd = CreateChild(
      L"VeneerReflectChild", [](HWND child, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        return message >= kReflectedMessageBase ? message : DefWindowProcW(child, message, w, l);
      });
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(Send(WM_COMMAND, 0, reinterpret_cast<LPARAM>(hwnd)), 0x2111);
  EXPECT_EQ(Send(WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(hwnd)), 0x2133);
  NMHDR header = {hwnd, 1, 0};
  EXPECT_EQ(Send(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 0x204E);
  DestroyWindow(hwnd);
}

// With every GDI object of the process in use, a new manager can't create
// its default font; it still has a default font record to fall back to.
TEST(PaintManagerOutOfGdiObjects, StillHasADefaultFontRecord) {
  LOGFONTW logical = {};
  logical.lfHeight = -12;
  std::vector<ScopedFont> fonts;
  while (fonts.size() < 200000) {
    const HFONT font = CreateFontIndirectW(&logical);
    if (!font) break;
    fonts.emplace_back(font);
  }
  ASSERT_LT(fonts.size(), 200000u) << "no limit of GDI objects reached";
  {
    PaintManager manager;
    EXPECT_EQ(manager.DefaultFont().font.get(), nullptr);
    EXPECT_EQ(manager.GetFont(-1), nullptr);
  }
  fonts.clear();
  PaintManager manager;
  EXPECT_NE(manager.DefaultFont().font.get(), nullptr);
}

}  // namespace
}  // namespace Veneer
