// The skins' controls as a screen reader sees them, through oleacc on a
// real window: their roles, names, states and values, what their default
// actions do, and the events that follow them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/gif_writer.h"
#include "tests/ui/support/reader_test.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/horizontal_layout.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"

namespace Veneer {
namespace {

using test::ComPtr;
using Lines = std::vector<std::wstring>;

// An installer's page: a tab layout whose first page holds one control of
// every kind, and whose second page a line of text.
class ControlAccessibilityTest : public test::ReaderTest {
 protected:
  ControlAccessibilityTest() : ReaderTest(300, 300) {}
  void SetUp() override {
    const std::wstring gif = folder_ / L"busy.gif";
    ASSERT_TRUE(test::WriteGif(gif, 4, 4, {{0xFF0000, 10}, {0x0000FF, 10}}));
    auto* root = new CVerticalLayoutUI;
    tabs_ = root->Add(test::MakeControl<CTabLayoutUI>(L"name=\"tabs\""));
    auto* page = tabs_->Add(test::MakeControl<CVerticalLayoutUI>(L"name=\"page0\""));
    page->Add(test::MakeControl<CLabelUI>(L"text=\"Install Lumo\" height=\"16\""));
    page->Add(test::MakeControl<CLabelUI>(L"bkimage=\"logo.png\" height=\"16\""));
    page->Add(test::MakeControl<CButtonUI>(L"name=\"install\" text=\"Install\" height=\"20\""));
    agree_ = page->Add(
        test::MakeControl<CCheckBoxUI>(L"name=\"agree\" text=\"I agree\" selected=\"true\""));
    page->Add(test::MakeControl<COptionUI>(
        L"text=\"Fast\" group=\"speed\" selected=\"true\" height=\"16\""));
    page->Add(test::MakeControl<COptionUI>(L"text=\"Slow\" group=\"speed\" height=\"16\""));
    auto* row = page->Add(test::MakeControl<CHorizontalLayoutUI>(L"height=\"20\""));
    row->Add(test::MakeControl<CLabelUI>(L"text=\"Folder:\" width=\"50\""));
    row->Add(test::MakeControl<CControlUI>(L"width=\"6\""));
    edit_ = row->Add(test::MakeControl<CEditUI>(L"name=\"path\" text=\"C:\\Lumo\""));
    progress_ = page->Add(test::MakeControl<CProgressUI>(L"name=\"progress\" value=\"37\""));
    page->Add(
        test::MakeControl<CGifAnimUI>(L"bkimage=\"" + gif + L"\" width=\"10\" height=\"10\""));
    tabs_->Add(test::MakeControl<CVerticalLayoutUI>(L"name=\"page1\""))
        ->Add(test::MakeControl<CLabelUI>(L"text=\"Done\" height=\"16\""));
    Show(root);
  }

  lumo::test::TempFolder folder_;
  CTabLayoutUI* tabs_;
  CCheckBoxUI* agree_;
  CEditUI* edit_;
  CProgressUI* progress_;
};

TEST_F(ControlAccessibilityTest, EveryKindHasItsRoleNameStatesAndValue) {
  EXPECT_EQ(test::WalkTree(client_.Get()), (Lines{
                                               L"client 'Veneer test' focusable",
                                               L"  tab list ''",
                                               L"    page ''",
                                               L"      text 'Install Lumo' readonly",
                                               L"      graphic ''",
                                               L"      button 'Install' focused focusable",
                                               L"      check box 'I agree' focusable checked",
                                               L"      radio button 'Fast' focusable checked",
                                               L"      radio button 'Slow' focusable",
                                               L"      grouping ''",
                                               L"        text 'Folder:' readonly",
                                               L"        edit 'Folder:' focusable = C:\\Lumo",
                                               L"      progress bar '' readonly = 37%",
                                               L"      animation '' busy",
                                           }));
}

TEST_F(ControlAccessibilityTest, TheCheckBoxDefaultActionTogglesItAsAClickDoes) {
  test::WinEventLog events;
  ComPtr<IAccessible> agree = test::FindByName(client_.Get(), L"I agree");
  ASSERT_TRUE(agree);
  ASSERT_EQ(agree->accDoDefaultAction(test::Self()), S_OK);
  ASSERT_TRUE(test::PumpUntil(2000, [&] { return log_.Count(L"selectchanged:agree") == 1; }));
  EXPECT_EQ(log_.entries, (Lines{L"killfocus:install", L"setfocus:agree", L"click:agree",
                                 L"selectchanged:agree"}));
  EXPECT_FALSE(agree_->IsSelected());
  EXPECT_EQ(test::Describe(agree.Get()), L"check box 'I agree' focused focusable");
  BSTR action = nullptr;
  agree->get_accDefaultAction(test::Self(), &action);
  EXPECT_STREQ(action, L"Check");
  SysFreeString(action);
  test::PumpMessages(20);
  EXPECT_EQ(events.Lines(), (Lines{L"focus 'I agree'", L"state 'I agree'"}));
}

TEST_F(ControlAccessibilityTest, ProgressAndTextChangesAreValueChanges) {
  test::WinEventLog events;
  progress_->SetValue(50);
  progress_->SetValue(50);  // unchanged: no event
  edit_->SetText(L"D:\\Games");
  test::PumpMessages(20);
  EXPECT_EQ(events.Lines(), (Lines{L"value ''", L"value 'Folder:'"}));
  ASSERT_EQ(events.events.size(), 2u);
  EXPECT_EQ(test::ValueOf(client_.Get(), events.events[0].child), L"50%");
  EXPECT_EQ(test::ValueOf(client_.Get(), events.events[1].child), L"D:\\Games");
}

TEST_F(ControlAccessibilityTest, ASwitchOfPagesIsAReorderOfTheTabLayout) {
  test::WinEventLog events;
  tabs_->SelectPage(1);
  window_.PaintNow();
  test::PumpMessages(20);
  EXPECT_EQ(events.Lines(), (Lines{L"focus ''", L"reorder ''"}));
  ASSERT_EQ(events.events.size(), 2u);
  EXPECT_EQ(test::RoleOf(client_.Get(), events.events[1].child), ROLE_SYSTEM_PAGETABLIST);
  EXPECT_EQ(test::WalkTree(client_.Get()),
            (Lines{L"client 'Veneer test' focusable", L"  tab list ''", L"    page '' focused",
                   L"      text 'Done' readonly"}));
}

TEST_F(ControlAccessibilityTest, TheEditorWindowAnswersAsTheEditControl) {
  edit_->SetFocus();
  const HWND editor = GetFocus();
  ASSERT_NE(editor, window_.hwnd());
  ASSERT_TRUE(IsChild(window_.hwnd(), editor));
  ComPtr<IAccessible> object = test::ClientObject(editor);
  ASSERT_TRUE(object);
  EXPECT_EQ(test::Describe(object.Get()), L"edit 'Folder:' focused focusable = C:\\Lumo");
}

}  // namespace
}  // namespace Veneer
