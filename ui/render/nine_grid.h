// The geometry of a nine-grid blit: which part of the source goes to which
// part of the destination. The corner widths cut both rectangles alike:
//
//      source / destination
//   +-----+-------------+-----+
//   | TL  |    top      | TR  |   c.top
//   +-----+-------------+-----+
//   |     |             |     |
//   |left |   middle    |right|   corners are copied at their size, edges
//   |     |             |     |   stretched along their length, the middle
//   +-----+-------------+-----+   stretched, tiled, or left out (hole)
//   | BL  |   bottom    | BR  |   c.bottom
//   +-----+-------------+-----+
//    c.left              c.right
//
// Platform-neutral: the caller blits each piece, unscaled where the two
// rectangles have the same size, stretched otherwise.
#pragma once

#include <vector>

#include "ui/core/int_rect.h"

namespace Veneer {

struct BlitPiece {
  IntRect dest;
  IntRect source;
  friend bool operator==(const BlitPiece& a, const BlitPiece& b) {
    return a.dest == b.dest && a.source == b.source;
  }
};

struct NineGrid {
  IntRect dest;
  IntRect paint;  // pieces that miss it are left out
  IntRect source;
  IntRect corners;
  bool blended = false;  // drawn with per-pixel or constant alpha
  bool hole = false;
  bool tileX = false;
  bool tileY = false;
};

// The pieces in drawing order: middle (or its tiles), top-left, top,
// top-right, left, right, bottom-left, bottom, bottom-right. An opaque grid
// without corners whose destination has the source's size is one copy of
// the part inside the paint area.
std::vector<BlitPiece> PlanNineGrid(const NineGrid& grid);

}  // namespace Veneer
