#include "ui/render/nine_grid.h"

#include <algorithm>

namespace Veneer {
namespace {

class Planner {
 public:
  Planner(const NineGrid& grid, std::vector<BlitPiece>& pieces) : g_(grid), pieces_(pieces) {}

  void Add(const IntRect& dest, const IntRect& source) {
    if (dest.Intersects(g_.paint)) pieces_.push_back({dest, source});
  }

  // The middle, stretched, or cut into tiles of the source middle's size
  // from its top-left; the last column and row keep the part that fits.
  void Middle(const IntRect& dest, const IntRect& source) {
    if (!g_.tileX && !g_.tileY) return Add(dest, source);
    if (!dest.Intersects(g_.paint)) return;
    const int tw = source.Width();
    const int th = source.Height();
    if (tw <= 0 || th <= 0) return;
    const int stepX = g_.tileX ? tw : dest.Width();
    const int stepY = g_.tileY ? th : dest.Height();
    for (int y = dest.top; y < dest.bottom; y += stepY) {
      const int h = std::min(stepY, dest.bottom - y);
      for (int x = dest.left; x < dest.right; x += stepX) {
        const int w = std::min(stepX, dest.right - x);
        Add({x, y, x + w, y + h},
            {source.left, source.top, g_.tileX ? source.left + w : source.right,
             g_.tileY ? source.top + h : source.bottom});
      }
    }
  }

 private:
  const NineGrid& g_;
  std::vector<BlitPiece>& pieces_;
};

}  // namespace

std::vector<BlitPiece> PlanNineGrid(const NineGrid& grid) {
  std::vector<BlitPiece> pieces;
  const IntRect& d = grid.dest;
  const IntRect& s = grid.source;
  const IntRect& c = grid.corners;
  if (!grid.blended && d.Width() == s.Width() && d.Height() == s.Height() && c.IsZero()) {
    const IntRect part = d.Intersection(grid.paint);
    if (!part.IsEmpty()) {
      pieces.push_back({part,
                        {s.left + part.left - d.left, s.top + part.top - d.top,
                         s.left + part.right - d.left, s.top + part.bottom - d.top}});
    }
    return pieces;
  }
  Planner plan(grid, pieces);
  if (!grid.hole) {
    plan.Middle({d.left + c.left, d.top + c.top, d.right - c.right, d.bottom - c.bottom},
                {s.left + c.left, s.top + c.top, s.right - c.right, s.bottom - c.bottom});
  }
  // The three pieces of a row (top or bottom) between y0 and y1 of each side.
  const auto row = [&](bool show, int dy0, int dy1, int sy0, int sy1) {
    if (!show) return;
    if (c.left > 0)
      plan.Add({d.left, dy0, d.left + c.left, dy1}, {s.left, sy0, s.left + c.left, sy1});
    plan.Add({d.left + c.left, dy0, d.right - c.right, dy1},
             {s.left + c.left, sy0, s.right - c.right, sy1});
    if (c.right > 0) {
      plan.Add({d.right - c.right, dy0, d.right, dy1}, {s.right - c.right, sy0, s.right, sy1});
    }
  };
  row(c.top > 0, d.top, d.top + c.top, s.top, s.top + c.top);
  if (c.left > 0) {
    plan.Add({d.left, d.top + c.top, d.left + c.left, d.bottom - c.bottom},
             {s.left, s.top + c.top, s.left + c.left, s.bottom - c.bottom});
  }
  if (c.right > 0) {
    plan.Add({d.right - c.right, d.top + c.top, d.right, d.bottom - c.bottom},
             {s.right - c.right, s.top + c.top, s.right, s.bottom - c.bottom});
  }
  row(c.bottom > 0, d.bottom - c.bottom, d.bottom, s.bottom - c.bottom, s.bottom);
  return pieces;
}

}  // namespace Veneer
