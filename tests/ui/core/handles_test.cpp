// Windows with a painted tree, created and destroyed many times, leave no
// GDI object, window or kernel handle behind.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui/support/gif_writer.h"
#include "tests/ui/support/pixel_test.h"
#include "tests/ui/support/resource_count.h"
#include "tests/ui/support/skinned_window.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/horizontal_layout.h"
#include "ui/controls/label.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

class HandleTest : public ::testing::Test {
 protected:
  lumo::test::TempFolder folder_;
  std::wstring picture_;
  std::wstring animation_;

  void SetUp() override {
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < 24 * 24; ++i) rgba.insert(rgba.end(), {255, 0, 255, std::uint8_t(i)});
    picture_ = folder_ / L"picture.png";
    ASSERT_TRUE(test::WritePng(picture_, 24, 24, rgba));
    animation_ = folder_ / L"animation.gif";
    ASSERT_TRUE(test::WriteGif(animation_, 16, 16, {{0xFF0000, 1}, {0x00FF00, 1}}));
  }

  // Every kind of control, in layouts: pages of a tab layout, options of a
  // group, a playing animation on a hidden page, an edit on another one.
  // No control is a Tab stop on the shown page: focusing one activates the
  // window, and wine then waits two seconds for a window manager when the
  // window is destroyed. Every fifth window shows the edit's page and
  // opens its editor.
  CControlUI* ControlsOfEveryKind() {
    auto* page = new CVerticalLayoutUI;
    page->ApplyAttributeText(L"pos=\"0,120,240,160\" vscrollbar=\"true\"");
    auto* row = page->Add(new CHorizontalLayoutUI);
    row->ApplyAttribute(L"hscrollbar", L"true");
    const std::wstring image = L"keyboard=\"false\" normalimage=\"" + picture_ + L"\" ";
    row->Add(new CLabelUI)->ApplyAttributeText(L"text=\"label\" autocalcwidth=\"true\"");
    row->Add(new CButtonUI)->ApplyAttributeText((image + L"text=\"button\"").c_str());
    row->Add(new COptionUI)->ApplyAttributeText((image + L"group=\"g\" selected=\"true\"").c_str());
    row->Add(new CCheckBoxUI)->ApplyAttributeText((image + L"selected=\"true\"").c_str());
    tabs_ = page->Add(new CTabLayoutUI);
    auto* progress = tabs_->Add(new CProgressUI);
    progress->ApplyAttributeText((L"value=\"40\" foreimage=\"" + picture_ + L"\"").c_str());
    gif_ = tabs_->Add(new CVerticalLayoutUI)->Add(new CGifAnimUI);
    gif_->SetImageName(animation_);
    edit_ = tabs_->Add(new CEditUI);
    edit_->ApplyAttributeText(L"text=\"edit\" nativebkcolor=\"#FF102030\"");
    return page;
  }
  CTabLayoutUI* tabs_ = nullptr;
  CGifAnimUI* gif_ = nullptr;
  CEditUI* edit_ = nullptr;
  int cycles_ = 0;

  // One window's life: a tree with images, text, borders, gradients, a
  // rounded clip and every kind of control, painted whole and in part,
  // resized, hovered for its tooltip, with a timer, an open editor and a
  // playing animation, then destroyed. Returns the USER objects counted
  // while the window lived.
  DWORD Cycle() {
    test::TestWindow window(240, 160);
    auto* root = new test::TestContainer(L"root");
    root->ApplyAttributeText(L"bkcolor=\"#FF203040\" bkcolor2=\"#FF405060\"");
    const std::wstring file = L"file='" + picture_ + L"'";
    const std::wstring images[] = {
        picture_,
        file + L" corner='4,4,4,4' hole='true'",
        file + L" corner='2,2,2,2' xtiled='true' ytiled='true' fade='128'",
        file + L" source='0,0,12,12' dest='2,2,14,14' mask='#FFFF00FF'",
    };
    for (int i = 0; i < 8; ++i) {
      auto* c = new test::CanvasControl;
      const int x = (i % 4) * 60;
      const int y = (i / 4) * 60;
      c->ApplyAttribute(L"pos", std::to_wstring(x) + L"," + std::to_wstring(y) + L"," +
                                    std::to_wstring(x + 50) + L"," + std::to_wstring(y + 50));
      c->ApplyAttributeText(
          L"bordercolor=\"#FFFF0000\" bordersize=\"1,1,2,2\" borderround=\"6,6\"");
      c->SetBkImage(images[i % 4]);
      c->SetTooltip(L"tip");
      c->paint = [i](HDC dc, PaintManager& m, const RECT& rc, const RECT&) {
        RECT area = rc;
        m.SetGdiplusText(i % 2 == 0);
        CRenderer::RenderText(dc, &m, area, L"Text & more", 0xFF000000, i % 2 ? 0 : -1,
                              DT_SINGLELINE | DT_VCENTER);
        CRenderer::RenderGradient(dc, {rc.left, rc.top, rc.left + 10, rc.bottom}, 0x80FF0000,
                                  0xFF0000FF, 8);
      };
      root->Add(c);
    }
    root->Add(ControlsOfEveryKind());
    window.manager().RegisterFont({L"Tahoma", 14, true});
    window.manager().SetStandardFont({L"Tahoma", 12});
    window.SetRoot(root);
    window.manager().StartTimer(root, 1, 10);
    for (int i = 0; i < 4; ++i) {
      window.PaintNow();
      window.PaintNow({10, 10, 40, 40});
      SetWindowPos(window.hwnd(), nullptr, 0, 0, 240 + i * 10, 160,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (cycles_++ % 5 == 0) {
      tabs_->SelectPage(2);
      edit_->SetFocus();
      EXPECT_NE(edit_->GetEditor(), nullptr);
    }
    EXPECT_TRUE(gif_->IsPlaying());
    window.PaintNow();
    SendMessageW(window.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageW(window.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(20, 20));  // makes the tooltip
    test::PumpMessages(20);
    return test::CountUserObjects();
  }

  // A skinned window with its drop shadow, built from a layout, painted,
  // moved and resized, then destroyed. Returns the USER objects counted
  // while it lived. The controls are disabled, so that the first paint
  // focuses none of them: that would activate the window, and wine then
  // waits two seconds for a window manager when it goes.
  DWORD SkinnedCycle() {
    test::SkinnedWindow window(
        L"<Window size=\"200,120\" caption=\"0,0,0,30\" "
        L"roundcorner=\"6,6\" showshadow=\"true\" shadowimage=\"" +
        picture_ +
        L"\" shadowcorner=\"9,9,9,9\">"
        L"<Font name=\"Tahoma\" size=\"13\" default=\"true\" />"
        L"<VerticalLayout bkcolor=\"#FF203040\" enabled=\"false\"><Label text=\"label\" "
        L"bkimage=\"" +
        picture_ +
        L"\" /><Button text=\"button\" /><CheckBox /><Progress value=\"40\" /></VerticalLayout>"
        L"</Window>");
    window.Open();
    for (int i = 0; i < 3; ++i) {
      MoveWindow(window.hwnd(), 100 + i * 10, 100, 200 + i * 20, 120, TRUE);
      UpdateWindow(window.hwnd());
    }
    test::PumpMessages(10);
    return test::CountUserObjects();
  }
};

void ExpectNothingLeft(const test::Resources& before, const test::Resources& after, int cycles,
                       const char* what) {
  std::printf(
      "%s: GDI objects %lu -> %lu, USER objects %lu -> %lu, kernel handles %lu -> %lu "
      "after %d windows\n",
      what, before.gdi, after.gdi, before.user, after.user, before.kernel, after.kernel, cycles);
  EXPECT_GT(before.gdi, 0u);  // the count works
  EXPECT_GT(before.kernel, 0u);
  EXPECT_LE(after.gdi, before.gdi);
  EXPECT_LE(after.user, before.user);
  EXPECT_LE(after.kernel, before.kernel);
}

constexpr int kCycles = 25;

TEST_F(HandleTest, ManyWindowsWithPaintedTreesLeaveNothingBehind) {
  for (int i = 0; i < 2; ++i) Cycle();  // first-use caches settle
  const test::Resources before = test::CountResources();
  EXPECT_GE(Cycle(), 2u);  // the window and its tooltip were counted
  for (int i = 0; i < kCycles; ++i) Cycle();
  ExpectNothingLeft(before, test::CountResources(), kCycles, "painted trees");
}

TEST_F(HandleTest, SkinnedWindowsWithShadowsLeaveNothingBehind) {
  for (int i = 0; i < 2; ++i) SkinnedCycle();
  const test::Resources before = test::CountResources();
  EXPECT_GE(SkinnedCycle(), 2u);  // the window and its shadow were counted
  for (int i = 0; i < kCycles; ++i) SkinnedCycle();
  ExpectNothingLeft(before, test::CountResources(), kCycles, "skinned windows with shadows");
}

}  // namespace
}  // namespace Veneer
