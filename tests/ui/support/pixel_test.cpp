#include "tests/ui/support/pixel_test.h"

#include <cstdio>
#include <cstdlib>

namespace Veneer::test {

::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = (actual >> shift) & 0xFF;
    const int e = (expected >> shift) & 0xFF;
    if (std::abs(a - e) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof(text), "pixel 0x%06X, expected 0x%06X", actual, expected);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

void PixelTest::ExpectPixels(std::initializer_list<Probe> probes) const {
  for (const Probe& probe : probes) {
    EXPECT_TRUE(Near(Pixel(probe.x, probe.y), probe.colour, probe.tolerance))
        << "at (" << probe.x << ", " << probe.y << ")";
  }
}

PixelTest::PixelTest(int width, int height)
    : window_(width, height), root_(new TestContainer(L"root")) {
  root_->SetBkColor(0xFFFFFFFF);
  window_.SetRoot(root_);
}

void PixelTest::TearDown() {
  if (!HasFailure()) return;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string path = std::string(info->test_suite_name()) + "." + info->name() + ".png";
  if (window_.SaveBuffer(path)) {
    ADD_FAILURE() << "the painted bitmap is saved as " << path;
  }
}

CanvasControl* PixelTest::AddCanvas(int l, int t, int r, int b, PaintFunction paint) {
  auto* canvas = new CanvasControl;
  canvas->ApplyAttribute(L"pos", std::to_wstring(l) + L"," + std::to_wstring(t) + L"," +
                                     std::to_wstring(r) + L"," + std::to_wstring(b));
  canvas->paint = std::move(paint);
  root_->Add(canvas);
  return canvas;
}

std::wstring PixelTest::MakeImage(const std::wstring& name, int width, int height,
                                  const std::function<std::uint32_t(int x, int y)>& colour) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      rgba.insert(rgba.end(),
                  {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                   static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 24)});
    }
  }
  const std::wstring path = folder_ / name;
  EXPECT_TRUE(WritePng(path, width, height, rgba));
  return path;
}

}  // namespace Veneer::test
