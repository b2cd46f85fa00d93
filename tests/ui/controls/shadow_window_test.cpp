// The drop shadow of a skinned window follows it on real windows: moved,
// resized, minimised and restored, hidden and shown, destroyed.
#include "ui/controls/shadow_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/skinned_window.h"
#include "tests/ui/support/ui_test_window.h"

namespace Veneer {
namespace {

constexpr int kCorner = 9;

RECT RectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT Inflated(RECT rect, int by) {
  InflateRect(&rect, by, by);
  return rect;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom
         << ") instead of (" << expected.left << "," << expected.top << "," << expected.right << ","
         << expected.bottom << ")";
}

class ShadowWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 20 x 20: red, its alpha rising by 20 a pixel from 20 at the border;
    // corners of 9 leave two rows and columns in the middle for the edges.
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const int edge = std::min(std::min(x, 19 - x), std::min(y, 19 - y));
        rgba.insert(rgba.end(), {255, 0, 0, static_cast<std::uint8_t>(20 + edge * 20)});
      }
    }
    image_ = folder_ / L"shadow.png";
    ASSERT_TRUE(test::WritePng(image_, 20, 20, rgba));
  }

  std::wstring Layout(const std::wstring& shadow) const {
    return L"<Window size=\"200,120\" " + shadow +
           L"><Control name=\"body\" bkcolor=\"#FF3060C0\" /></Window>";
  }
  std::wstring ImageShadow() const {
    return L"showshadow=\"true\" shadowimage=\"" + image_ + L"\" shadowcorner=\"9,9,9,9\"";
  }
  // Lets the parent paint, which draws a deferred shadow.
  static void Settle(HWND window) {
    UpdateWindow(window);
    test::PumpMessages(30);
  }

  lumo::test::TempFolder folder_;
  std::wstring image_;
};

TEST_F(ShadowWindowTest, FollowsMovesResizesMinimisingHidingAndDestruction) {
  test::SkinnedWindow window(Layout(ImageShadow()));
  ASSERT_TRUE(window.Open(150, 150));
  const HWND parent = window.hwnd();
  const HWND shadow = window.manager().GetShadow().GetHWND();
  ASSERT_TRUE(shadow);
  EXPECT_EQ(CShadowUI::Of(parent), &window.manager().GetShadow());
  EXPECT_EQ(GetWindow(shadow, GW_OWNER), parent);
  EXPECT_TRUE(GetWindowLongW(shadow, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_TRUE(GetWindowLongW(shadow, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  Settle(parent);
  EXPECT_TRUE(IsWindowVisible(shadow));
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner)));

  MoveWindow(parent, 300, 220, 200, 120, TRUE);
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner))) << "moved";

  SetWindowPos(parent, nullptr, 0, 0, 260, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle(parent);
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner))) << "grown";
  SetWindowPos(parent, nullptr, 0, 0, 180, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner))) << "shrunk at once";

  ShowWindow(parent, SW_MINIMIZE);
  test::PumpMessages(20);
  EXPECT_FALSE(IsWindowVisible(shadow)) << "minimised";
  ShowWindow(parent, SW_SHOWNOACTIVATE);
  Settle(parent);
  EXPECT_TRUE(IsWindowVisible(shadow)) << "restored";
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner))) << "restored";

  ShowWindow(parent, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(shadow)) << "hidden";
  MoveWindow(parent, 120, 130, 180, 100, FALSE);
  ShowWindow(parent, SW_SHOWNOACTIVATE);
  Settle(parent);
  EXPECT_TRUE(IsWindowVisible(shadow)) << "shown";
  EXPECT_TRUE(SameRect(RectOf(shadow), Inflated(RectOf(parent), kCorner))) << "shown";

  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(shadow));
  EXPECT_EQ(CShadowUI::Of(parent), nullptr);
  EXPECT_EQ(window.manager().GetShadow().GetHWND(), nullptr);
}

TEST_F(ShadowWindowTest, NoShadowWithoutTheFlagAndTheProcedureStaysUnhooked) {
  for (const std::wstring& shadow : {std::wstring(), L"showshadow=\"True\" shadowimage=\"" +
                                                         image_ + L"\" shadowcorner=\"9,9,9,9\""}) {
    test::SkinnedWindow window(Layout(shadow));
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(window.manager().GetShadow().GetHWND(), nullptr);
    EXPECT_EQ(CShadowUI::Of(window.hwnd()), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window.hwnd(), GWLP_WNDPROC),
              GetClassLongPtrW(window.hwnd(), GCLP_WNDPROC));
  }
}

// An image that can't be drawn leaves the shadow window undrawn (never
// placed or sized) and the window itself as it is.
TEST_F(ShadowWindowTest, AnEmptyOrMissingImageLeavesTheShadowUndrawn) {
  for (const std::wstring& image : {std::wstring(), folder_ / L"missing.png"}) {
    test::SkinnedWindow window(
        Layout(L"showshadow=\"true\" shadowcorner=\"9,9,9,9\" shadowimage=\"" + image + L"\""));
    ASSERT_TRUE(window.Open(160, 160));
    Settle(window.hwnd());
    const HWND shadow = window.manager().GetShadow().GetHWND();
    ASSERT_TRUE(shadow);
    const RECT rect = RectOf(shadow);
    EXPECT_EQ(rect.right - rect.left, 0) << "image \"" << image.size() << "\"";
    EXPECT_TRUE(SameRect(window.Rect(), {160, 160, 360, 280}));
    MoveWindow(window.hwnd(), 170, 170, 200, 120, TRUE);
    Settle(window.hwnd());
    EXPECT_TRUE(SameRect(window.Rect(), {170, 170, 370, 290}));
  }
}

// The shadow's pixels as the screen shows them over the black root window
// of the test display (far from where other tests put their windows): the
// image's red blended by its alpha at a corner and along the edges, the
// window itself where the shadow has its hole.
TEST_F(ShadowWindowTest, PixelsShowTheImageAroundTheWindow) {
  test::SkinnedWindow window(Layout(ImageShadow()));
  ASSERT_TRUE(window.Open(900, 700));
  Settle(window.hwnd());
  struct Probe {
    int x, y;
    COLORREF colour;
    const char* what;
  };
  const Probe probes[] = {
      {891, 691, RGB(20, 0, 0), "outer corner"},
      {899, 699, RGB(180, 0, 0), "inner corner"},
      {1000, 691, RGB(20, 0, 0), "top edge, outside"},
      {1000, 695, RGB(100, 0, 0), "top edge, middle"},
      {891, 760, RGB(20, 0, 0), "left edge"},
      {1104, 760, RGB(100, 0, 0), "right edge"},
      {1000, 760, RGB(0x30, 0x60, 0xC0), "the window under the hole"},
      {880, 680, RGB(0, 0, 0), "beyond the shadow"},
  };
  HDC screen = GetDC(nullptr);
  for (const Probe& p : probes) {
    const COLORREF actual = GetPixel(screen, p.x, p.y);
    for (int shift : {0, 8, 16}) {
      const int a = (actual >> shift) & 0xFF;
      const int e = (p.colour >> shift) & 0xFF;
      EXPECT_NEAR(a, e, 2) << p.what << " at " << p.x << "," << p.y << ": " << std::hex << actual;
    }
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace Veneer
