// The controls under the real pointer and keyboard of the test display:
// clicks on a check box and on the options of a group, and typing into an
// edit through its native editor.
#include <gtest/gtest.h>

#include "tests/ui/support/ui_test_window.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/edit_wnd.h"
#include "ui/controls/vertical_layout.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::PumpMessages;
using test::PumpUntil;

// Presses and releases a key through the system's input queue.
void Type(WORD key) {
  INPUT input[2] = {};
  for (INPUT& i : input) {
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

class InputTest : public ::testing::Test {
 protected:
  InputTest() : root_(new CVerticalLayoutUI) {
    window_.manager().AddListener(&log_);
    root_->ApplyAttribute(L"inset", L"10,10,10,10");
  }
  ~InputTest() override { window_.manager().RemoveListener(&log_); }
  template <typename T>
  T* Add(T* control, const wchar_t* attributes) {
    control->ApplyAttributeText(attributes);
    return root_->Add(control);
  }
  void Show() {
    window_.SetRoot(root_);
    window_.PaintNow();
    window_.MoveMouseTo(-60, -60);
    PumpMessages(30);
    log_.entries.clear();
  }
  // A real click at the centre of `control`.
  void Click(CControlUI* control) {
    const RECT& r = control->GetRect();
    window_.MoveMouseTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PumpMessages(20);
    test::SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    PumpMessages(20);
    test::SendMouseButton(MOUSEEVENTF_LEFTUP);
  }
  bool Logged(const wchar_t* entry, int times = 1) {
    return PumpUntil(1000, [&] { return log_.Count(entry) >= times; });
  }

  test::TestWindow window_{200, 160};
  NotificationLog log_;
  CVerticalLayoutUI* root_;
};

TEST_F(InputTest, AClickOnACheckBoxSendsClickWhileSelectedThenSelectChanged) {
  auto* check = Add(new CCheckBoxUI, L"name=\"check\" height=\"30\" selected=\"true\"");
  Show();
  std::vector<std::pair<std::wstring, bool>> seen;
  check->NotifyListenersOf().push_back([&](UiNotification& n) {
    seen.emplace_back(n.type, check->IsSelected());
    return true;
  });
  Click(check);
  ASSERT_TRUE(Logged(L"selectchanged:check"));
  const std::vector<std::pair<std::wstring, bool>> expected = {{L"click", true},
                                                               {L"selectchanged", false}};
  std::vector<std::pair<std::wstring, bool>> clicks;
  for (const auto& s : seen) {
    if (s.first == L"click" || s.first == L"selectchanged") clicks.push_back(s);
  }
  EXPECT_EQ(clicks, expected);
}

TEST_F(InputTest, ClickingAnOptionOfAGroupDeselectsTheOtherSilently) {
  auto* first = Add(new COptionUI, L"name=\"first\" group=\"g\" height=\"30\" selected=\"true\"");
  auto* second = Add(new COptionUI, L"name=\"second\" group=\"g\" height=\"30\"");
  Show();
  ASSERT_TRUE(first->IsSelected());
  Click(second);
  ASSERT_TRUE(Logged(L"selectchanged:second"));
  EXPECT_TRUE(second->IsSelected());
  EXPECT_FALSE(first->IsSelected());
  EXPECT_EQ(log_.Count(L"selectchanged:first"), 0);
  Click(first);
  ASSERT_TRUE(Logged(L"selectchanged:first"));
  EXPECT_FALSE(second->IsSelected());
  EXPECT_EQ(log_.Count(L"selectchanged:second"), 1);
}

TEST_F(InputTest, TypingIntoTheEditorChangesTheTextPerCharacterAndReturnInsertsNothing) {
  auto* edit = Add(new CEditUI, L"name=\"edit\" height=\"30\" text=\"old\"");
  auto* other = Add(new CCheckBoxUI, L"name=\"other\" height=\"30\"");
  Show();
  // Keys go to the foreground window, which a click doesn't make this one
  // on a display without a window manager.
  SetForegroundWindow(window_.hwnd());
  // The first paint focuses the first Tab stop: the editor opens at once.
  ASSERT_NE(edit->GetEditor(), nullptr);
  Click(other);
  ASSERT_TRUE(PumpUntil(1000, [&] { return edit->GetEditor() == nullptr; }));
  Click(edit);
  ASSERT_TRUE(PumpUntil(1000, [&] { return edit->GetEditor() != nullptr; }));
  const HWND editor = edit->GetEditor()->GetHWND();
  ASSERT_TRUE(PumpUntil(1000, [&] { return GetFocus() == editor; }));
  // The click selected the whole text: typing replaces it.
  for (WORD key : {WORD('A'), WORD('B'), WORD('C')}) Type(key);
  ASSERT_TRUE(Logged(L"textchanged:edit", 3))
      << testing::PrintToString(log_.entries) << " " << testing::PrintToString(edit->GetText());
  EXPECT_EQ(edit->GetText(), L"abc");
  Type(VK_RETURN);
  ASSERT_TRUE(Logged(L"return:edit"));
  PumpMessages(50);
  EXPECT_EQ(log_.Count(L"textchanged:edit"), 3);
  EXPECT_EQ(edit->GetText(), L"abc");
  // The editor lies over the text area, one line of the font high.
  RECT placed;
  GetWindowRect(editor, &placed);
  MapWindowPoints(nullptr, window_.hwnd(), reinterpret_cast<POINT*>(&placed), 2);
  const RECT expected = edit->EditorRect(false);
  EXPECT_TRUE(EqualRect(&placed, &expected));
  // Losing the focus closes the editor; the text stays.
  Click(other);
  ASSERT_TRUE(PumpUntil(1000, [&] { return edit->GetEditor() == nullptr; }));
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(edit->GetText(), L"abc");
}

}  // namespace
}  // namespace Veneer
