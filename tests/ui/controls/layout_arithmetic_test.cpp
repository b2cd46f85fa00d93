// The layouts' arithmetic: exact rectangles of column, row, tab page and
// floating placements, and the progress bar's filled part.
#include "ui/controls/layout_arithmetic.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

#include "ui/controls/progress_arithmetic.h"

namespace Veneer {

std::ostream& operator<<(std::ostream& out, const IntRect& r) {
  return out << '(' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ')';
}

namespace {

// A child as a test describes it: what it answers when measured (its fixed
// size; 0 along the flow: stretch it), padding and limits.
struct Child {
  IntSize fixed;
  IntRect padding = {};
  SizeLimits limits = {};
};

FlowInput InputFor(const IntRect& content, int childPadding = 0) {
  FlowInput in;
  in.content = content;
  in.available = {content.Width(), content.Height()};
  in.originX = content.left;
  in.originY = content.top;
  in.childPadding = childPadding;
  return in;
}

FlowResult Flow(bool column, const FlowInput& in, const std::vector<Child>& children) {
  std::vector<FlowChild> flow;
  for (const Child& c : children) flow.push_back({c.padding, c.limits});
  const MeasureChild measure = [&](std::size_t i, IntSize) {
    return Measured{children[i].fixed, children[i].fixed};
  };
  return column ? FlowColumn(in, flow, measure) : FlowRow(in, flow, measure);
}

struct FlowCase {
  const char* name;
  bool column;
  IntRect content;
  int childPadding;
  std::vector<Child> children;
  std::vector<IntRect> expected;
  int needed;
};

TEST(LayoutArithmetic, FlowsPlaceChildrenAtExactRectangles) {
  SizeLimits min150;
  min150.minHeight = 150;
  SizeLimits max30;
  max30.maxWidth = 30;
  const FlowCase cases[] = {
      {"a fixed 80 and two stretchable share 280",
       true,
       {0, 0, 200, 280},
       0,
       {{{0, 80}}, {{0, 0}}, {{0, 0}}},
       {{0, 0, 200, 80}, {0, 80, 200, 180}, {0, 180, 200, 280}},
       280},
      {"three stretchable in 283 get 67 each, 2 px stay empty",
       true,
       {0, 0, 200, 283},
       0,
       {{{0, 80}}, {{0, 0}}, {{0, 0}}, {{0, 0}}},
       {{0, 0, 200, 80}, {0, 80, 200, 147}, {0, 147, 200, 214}, {0, 214, 200, 281}},
       281},
      {"a minimum of 150 is clamped after the share and pushes the next down",
       true,
       {0, 0, 200, 280},
       0,
       {{{0, 80}}, {{0, 0}, {}, min150}, {{0, 0}}},
       {{0, 0, 200, 80}, {0, 80, 200, 230}, {0, 230, 200, 330}},
       330},
      {"a narrow child sits at the left of the column, padding and gaps kept",
       true,
       {10, 20, 210, 220},
       5,
       {{{50, 30}, {3, 4, 0, 6}}, {{0, 40}}},
       {{13, 24, 63, 54}, {10, 65, 210, 105}},
       85},
      {"a low child sits at the top of the row; a maximum width clamps",
       false,
       {0, 0, 300, 100},
       0,
       {{{100, 20}}, {{0, 0}, {}, max30}, {{0, 0}}},
       {{0, 0, 100, 20}, {100, 0, 130, 100}, {130, 0, 230, 100}},
       230},
      {"fixed children larger than the layout leave no share",
       true,
       {0, 0, 100, 100},
       10,
       {{{0, 70}}, {{0, 70}}, {{0, 0}}},
       {{0, 0, 100, 70}, {0, 80, 100, 150}, {0, 160, 100, 160}},
       160},
  };
  for (const auto& c : cases) {
    const FlowResult result = Flow(c.column, InputFor(c.content, c.childPadding), c.children);
    ASSERT_EQ(result.rects.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(result.rects[i], c.expected[i]) << c.name << ", child " << i;
    }
    EXPECT_EQ(result.needed, c.needed) << c.name;
  }
}

TEST(LayoutArithmetic, ScrollingShiftsTheFlowAndWideningShowsInTheStretch) {
  FlowInput in = InputFor({0, 0, 100, 100});
  in.originY = -30;       // scrolled down by 30
  in.available.cx += 50;  // a horizontal range of 50
  const FlowResult result = Flow(true, in, {{{0, 60}}, {{0, 60}}});
  EXPECT_EQ(result.rects[0], (IntRect{0, -30, 150, 30}));
  EXPECT_EQ(result.rects[1], (IntRect{0, 30, 150, 90}));
  EXPECT_EQ(result.needed, 120);
}

TEST(LayoutArithmetic, HostileSizesSaturateInsteadOfOverflowing) {
  SizeLimits open;
  open.maxWidth = open.maxHeight = INT_MAX;
  const std::vector<Child> huge(
      50, Child{{INT_MAX, INT_MAX}, {INT_MAX, INT_MIN, INT_MAX, INT_MAX}, open});
  FlowInput in;
  in.content = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  in.available = {INT_MAX, INT_MAX};
  in.childPadding = INT_MAX;
  for (bool column : {true, false}) {
    const FlowResult result = Flow(column, in, huge);
    EXPECT_EQ(result.rects.size(), huge.size());
    EXPECT_EQ(result.needed, INT_MAX);
  }
  FlowChild page{{INT_MIN, INT_MIN, INT_MIN, INT_MIN}, open};
  const IntRect placed = PlaceTabPage({INT_MIN, 0, INT_MAX, 10}, page,
                                      [](std::size_t, IntSize) { return Measured{}; });
  EXPECT_EQ(placed.left, INT_MIN);
  EXPECT_LE(placed.left, placed.right);
}

TEST(LayoutArithmetic, TabPagesFillTheContentLessTheirPaddingWithinTheirLimits) {
  FlowChild page{{5, 6, 7, 8}, {}};
  const auto wants = [](IntSize size) {
    return [size](std::size_t, IntSize) { return Measured{size, size}; };
  };
  EXPECT_EQ(PlaceTabPage({0, 0, 100, 80}, page, wants({0, 0})), (IntRect{5, 6, 93, 72}));
  EXPECT_EQ(PlaceTabPage({0, 0, 100, 80}, page, wants({40, 0})), (IntRect{5, 6, 45, 72}));
  page.limits.maxHeight = 20;
  EXPECT_EQ(PlaceTabPage({0, 0, 100, 80}, page, wants({0, 0})), (IntRect{5, 6, 93, 26}));
  EXPECT_EQ(PlaceTabPage({0, 0, 10, 10}, page, wants({0, 0})), (IntRect{5, 6, 5, 6}));
}

TEST(LayoutArithmetic, FloatingChildrenAnchorToTheEdgeTheirOffsetNames) {
  struct Case {
    IntSize offset, size;
    IntRect expected;
  };
  // "pos" -40,10,-10,30 is the offset (-10, 10) and the size 30 x 20.
  const Case cases[] = {
      {{-10, 10}, {30, 20}, {160, 10, 190, 30}},
      {{20, 30}, {40, 10}, {20, 30, 60, 40}},
      {{5, -5}, {20, 25}, {5, 70, 25, 95}},
  };
  for (const auto& c : cases) {
    FloatPlacement f;
    f.offset = c.offset;
    f.size = c.size;
    EXPECT_EQ(PlaceFloating({0, 0, 200, 100}, f), c.expected);
  }
}

TEST(LayoutArithmetic, APosGivesTheAnchoredOffsetAndASaturatedSize) {
  struct Case {
    IntRect pos;
    IntSize offset, size;
  };
  const Case cases[] = {
      {{-40, 10, -10, 30}, {-10, 10}, {30, 20}},
      {{5, -30, 25, -5}, {5, -5}, {20, 25}},
      {{50, 0, 10, 0}, {50, 0}, {-40, 0}},  // negative: the setter ignores it
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}},
      {{INT_MAX, 0, INT_MIN, 0}, {INT_MAX, 0}, {INT_MIN, 0}},
  };
  for (const auto& c : cases) {
    const PosPlacement p = PlacementOfPos(c.pos);
    EXPECT_EQ(p.offset.cx, c.offset.cx) << c.pos;
    EXPECT_EQ(p.offset.cy, c.offset.cy) << c.pos;
    EXPECT_EQ(p.size.cx, c.size.cx) << c.pos;
    EXPECT_EQ(p.size.cy, c.size.cy) << c.pos;
  }
}

TEST(LayoutArithmetic, TheRelativeRuleMovesAndGrowsByTheContainersGrowth) {
  FloatPlacement f;
  f.offset = {10, 10};
  f.size = {40, 20};
  f.relative = true;
  f.moveX = 50;
  f.zoomY = 100;
  f.baseSize = {200, 100};
  // 100 wider and 30 higher than the base: moved by 50, 30 higher.
  EXPECT_EQ(PlaceFloating({0, 0, 300, 130}, f), (IntRect{60, 10, 100, 60}));
  f.baseSize = {0, 0};  // not measured yet: the plain placement
  EXPECT_EQ(PlaceFloating({0, 0, 300, 130}, f), (IntRect{10, 10, 50, 30}));
  f.baseSize = {1, 1};
  f.moveX = f.moveY = f.zoomX = f.zoomY = INT_MAX;  // absurd percentages stay defined
  PlaceFloating({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, f);
}

TEST(ProgressArithmetic, TheValueFillsItsShareOfTheBarTruncated) {
  EXPECT_EQ(ProgressForeground(480, 12, 0, 100, 37, true), (IntRect{0, 0, 177, 12}));
  EXPECT_EQ(ProgressForeground(480, 12, 0, 100, 100, true), (IntRect{0, 0, 480, 12}));
  EXPECT_EQ(ProgressForeground(20, 200, 0, 100, 25, false), (IntRect{0, 150, 20, 200}));
  EXPECT_EQ(ProgressForeground(INT_MAX, 1, INT_MIN, INT_MAX, INT_MAX, true),
            (IntRect{0, 0, INT_MAX, 1}));
  struct Range {
    int minimum, maximum, value;
    int expectedMaximum, expectedValue;
  };
  const Range ranges[] = {
      {50, 10, 20, 51, 50},     // inverted: maximum := minimum + 1, value clamped
      {0, 100, 150, 100, 100},  // a stored value above the range is clamped
      {INT_MAX, INT_MAX, 0, INT_MAX, INT_MAX - 1},
  };
  for (auto r : ranges) {
    CorrectProgressRange(r.minimum, r.maximum, r.value);
    EXPECT_EQ(r.maximum, r.expectedMaximum);
    EXPECT_EQ(r.value, r.expectedValue);
    EXPECT_LT(r.minimum, r.maximum);
  }
}

}  // namespace
}  // namespace Veneer
