// Containers and layouts on a real window: placement through the layouts,
// floating children, visibility and focus, hit-testing, children's
// ownership, page selection of the tab layout, and scrolling.
#include "ui/controls/container.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

#include "tests/ui/support/ui_test_window.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/horizontal_layout.h"
#include "ui/controls/label.h"
#include "ui/controls/progress.h"
#include "ui/controls/scroll_bar.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"

namespace Veneer {
namespace {

using test::NotificationLog;
using test::TestWindow;

bool Equal(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != 0;
}

::testing::AssertionResult At(const CControlUI* c, RECT expected) {
  const RECT& r = c->GetRect();
  if (Equal(r, expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << c->UiClassName() << " \"" << testing::PrintToString(c->GetName()) << "\" at (" << r.left
         << "," << r.top << "," << r.right << "," << r.bottom << "), expected (" << expected.left
         << "," << expected.top << "," << expected.right << "," << expected.bottom << ")";
}

template <typename T>
T* Make(const wchar_t* attributes) {
  auto* control = new T;
  control->ApplyAttributeText(attributes);
  return control;
}

TEST(ControlNames, EachClassAnswersItsOwnNamesThenItsBasesAndNothingElse) {
  CContainerUI container;
  CVerticalLayoutUI vertical;
  CHorizontalLayoutUI horizontal;
  CTabLayoutUI tab;
  CLabelUI label;
  CButtonUI button;
  COptionUI option;
  CCheckBoxUI check;
  CEditUI edit;
  CProgressUI progress;
  CGifAnimUI gif;
  CScrollBarUI bar;
  struct Row {
    CControlUI* control;
    const wchar_t* className;
    std::vector<const wchar_t*> names;
  };
  const Row rows[] = {
      {&container, L"ContainerUI", {L"Container", L"Control"}},
      {&vertical, L"VerticalLayoutUI", {L"VerticalLayout", L"Container", L"Control"}},
      {&horizontal, L"HorizontalLayoutUI", {L"HorizontalLayout", L"Container", L"Control"}},
      {&tab, L"TabLayoutUI", {L"TabLayout", L"Container", L"Control"}},
      {&label, L"LabelUI", {L"Label", L"Control"}},
      {&button, L"ButtonUI", {L"Button", L"Label", L"Control"}},
      {&option, L"OptionUI", {L"Option", L"Button", L"Label", L"Control"}},
      {&check, L"CheckBoxUI", {L"Option", L"Button", L"Label", L"Control"}},
      {&edit, L"EditUI", {L"Edit", L"Label", L"Control"}},
      {&progress, L"ProgressUI", {L"Progress", L"Label", L"Control"}},
      {&gif, L"GifAnimUI", {L"GifAnim", L"Control"}},
      {&bar, L"ScrollBarUI", {L"ScrollBar", L"Control"}},
  };
  const wchar_t* all[] = {L"Container", L"VerticalLayout", L"HorizontalLayout", L"TabLayout",
                          L"Label",     L"Button",         L"Option",           L"Edit",
                          L"Progress",  L"GifAnim",        L"ScrollBar",        L"CheckBox"};
  for (const Row& row : rows) {
    EXPECT_STREQ(row.control->UiClassName(), row.className);
    for (const wchar_t* name : all) {
      const bool answers = std::find_if(row.names.begin(), row.names.end(), [&](auto n) {
                             return std::wcscmp(n, name) == 0;
                           }) != row.names.end();
      EXPECT_EQ(row.control->AsInterface(name) != nullptr, answers)
          << testing::PrintToString(std::wstring(row.className)) << " asked for "
          << testing::PrintToString(std::wstring(name));
    }
    EXPECT_EQ(row.control->AsInterface(L"control"), nullptr);
  }
  EXPECT_EQ(container.AsInterface(L"IContainer"), static_cast<IContainerUI*>(&container));
  EXPECT_EQ(tab.AsInterface(L"IContainer"), static_cast<IContainerUI*>(&tab));
  EXPECT_EQ(label.AsInterface(L"IContainer"), nullptr);
}

class ContainerTest : public ::testing::Test {
 protected:
  ContainerTest() { window_.manager().AddListener(&log_); }
  ~ContainerTest() override { window_.manager().RemoveListener(&log_); }
  // Makes `root` the window's root and lays it out.
  template <typename T>
  T* Root(T* root) {
    window_.SetRoot(root);
    window_.PaintNow();
    return root;
  }
  int FontHeight() { return window_.manager().DefaultFont().metrics.tmHeight; }

  TestWindow window_{200, 300};
  NotificationLog log_;
};

TEST_F(ContainerTest, AVerticalLayoutPlacesItsChildrenByTheirMeasures) {
  auto* root = new CVerticalLayoutUI;
  root->ApplyAttributeText(L"inset=\"10,5,10,5\" childpadding=\"4\"");
  auto* label = root->Add(new CLabelUI);  // no height: the font's plus 4
  auto* button = root->Add(Make<CButtonUI>(L"width=\"60\""));
  auto* edit = root->Add(new CEditUI);
  auto* rest = root->Add(Make<CHorizontalLayoutUI>(L"padding=\"2,0,2,0\""));
  auto* fixed = rest->Add(Make<CLabelUI>(L"width=\"50\" height=\"20\""));
  auto* wide = rest->Add(new CButtonUI);
  Root(root);
  const int h = FontHeight();
  int y = 5;
  EXPECT_TRUE(At(label, {10, y, 190, y + h + 4}));
  y += h + 4 + 4;
  EXPECT_TRUE(At(button, {10, y, 70, y + h + 8}));  // left-aligned in the column
  y += h + 8 + 4;
  EXPECT_TRUE(At(edit, {10, y, 190, y + h + 6}));
  y += h + 6 + 4;
  EXPECT_TRUE(At(rest, {12, y, 188, 295}));     // the stretchable rest
  EXPECT_TRUE(At(fixed, {12, y, 62, y + 20}));  // top-aligned in the row
  EXPECT_TRUE(At(wide, {62, y, 188, 295}));     // no height: the row's
}

TEST_F(ContainerTest, AFloatingChildKeepsToTheEdgeItsPositionNames) {
  auto* root = new CContainerUI;
  auto* anchored = root->Add(Make<CLabelUI>(L"float=\"true\" pos=\"-40,10,-10,30\""));
  auto* plain = root->Add(Make<CLabelUI>(L"float=\"true\" pos=\"20,-50,60,-20\""));
  auto* filling = root->Add(new CLabelUI);
  Root(root);
  EXPECT_TRUE(At(anchored, {160, 10, 190, 30}));
  EXPECT_TRUE(At(plain, {20, 250, 60, 280}));
  EXPECT_TRUE(At(filling, {0, 0, 200, 300}));
  SetWindowPos(window_.hwnd(), nullptr, 0, 0, 260, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  window_.PaintNow();
  EXPECT_TRUE(At(anchored, {220, 10, 250, 30}));
  EXPECT_TRUE(At(plain, {20, 150, 60, 180}));
}

TEST_F(ContainerTest, HidingAContainerHidesItsSubtreeAndTakesTheFocusFromIt) {
  auto* root = new CVerticalLayoutUI;
  auto* page = root->Add(new CVerticalLayoutUI);
  auto* inner = page->Add(new CHorizontalLayoutUI);
  auto* button = inner->Add(new CButtonUI);
  auto* other = root->Add(new CButtonUI);
  Root(root);
  button->SetFocus();
  ASSERT_EQ(window_.manager().GetFocusedControl(), button);
  page->SetVisible(false);
  EXPECT_EQ(window_.manager().GetFocusedControl(), nullptr);
  EXPECT_FALSE(button->IsVisible());
  EXPECT_TRUE(button->IsOwnVisible());
  EXPECT_FALSE(inner->IsVisible());
  page->SetVisible(true);
  EXPECT_TRUE(button->IsVisible());
  other->SetFocus();
  page->SetVisible(false);  // the focus outside stays
  EXPECT_EQ(window_.manager().GetFocusedControl(), other);
  // A child added to a hidden container is hidden with it.
  auto* late = inner->Add(new CLabelUI);
  EXPECT_FALSE(late->IsVisible());
  page->SetVisible(true);
  EXPECT_TRUE(late->IsVisible());
}

TEST_F(ContainerTest, HitTestingFindsChildrenUnlessMouseChildIsOffAndStaysInsideTheInset) {
  auto* root = new CContainerUI;
  auto* box = root->Add(Make<CVerticalLayoutUI>(L"inset=\"10,10,10,10\""));
  auto* button = box->Add(Make<CButtonUI>(L"padding=\"0,-5,0,0\" height=\"40\""));
  auto* floating = box->Add(Make<CButtonUI>(L"float=\"true\" pos=\"0,0,8,8\""));
  Root(root);
  EXPECT_TRUE(At(button, {10, 5, 190, 45}));
  EXPECT_EQ(window_.manager().FindControlAt({50, 20}), button);
  EXPECT_EQ(window_.manager().FindControlAt({50, 7}), box);      // sticks out of the inset
  EXPECT_EQ(window_.manager().FindControlAt({3, 3}), floating);  // floating: hit anywhere
  box->ApplyAttribute(L"mousechild", L"false");
  EXPECT_EQ(window_.manager().FindControlAt({50, 20}), box);
  EXPECT_EQ(window_.manager().FindControlAt({3, 3}), box);
}

TEST_F(ContainerTest, ChildrenAreRefusedOwnedAndDeletedAsTheContainerSays) {
  auto* root = Root(new CVerticalLayoutUI);
  EXPECT_FALSE(root->AddChild(nullptr));
  CLabelUI outsider;
  EXPECT_FALSE(root->InsertChildAt(&outsider, 1));  // only 0..count
  EXPECT_EQ(outsider.GetParent(), nullptr);         // untouched, still the caller's
  auto* a = root->Add(Make<CLabelUI>(L"name=\"a\""));
  auto* c = root->Add(Make<CLabelUI>(L"name=\"c\""));
  auto* b = Make<CLabelUI>(L"name=\"b\"");
  EXPECT_TRUE(root->InsertChildAt(b, 1));
  EXPECT_EQ(window_.manager().FindControlByName(L"b"), b);
  EXPECT_EQ(root->ChildIndexOf(c), 2);
  EXPECT_TRUE(root->MoveChildTo(c, 0));
  EXPECT_EQ(root->ChildAt(0), c);
  EXPECT_EQ(root->ChildAt(3), nullptr);
  EXPECT_FALSE(root->MoveChildTo(&outsider, 0));

  bool deleted = false;
  a->DestroyListeners().push_back([&](CControlUI&) { return deleted = true; });
  EXPECT_TRUE(root->RemoveChild(a));  // delayed: deleted by the cleanup message
  EXPECT_FALSE(deleted);
  test::PumpUntil(1000, [&] { return deleted; });
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(root->RemoveChild(a));

  root->SetDelayedDestroy(false);
  bool gone = false;
  b->DestroyListeners().push_back([&](CControlUI&) { return gone = true; });
  EXPECT_TRUE(root->RemoveChildAt(root->ChildIndexOf(b)));
  EXPECT_TRUE(gone);

  root->SetAutoDestroy(false);
  EXPECT_TRUE(root->RemoveChild(c));  // handed back, detached
  EXPECT_EQ(c->GetParent(), nullptr);
  delete c;
  EXPECT_EQ(root->ChildCount(), 0);
}

TEST_F(ContainerTest, ATabLayoutShowsOnePageAndNotifiesOnlyRealChanges) {
  auto* root = new CTabLayoutUI;
  root->ApplyAttribute(L"name", L"tabs");
  CControlUI* pages[6];
  for (auto*& page : pages) page = root->Add(new CVerticalLayoutUI);
  Root(root);
  EXPECT_EQ(root->GetPageIndex(), 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(pages[i]->IsVisible(), i == 0) << i;
  EXPECT_TRUE(At(pages[0], {0, 0, 200, 300}));
  log_.notifications.clear();
  EXPECT_TRUE(root->SelectPage(0));
  EXPECT_TRUE(log_.notifications.empty());
  EXPECT_FALSE(root->SelectPage(6));
  EXPECT_FALSE(root->SelectPage(-1));
  EXPECT_TRUE(root->SelectPage(pages[3]));
  ASSERT_EQ(log_.Count(L"tabselect:tabs"), 1);
  const UiNotification& selected =
      *std::find_if(log_.notifications.begin(), log_.notifications.end(),
                    [](const UiNotification& n) { return n.type == Notify::kTabSelect; });
  EXPECT_EQ(selected.wParam, 3u);
  EXPECT_EQ(selected.lParam, 0);
  EXPECT_TRUE(pages[3]->IsVisible());
  EXPECT_FALSE(pages[0]->IsVisible());
  window_.PaintNow();
  EXPECT_TRUE(At(pages[3], {0, 0, 200, 300}));

  // Removing the page selects page 0 and shows it; removing one before the
  // page keeps the page.
  root->SetDelayedDestroy(false);
  EXPECT_TRUE(root->RemoveChild(pages[3]));
  EXPECT_EQ(root->GetPageIndex(), 0);
  EXPECT_TRUE(pages[0]->IsVisible());
  EXPECT_TRUE(root->SelectPage(2));
  EXPECT_TRUE(root->RemoveChild(pages[1]));
  EXPECT_EQ(root->GetPageIndex(), 1);
  EXPECT_EQ(root->ChildAt(1), pages[2]);
  // A page inserted before the page moves the index; one after it is hidden.
  auto* before = new CLabelUI;
  EXPECT_TRUE(root->InsertChildAt(before, 0));
  EXPECT_EQ(root->GetPageIndex(), 2);
  EXPECT_TRUE(before->IsOwnVisible());
  auto* after = new CLabelUI;
  EXPECT_TRUE(root->InsertChildAt(after, 4));
  EXPECT_FALSE(after->IsOwnVisible());
  root->RemoveAllChildren();
  EXPECT_EQ(root->GetPageIndex(), -1);
}

TEST_F(ContainerTest, AButtonSelectsItsBoundPageAndTheSkinsSelectedIdSelectsOne) {
  auto* root = new CVerticalLayoutUI;
  auto* tabs = root->Add(Make<CTabLayoutUI>(L"name=\"tabs\""));
  for (int i = 0; i < 3; ++i) tabs->Add(new CLabelUI);
  auto* button =
      root->Add(Make<CButtonUI>(L"bindtablayoutname=\"tabs\" bindtabindex=\"2\" height=\"20\""));
  Root(root);
  EXPECT_TRUE(button->Activate());
  EXPECT_EQ(tabs->GetPageIndex(), 2);
  button->ApplyAttribute(L"bindtabindex", L"-1");  // ignored
  EXPECT_EQ(button->GetBindTabIndex(), 2);
  tabs->ApplyAttribute(L"selectedid", L"1");
  EXPECT_EQ(tabs->GetPageIndex(), 1);
  EXPECT_EQ(log_.Count(L"tabselect:tabs"), 2);
}

TEST_F(ContainerTest, AScrollingLayoutMovesItsChildrenByTheStep) {
  auto* root = new CVerticalLayoutUI;
  root->ApplyAttributeText(L"vscrollbar=\"true\" scrollstepsize=\"30\"");
  CControlUI* rows[5];
  for (auto*& row : rows) row = root->Add(Make<CLabelUI>(L"height=\"100\""));
  Root(root);
  window_.PaintNow();  // the bar appeared: the column is narrower now
  CScrollBarUI* bar = root->GetVerticalScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->IsVisible());
  EXPECT_EQ(root->GetScrollRange().cy, 200);
  EXPECT_TRUE(At(bar, {184, 0, 200, 300}));
  EXPECT_TRUE(At(rows[1], {0, 100, 184, 200}));
  root->LineDown();
  EXPECT_TRUE(At(rows[1], {0, 70, 184, 170}));
  root->EndDown();
  EXPECT_EQ(root->GetScrollPos().cy, 200);
  EXPECT_TRUE(At(rows[4], {0, 200, 184, 300}));
  root->SetScrollPos({0, 1000});  // clamped
  EXPECT_EQ(root->GetScrollPos().cy, 200);
  root->HomeUp();
  EXPECT_TRUE(At(rows[0], {0, 0, 184, 100}));
  for (int i = 0; i < 3; ++i) root->RemoveChildAt(0);
  window_.PaintNow();
  window_.PaintNow();
  EXPECT_FALSE(bar->IsVisible());  // everything fits again
}

}  // namespace
}  // namespace Veneer
