#include "ui/controls/shadow_style.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls/shadow_pixels.h"

namespace Veneer {
namespace {

TEST(ShadowAttributes, RangesAcceptOrIgnoreTheWholeValue) {
  struct Case {
    const wchar_t* name;
    const wchar_t* value;
    ShadowAttribute result;
    std::function<bool(const ShadowStyle&)> holds;
  };
  const ShadowStyle defaults;
  const auto unchanged = [&](const ShadowStyle& s) {
    return s.size == defaults.size && s.sharpness == defaults.sharpness &&
           s.darkness == defaults.darkness && s.offsetX == 0 && s.offsetY == 0 &&
           s.corners == defaults.corners && !s.imageMode;
  };
  const Case cases[] = {
      {L"showshadow", L"true", ShadowAttribute::kShowFlag, [](auto& s) { return s.show; }},
      {L"showshadow", L"TRUE", ShadowAttribute::kShowFlag, [](auto& s) { return !s.show; }},
      {L"shadowimage", L"shadow.png", ShadowAttribute::kChanged,
       [](auto& s) { return s.imageMode && s.image == L"shadow.png"; }},
      {L"shadowcorner", L"9,9,9,9", ShadowAttribute::kChanged,
       [](auto& s) {
         return s.corners == IntRect{9, 9, 9, 9};
       }},
      {L"shadowcorner", L"9,-1,9,9", ShadowAttribute::kIgnored, unchanged},
      {L"shadowsize", L"-20", ShadowAttribute::kChanged, [](auto& s) { return s.size == -20; }},
      {L"shadowsize", L"20", ShadowAttribute::kChanged, [](auto& s) { return s.size == 20; }},
      {L"shadowsize", L"21", ShadowAttribute::kIgnored, unchanged},
      {L"shadowsize", L"25", ShadowAttribute::kIgnored, unchanged},
      {L"shadowsharpness", L"-1", ShadowAttribute::kIgnored, unchanged},
      {L"shadowsharpness", L"20", ShadowAttribute::kChanged,
       [](auto& s) { return s.sharpness == 20; }},
      {L"shadowdarkness", L"256", ShadowAttribute::kIgnored, unchanged},
      {L"shadowdarkness", L"0", ShadowAttribute::kChanged, [](auto& s) { return s.darkness == 0; }},
      {L"shadowposition", L"5,30", ShadowAttribute::kIgnored, unchanged},
      {L"shadowposition", L"-20,20", ShadowAttribute::kChanged,
       [](auto& s) { return s.offsetX == -20 && s.offsetY == 20; }},
      {L"shadowcolor", L"#FF112233", ShadowAttribute::kChanged,
       [](auto& s) { return s.colour == 0xFF112233u; }},
      {L"shadowcolor", L"00FF00", ShadowAttribute::kChanged,
       [](auto& s) { return s.colour == 0x00FF00u; }},
      {L"caption", L"0,0,0,30", ShadowAttribute::kUnknown, unchanged},
  };
  for (const auto& c : cases) {
    ShadowStyle style;
    EXPECT_EQ(ApplyShadowAttribute(style, c.name, c.value), c.result) << c.name << "=" << c.value;
    EXPECT_TRUE(c.holds(style)) << c.name << "=" << c.value;
  }
}

TEST(ShadowRect, AroundTheParentByCornersOrBySizeAndOffset) {
  ShadowStyle image;
  image.imageMode = true;
  image.corners = {9, 9, 9, 9};
  EXPECT_EQ(ShadowRect(image, {100, 100, 680, 520}), (IntRect{91, 91, 689, 529}));

  ShadowStyle computed;
  computed.size = 4;
  computed.offsetX = 2;
  computed.offsetY = -3;
  EXPECT_EQ(ShadowRect(computed, {100, 100, 680, 520}), (IntRect{98, 93, 686, 521}));

  computed.size = -20;  // larger inward than the parent: nothing
  EXPECT_TRUE(ShadowRect(computed, {0, 0, 30, 30}).IsEmpty());

  image.corners = {2147483647, 0, 2147483647, 0};  // a skin's corners may be anything
  EXPECT_TRUE(ShadowRect(image, {100, 100, 680, 520}).IsEmpty());
}

// The computed shadow of a 10 x 10 rectangle, size 4, sharpness 2, darkness
// 200, in blue: a band fading outwards, nothing under the window.
TEST(MakeShadowPixels, FadesAroundARectangleAndLeavesTheWindowClear) {
  ShadowStyle style;
  style.size = 4;
  style.sharpness = 2;
  style.darkness = 200;
  style.colour = 0xFF0000FF;
  const std::vector<RowSpan> rows(10, RowSpan{0, 10});
  std::vector<std::uint32_t> bits(18 * 18, 0);
  MakeShadowPixels(style, 10, rows, bits.data());
  const auto alpha = [&](int x, int y) { return bits[(17 - y) * 18 + x] >> 24; };  // bottom-up
  EXPECT_EQ(bits[(17 - 5) * 18 + 2], 0xC80000C8u);                                 // premultiplied
  struct Probe {
    int x, y;
    std::uint32_t alpha;
  };
  for (const Probe& p : {Probe{0, 5, 66}, Probe{1, 5, 133}, Probe{2, 5, 200}, Probe{3, 9, 200},
                         Probe{4, 9, 0}, Probe{9, 9, 0}, Probe{13, 13, 0}, Probe{17, 5, 66},
                         Probe{5, 0, 66}, Probe{5, 17, 66}, Probe{0, 0, 0}, Probe{2, 2, 144}}) {
    EXPECT_EQ(alpha(p.x, p.y), p.alpha) << p.x << "," << p.y;
  }
}

// Every size, sharpness and offset on outlines with holes and empty rows
// stays inside the bitmap (the sanitizers watch).
TEST(MakeShadowPixels, StaysInsideTheBitmapForEverySetting) {
  const std::vector<std::vector<RowSpan>> outlines = {
      {{0, 6}, {2, 3}, {6, 0}, {0, 6}},
      {{3, 4}},
      {{0, 1}, {5, 6}, {1, 5}},
  };
  for (const auto& rows : outlines) {
    for (int size = -20; size <= 20; size += 3) {
      for (int sharpness = 0; sharpness <= 20; sharpness += 4) {
        for (int offset = -20; offset <= 20; offset += 10) {
          ShadowStyle style;
          style.size = static_cast<std::int8_t>(size);
          style.sharpness = static_cast<std::uint8_t>(sharpness);
          style.offsetX = style.offsetY = static_cast<std::int8_t>(offset);
          const int width = 6 + 2 * size;
          const int height = static_cast<int>(rows.size()) + 2 * size;
          std::vector<std::uint32_t> bits(width > 0 && height > 0 ? width * height : 0, 0);
          MakeShadowPixels(style, 6, rows, bits.data());
        }
      }
    }
  }
}

}  // namespace
}  // namespace Veneer
