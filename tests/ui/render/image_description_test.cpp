#include "ui/render/image_description.h"

#include <gtest/gtest.h>

namespace Veneer {
namespace {

constexpr IntRect kControl = {100, 50, 200, 90};

TEST(ImageDescription, ABareNameDrawsTheWholeImageOverTheControl) {
  const auto draws = ParseImageDescription(L"background.png", L"", kControl);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].name, L"background.png");
  EXPECT_EQ(draws[0].dest, kControl);
  EXPECT_TRUE(draws[0].source.IsZero());
  EXPECT_EQ(draws[0].fade, 255);
  EXPECT_FALSE(draws[0].hole || draws[0].tileX || draws[0].tileY);
}

TEST(ImageDescription, ReadsEveryKey) {
  const auto draws = ParseImageDescription(
      L"file='btn.png' source='0,0,6,10' dest='66,3,72,13' corner='1,2,3,4' mask='#FFFF00FF' "
      L"fade='128' hole='true' xtiled='true' ytiled='false' unknown='x'",
      L"", kControl);
  ASSERT_EQ(draws.size(), 1u);
  const ImageDraw& d = draws[0];
  EXPECT_EQ(d.name, L"btn.png");
  EXPECT_EQ(d.source, (IntRect{0, 0, 6, 10}));
  EXPECT_EQ(d.dest, (IntRect{166, 53, 172, 63}));
  EXPECT_EQ(d.corners, (IntRect{1, 2, 3, 4}));
  EXPECT_EQ(d.maskColour, 0xFFFF00FFu);
  EXPECT_EQ(d.fade, 128);
  EXPECT_TRUE(d.hole);
  EXPECT_TRUE(d.tileX);
  EXPECT_FALSE(d.tileY);
}

TEST(ImageDescription, DestIsClippedToTheControlAndFadeTakenModulo256) {
  const IntRect narrow = {0, 0, 10, 30};
  struct Case {
    const wchar_t* text;
    IntRect dest;
    int fade;
  };
  const Case cases[] = {
      {L"file='a' dest='0,0,16,16'", {0, 0, 10, 16}, 255},
      {L"file='a' dest='-5,-5,40,40'", {-5, -5, 10, 30}, 255},
      {L"file='a' fade='256'", narrow, 0},
      {L"file='a' fade='257'", narrow, 1},
      {L"file='a' fade='-1'", narrow, 255},
      {L"file='a' fade='x'", narrow, 0},
  };
  for (const auto& c : cases) {
    const auto draws = ParseImageDescription(c.text, L"", narrow);
    ASSERT_EQ(draws.size(), 1u) << c.text;
    EXPECT_EQ(draws[0].dest, c.dest) << c.text;
    EXPECT_EQ(draws[0].fade, c.fade) << c.text;
  }
}

TEST(ImageDescription, ASecondFileDrawsTheFirstWithTheValuesSetSoFar) {
  const auto draws = ParseImageDescription(
      L"file='a.png' fade='100' file='b.png' dest='1,1,5,5' restype='PNG'", L"", kControl);
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[0].name, L"a.png");
  EXPECT_EQ(draws[0].fade, 100);
  EXPECT_EQ(draws[0].dest, kControl);
  // Values persist: b.png inherits the fade.
  EXPECT_EQ(draws[1].name, L"b.png");
  EXPECT_EQ(draws[1].fade, 100);
  EXPECT_EQ(draws[1].dest, (IntRect{101, 51, 105, 55}));
  EXPECT_TRUE(draws[1].resourceType.empty());
  EXPECT_EQ(draws[2].name, L"b.png");
  EXPECT_EQ(draws[2].resourceType, L"PNG");
}

TEST(ImageDescription, ResDoesNotCountAsAnImage) {
  // "res" replaces the name without counting: the following "restype" does
  // not draw, the one after it does.
  const auto draws = ParseImageDescription(L"res='101' restype='PNG' restype='GIF'", L"", kControl);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].name, L"101");
  EXPECT_EQ(draws[0].resourceType, L"PNG");
  EXPECT_EQ(draws[1].resourceType, L"GIF");
}

TEST(ImageDescription, AModifyTextAmendsWithoutDrawingTheImageBefore) {
  const auto draws =
      ParseImageDescription(L"file='bar.png' corner='2,2,2,2'",
                            L"file='other.png' dest='0,0,37,12' source='0,0,37,12'", kControl);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].name, L"other.png");
  EXPECT_EQ(draws[0].corners, (IntRect{2, 2, 2, 2}));
  EXPECT_EQ(draws[0].dest, (IntRect{100, 50, 137, 62}));
  EXPECT_EQ(draws[0].source, (IntRect{0, 0, 37, 12}));
}

TEST(ImageDescription, AMalformedTextDrawsWhatParsed) {
  struct Case {
    const wchar_t* text;
    const wchar_t* name;
    int fade;
  };
  const Case cases[] = {
      {L"file='a.png' fade='9' fade", L"a.png", 9},   // a key without "="
      {L"file='a.png' fade=9", L"a.png", 255},        // a value without quotes
      {L"file='a.png' fade='9", L"a.png", 255},       // unterminated value
      {L"file='a.png'  fade='9'", L"a.png", 9},       // more blanks are skipped
      {L"file='a.png',fade='9'", L"a.png", 255},      // no blank after the value
      {L"file = 'a.png'", L"a.png", 255},             // blanks around "=" are fine
      {L"file='' fade='9'", L"file='' fade='9'", 9},  // an empty value is ignored
  };
  for (const auto& c : cases) {
    const auto draws = ParseImageDescription(c.text, L"", kControl);
    ASSERT_EQ(draws.size(), 1u) << c.text;
    EXPECT_EQ(draws[0].name, c.name) << c.text;
    EXPECT_EQ(draws[0].fade, c.fade) << c.text;
  }
}

TEST(ResourceIdOf, TakesTheLeadingNumberCutTo16Bits) {
  EXPECT_EQ(ResourceIdOf(L"132"), 132);
  EXPECT_EQ(ResourceIdOf(L"101.png"), 101);
  EXPECT_EQ(ResourceIdOf(L"65537"), 1);
  EXPECT_EQ(ResourceIdOf(L"a101"), std::nullopt);
  EXPECT_EQ(ResourceIdOf(L""), std::nullopt);
}

}  // namespace
}  // namespace Veneer
