#include "ui/render/pixel_format.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/render/gradient_bands.h"

namespace Veneer {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(PixelFormat, PremultipliesAndReordersToBgra) {
  const Bytes rgba = {10,  20,  30,  255,  // opaque: copied
                      200, 100, 50,  128,  // 200 * 128 / 255 = 100.39 -> 100
                      255, 255, 255, 0};   // transparent: black
  Bytes bgra(rgba.size());
  EXPECT_TRUE(ConvertToPremultipliedBgra(rgba.data(), 3, 0, bgra.data()));
  EXPECT_EQ(bgra, (Bytes{30, 20, 10, 255, 25, 50, 100, 128, 0, 0, 0, 0}));

  const Bytes opaque = {1, 2, 3, 255};
  Bytes out(4);
  EXPECT_FALSE(ConvertToPremultipliedBgra(opaque.data(), 1, 0, out.data()));
}

TEST(PixelFormat, TheMaskKeysOutTheFinishedPixel) {
  const Bytes rgba = {255, 0, 255, 255, 254, 0, 255, 255};  // magenta, near magenta
  Bytes bgra(rgba.size());
  EXPECT_TRUE(ConvertToPremultipliedBgra(rgba.data(), 2, 0xFFFF00FF, bgra.data()));
  EXPECT_EQ(bgra, (Bytes{0, 0, 0, 0, 255, 0, 254, 255}));
}

TEST(PixelFormat, BlendsPremultipliedPixelsAsAlphaBlendDoes) {
  // dest grey 100; sources: opaque red, half-transparent premultiplied blue,
  // transparent.
  const Bytes source = {0, 0, 255, 255, 128, 0, 0, 128, 0, 0, 0, 0};
  struct Case {
    std::uint8_t constant;
    Bytes expected;
  };
  const Case cases[] = {
      {255, {0, 0, 255, 255, 177, 49, 49, 177, 100, 100, 100, 100}},
      {128, {49, 49, 177, 177, 139, 74, 74, 139, 100, 100, 100, 100}},
      {0, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100}},
  };
  for (const auto& c : cases) {
    Bytes dest(12, 100);
    BlendPremultiplied(source.data(), dest.data(), 3, c.constant);
    EXPECT_EQ(dest, c.expected) << int(c.constant);
  }
}

TEST(GradientBands, EightBandsFromTheBottomUp) {
  const auto bands = GradientBands({0, 0, 10, 80}, 0x000000, 0xFF8000, 8);
  ASSERT_EQ(bands.size(), 8u);
  EXPECT_EQ(bands[0].rect, (IntRect{0, 70, 10, 80}));
  EXPECT_EQ(bands[0].colour, 0xFF8000u);  // band 0 is the bottom colour
  EXPECT_EQ(bands[1].colour, 0xDF7000u);  // 255*7/8 = 223, 128*7/8 = 112
  EXPECT_EQ(bands[7].rect, (IntRect{0, 0, 10, 10}));
  EXPECT_EQ(bands[7].colour, 0x1F1000u);  // 255/8, 128/8
}

TEST(GradientBands, SixteenBandsForManyStepsAndEmptyBandsLeftOut) {
  const auto bands = GradientBands({0, 0, 4, 10}, 0xFFFFFF, 0x000000, 16);
  // 10 rows in 16 bands: six of them are empty.
  ASSERT_EQ(bands.size(), 10u);
  int rows = 0;
  for (const auto& band : bands) rows += band.rect.Height();
  EXPECT_EQ(rows, 10);
  EXPECT_EQ(bands.front().rect.bottom, 10);
  EXPECT_EQ(bands.back().rect.top, 0);
}

}  // namespace
}  // namespace Veneer
