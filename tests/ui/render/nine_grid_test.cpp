#include "ui/render/nine_grid.h"

#include <gtest/gtest.h>

#include <ostream>

namespace Veneer {

std::ostream& operator<<(std::ostream& out, const IntRect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
std::ostream& operator<<(std::ostream& out, const BlitPiece& p) {
  return out << p.dest << "<-" << p.source;
}

namespace {

using Pieces = std::vector<BlitPiece>;
constexpr IntRect kEverywhere = {-1000, -1000, 1000, 1000};

TEST(NineGrid, CutsNinePiecesInDrawingOrder) {
  NineGrid grid;
  grid.dest = {10, 20, 110, 80};
  grid.paint = kEverywhere;
  grid.source = {0, 0, 30, 20};
  grid.corners = {4, 3, 5, 6};
  const Pieces expected = {
      {{14, 23, 105, 74}, {4, 3, 25, 14}},     // middle
      {{10, 20, 14, 23}, {0, 0, 4, 3}},        // top-left
      {{14, 20, 105, 23}, {4, 0, 25, 3}},      // top
      {{105, 20, 110, 23}, {25, 0, 30, 3}},    // top-right
      {{10, 23, 14, 74}, {0, 3, 4, 14}},       // left
      {{105, 23, 110, 74}, {25, 3, 30, 14}},   // right
      {{10, 74, 14, 80}, {0, 14, 4, 20}},      // bottom-left
      {{14, 74, 105, 80}, {4, 14, 25, 20}},    // bottom
      {{105, 74, 110, 80}, {25, 14, 30, 20}},  // bottom-right
  };
  EXPECT_EQ(PlanNineGrid(grid), expected);
  grid.blended = true;  // the same pieces when blending
  EXPECT_EQ(PlanNineGrid(grid), expected);
}

TEST(NineGrid, AHoleAndZeroCornersLeaveTheirPiecesOut) {
  NineGrid grid;
  grid.dest = {0, 0, 40, 40};
  grid.paint = kEverywhere;
  grid.source = {0, 0, 20, 20};
  grid.corners = {5, 0, 5, 0};
  grid.hole = true;
  // Only the left and right edges: no top or bottom row, no middle.
  const Pieces expected = {
      {{0, 0, 5, 40}, {0, 0, 5, 20}},
      {{35, 0, 40, 40}, {15, 0, 20, 20}},
  };
  EXPECT_EQ(PlanNineGrid(grid), expected);
}

TEST(NineGrid, PiecesOutsideThePaintAreaAreSkipped) {
  NineGrid grid;
  grid.dest = {0, 0, 100, 100};
  grid.paint = {0, 0, 10, 10};  // touches the top-left corner only
  grid.source = {0, 0, 30, 30};
  grid.corners = {10, 10, 10, 10};
  const Pieces expected = {{{0, 0, 10, 10}, {0, 0, 10, 10}}};
  EXPECT_EQ(PlanNineGrid(grid), expected);
}

TEST(NineGrid, AnOpaqueCopyAtTheSourceSizeCopiesOnlyThePaintedPart) {
  NineGrid grid;
  grid.dest = {66, 3, 72, 13};
  grid.source = {10, 20, 16, 30};
  grid.paint = {0, 5, 70, 100};
  EXPECT_EQ(PlanNineGrid(grid), (Pieces{{{66, 5, 70, 13}, {10, 22, 14, 30}}}));
  grid.paint = {0, 0, 10, 10};
  EXPECT_TRUE(PlanNineGrid(grid).empty());
  // Blended, the same grid is one piece drawn whole.
  grid.paint = {0, 5, 70, 100};
  grid.blended = true;
  EXPECT_EQ(PlanNineGrid(grid), (Pieces{{{66, 3, 72, 13}, {10, 20, 16, 30}}}));
}

TEST(NineGrid, TilesTheMiddleWithTheLastTilePartial) {
  NineGrid grid;
  grid.dest = {0, 0, 54, 20};
  grid.paint = kEverywhere;
  grid.source = {0, 0, 20, 10};
  grid.corners = {2, 0, 2, 0};  // a 50-pixel middle from a 16-pixel tile
  grid.tileX = true;
  const Pieces columns = {
      {{2, 0, 18, 20}, {2, 0, 18, 10}},  // stretched vertically
      {{18, 0, 34, 20}, {2, 0, 18, 10}}, {{34, 0, 50, 20}, {2, 0, 18, 10}},
      {{50, 0, 52, 20}, {2, 0, 4, 10}},  // the last column, 2 pixels wide
      {{0, 0, 2, 20}, {0, 0, 2, 10}},    {{52, 0, 54, 20}, {18, 0, 20, 10}},
  };
  EXPECT_EQ(PlanNineGrid(grid), columns);

  grid.tileX = false;
  grid.tileY = true;
  grid.corners = {0, 0, 0, 0};
  grid.dest = {0, 0, 30, 25};
  const Pieces rows = {
      {{0, 0, 30, 10}, {0, 0, 20, 10}},  // stretched horizontally
      {{0, 10, 30, 20}, {0, 0, 20, 10}},
      {{0, 20, 30, 25}, {0, 0, 20, 5}},
  };
  EXPECT_EQ(PlanNineGrid(grid), rows);
}

TEST(NineGrid, TilesBothWaysUnscaledAndSkipsTilesOutsideThePaintArea) {
  NineGrid grid;
  grid.dest = {0, 0, 25, 15};
  grid.paint = {0, 0, 25, 15};
  grid.source = {0, 0, 10, 10};
  grid.tileX = grid.tileY = true;
  const Pieces all = {
      {{0, 0, 10, 10}, {0, 0, 10, 10}},  {{10, 0, 20, 10}, {0, 0, 10, 10}},
      {{20, 0, 25, 10}, {0, 0, 5, 10}},  {{0, 10, 10, 15}, {0, 0, 10, 5}},
      {{10, 10, 20, 15}, {0, 0, 10, 5}}, {{20, 10, 25, 15}, {0, 0, 5, 5}},
  };
  EXPECT_EQ(PlanNineGrid(grid), all);
  grid.paint = {12, 11, 14, 13};
  EXPECT_EQ(PlanNineGrid(grid), (Pieces{{{10, 10, 20, 15}, {0, 0, 10, 5}}}));
}

TEST(NineGrid, DegenerateInputsDrawNothingInsteadOfLooping) {
  NineGrid grid;
  grid.paint = kEverywhere;
  grid.dest = {0, 0, 50, 50};
  grid.source = {0, 0, 10, 10};
  grid.corners = {5, 0, 5, 0};  // the source middle is 0 wide
  grid.tileX = true;
  grid.hole = false;
  const Pieces edges = {{{0, 0, 5, 50}, {0, 0, 5, 10}}, {{45, 0, 50, 50}, {5, 0, 10, 10}}};
  EXPECT_EQ(PlanNineGrid(grid), edges);
  grid.corners = {30, 30, 30, 30};  // corners larger than the destination
  grid.tileX = false;
  for (const auto& piece : PlanNineGrid(grid)) EXPECT_FALSE(piece.dest.IsEmpty()) << piece;
}

}  // namespace
}  // namespace Veneer
