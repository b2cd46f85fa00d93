#include "ui/core/window_hit_test.h"

#include <gtest/gtest.h>

namespace Veneer {
namespace {

constexpr IntRect kClient = {0, 0, 200, 100};

TEST(SizeBoxZone, EdgesFromTheSizeBoxAndNoneWithout) {
  struct Case {
    int x, y;
    IntRect sizeBox;
    WindowZone zone;
  };
  const IntRect box = {4, 4, 4, 4};
  const Case cases[] = {
      {0, 0, box, WindowZone::kTopLeft},
      {100, 3, box, WindowZone::kTop},
      {197, 0, box, WindowZone::kTopRight},
      {196, 0, box, WindowZone::kTop},  // the right edge starts after right - width
      {0, 50, box, WindowZone::kLeft},
      {3, 50, box, WindowZone::kLeft},
      {4, 50, box, WindowZone::kClient},
      {199, 50, box, WindowZone::kRight},
      {100, 50, box, WindowZone::kClient},
      {100, 96, box, WindowZone::kClient},  // the bottom edge starts after bottom - width
      {100, 97, box, WindowZone::kBottom},
      {0, 99, box, WindowZone::kBottomLeft},
      {199, 99, box, WindowZone::kBottomRight},
      {0, 0, {}, WindowZone::kClient},  // no size box: never an edge
      {199, 99, {}, WindowZone::kClient},
      {0, 50, {0, 10, 0, 0}, WindowZone::kClient},
      {0, 5, {0, 10, 0, 0}, WindowZone::kTop},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SizeBoxZone(c.x, c.y, kClient, c.sizeBox), c.zone) << c.x << "," << c.y;
  }
}

TEST(InCaptionBand, InsideTheInsetWidthAndBetweenTopAndBottom) {
  struct Case {
    int x, y;
    IntRect caption;
    bool inside;
  };
  const Case cases[] = {
      {0, 0, {0, 0, 0, 30}, true},
      {199, 29, {0, 0, 0, 30}, true},
      {100, 30, {0, 0, 0, 30}, false},
      {9, 5, {10, 0, 10, 30}, false},
      {10, 5, {10, 0, 10, 30}, true},
      {189, 5, {10, 0, 10, 30}, true},
      {190, 5, {10, 0, 10, 30}, false},
      {50, 4, {0, 5, 0, 30}, false},
      {50, 50, {}, false},  // no caption
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InCaptionBand(c.x, c.y, kClient, c.caption), c.inside) << c.x << "," << c.y;
  }
}

TEST(TakesPressInCaption, TheInteractiveClassesInAnyCase) {
  for (const wchar_t* name : {L"ButtonUI", L"buttonui", L"OptionUI", L"TextUI", L"SliderUI",
                              L"RichEditUI", L"CheckBoxUI", L"EDITUI", L"ScrollBarUI"}) {
    EXPECT_TRUE(TakesPressInCaption(name)) << name;
  }
  for (const wchar_t* name : {L"LabelUI", L"ControlUI", L"ProgressUI", L"GifAnimUI",
                              L"VerticalLayoutUI", L"ButtonUI2", L""}) {
    EXPECT_FALSE(TakesPressInCaption(name)) << name;
  }
}

}  // namespace
}  // namespace Veneer
