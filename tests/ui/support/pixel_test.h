// Pixel tests: a test window whose root paints with a callback, probed in
// the manager's double buffer. A failing test leaves the painted bitmap as
// "<suite>.<test>.png" in the test's working directory and names it in the
// failure message.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"

namespace Veneer::test {

using PaintFunction =
    std::function<void(HDC dc, PaintManager& manager, const RECT& rect, const RECT& paint)>;

// A control whose state image is painted by a callback.
class CanvasControl : public CControlUI {
 public:
  void PaintStateImage(HDC dc) override {
    if (paint) paint(dc, *GetManager(), GetRect(), PaintRect());
  }
  PaintFunction paint;
};

// Colours within `tolerance` per channel of `expected` (0xRRGGBB).
::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance = 2);

// A pixel of the double buffer and the colour expected there.
struct Probe {
  int x;
  int y;
  std::uint32_t colour;  // 0xRRGGBB
  int tolerance = 2;
};

class PixelTest : public ::testing::Test {
 protected:
  explicit PixelTest(int width = 120, int height = 80);
  void TearDown() override;

  // Adds a canvas at l,t,r,b of the white root and returns it.
  CanvasControl* AddCanvas(int l, int t, int r, int b, PaintFunction paint = {});
  // Paints the whole window now.
  void Paint() { window_.PaintNow(); }
  std::uint32_t Pixel(int x, int y) const { return window_.Pixel(x, y); }
  // Checks every probe, naming the failing ones by their place.
  void ExpectPixels(std::initializer_list<Probe> probes) const;
  // Writes a width x height picture whose pixel (x, y) is colour(x, y) as
  // 0xAARRGGBB into the temporary folder; returns its path.
  std::wstring MakeImage(const std::wstring& name, int width, int height,
                         const std::function<std::uint32_t(int x, int y)>& colour);

  lumo::test::TempFolder folder_;
  TestWindow window_;
  TestContainer* root_;
};

}  // namespace Veneer::test
