#include "ui/controls/layout_arithmetic.h"

#include <climits>
#include <cstdint>

namespace Veneer {
namespace {

using Wide = std::int64_t;

int Saturate(Wide value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// The upper clamp wins when the limits cross.
Wide Clamp(Wide value, int low, int high) {
  if (value < low) value = low;
  if (value > high) value = high;
  return value;
}

// Percentages beyond a million are absurd; bounding them keeps the products
// inside 64 bits.
Wide Percent(int percent) {
  return Clamp(percent, -1000000, 1000000);
}

IntRect RectOf(Wide left, Wide top, Wide right, Wide bottom) {
  return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

// The flow's axis: `along` is the direction in which children follow each
// other, `across` the other one. A column flows along y, a row along x.
struct Axis {
  bool vertical;

  Wide Along(IntSize s) const { return vertical ? s.cy : s.cx; }
  Wide Across(IntSize s) const { return vertical ? s.cx : s.cy; }
  Wide Before(const IntRect& p) const { return vertical ? p.top : p.left; }
  Wide After(const IntRect& p) const { return vertical ? p.bottom : p.right; }
  Wide CrossBefore(const IntRect& p) const { return vertical ? p.left : p.top; }
  Wide CrossAfter(const IntRect& p) const { return vertical ? p.right : p.bottom; }
  int MinAlong(const SizeLimits& l) const { return vertical ? l.minHeight : l.minWidth; }
  int MaxAlong(const SizeLimits& l) const { return vertical ? l.maxHeight : l.maxWidth; }
  int MinAcross(const SizeLimits& l) const { return vertical ? l.minWidth : l.minHeight; }
  int MaxAcross(const SizeLimits& l) const { return vertical ? l.maxWidth : l.maxHeight; }
  IntSize Make(Wide along, Wide across) const {
    return vertical ? IntSize{Saturate(across), Saturate(along)}
                    : IntSize{Saturate(along), Saturate(across)};
  }
};

// The first pass: the share of each stretchable child (0 when there is
// none or nothing is left), and how many children are shown.
struct Share {
  Wide share = 0;
  Wide shown = 0;
};

Share ShareOut(const Axis& axis, const FlowInput& in, const std::vector<FlowChild>& children,
               const MeasureChild& measure) {
  Wide fixed = 0;
  Wide stretchable = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const FlowChild& child = children[i];
    Wide along = axis.Along(measure(i, in.available).wanted);
    if (along == 0) {
      ++stretchable;
    } else {
      along = Clamp(along, axis.MinAlong(child.limits), axis.MaxAlong(child.limits));
    }
    fixed += along + axis.Before(child.padding) + axis.After(child.padding);
  }
  Share result;
  result.shown = static_cast<Wide>(children.size());
  if (result.shown > 0) fixed += Wide{in.childPadding} * (result.shown - 1);
  if (stretchable > 0) {
    const Wide share = (axis.Along(in.available) - fixed) / stretchable;
    result.share = share > 0 ? share : 0;
  }
  return result;
}

FlowResult Flow(const Axis& axis, const FlowInput& in, const std::vector<FlowChild>& children,
                const MeasureChild& measure) {
  const Share share = ShareOut(axis, in, children, measure);
  FlowResult result;
  result.rects.reserve(children.size());
  Wide at = axis.vertical ? in.originY : in.originX;
  Wide remaining = axis.Along(in.available);
  Wide needed = 0;
  // A column's children start at the scrolled left edge; a row's children
  // at the content's top, the vertical scroll position not applied.
  const Wide crossStart = axis.vertical ? in.originX : in.content.top;
  const Wide crossExtent =
      axis.vertical ? axis.Across(in.available) : Wide{in.content.bottom} - in.content.top;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const FlowChild& child = children[i];
    const IntRect& p = child.padding;
    remaining -= axis.Before(p);
    const Measured m = measure(i, axis.Make(remaining, axis.Across(in.available)));
    Wide along = axis.Along(m.wanted);
    if (along == 0) along = share.share;
    along = Clamp(along, axis.MinAlong(child.limits), axis.MaxAlong(child.limits));
    Wide across = axis.Across(m.fixed);
    if (across == 0) across = crossExtent - axis.CrossBefore(p) - axis.CrossAfter(p);
    if (across < 0) across = 0;
    across = Clamp(across, axis.MinAcross(child.limits), axis.MaxAcross(child.limits));
    const Wide start = at + axis.Before(p);
    const Wide crossAt = crossStart + axis.CrossBefore(p);
    result.rects.push_back(axis.vertical ? RectOf(crossAt, start, crossAt + across, start + along)
                                         : RectOf(start, crossAt, start + along, crossAt + across));
    at += along + axis.Before(p) + axis.After(p) + in.childPadding;
    needed += along + axis.Before(p) + axis.After(p);
    remaining -= along + axis.After(p) + in.childPadding;
  }
  if (share.shown > 0) needed += Wide{in.childPadding} * (share.shown - 1);
  result.needed = Saturate(needed);
  return result;
}

}  // namespace

FlowResult FlowColumn(const FlowInput& input, const std::vector<FlowChild>& children,
                      const MeasureChild& measure) {
  return Flow(Axis{true}, input, children, measure);
}

FlowResult FlowRow(const FlowInput& input, const std::vector<FlowChild>& children,
                   const MeasureChild& measure) {
  return Flow(Axis{false}, input, children, measure);
}

IntRect PlaceTabPage(const IntRect& content, const FlowChild& page, const MeasureChild& measure) {
  const IntRect& p = page.padding;
  const Wide left = Wide{content.left} + p.left;
  const Wide top = Wide{content.top} + p.top;
  const Wide width = Wide{content.right} - p.right - left;
  const Wide height = Wide{content.bottom} - p.bottom - top;
  const Measured m = measure(0, {Saturate(width), Saturate(height)});
  Wide cx = m.wanted.cx;
  if (cx == 0) cx = width > 0 ? width : 0;
  cx = Clamp(cx, page.limits.minWidth, page.limits.maxWidth);
  Wide cy = m.wanted.cy;
  if (cy == 0) cy = height > 0 ? height : 0;
  cy = Clamp(cy, page.limits.minHeight, page.limits.maxHeight);
  return RectOf(left, top, left + cx, top + cy);
}

PosPlacement PlacementOfPos(const IntRect& pos) {
  PosPlacement p;
  p.offset = {pos.left >= 0 ? pos.left : pos.right, pos.top >= 0 ? pos.top : pos.bottom};
  p.size = {Saturate(Wide{pos.right} - pos.left), Saturate(Wide{pos.bottom} - pos.top)};
  return p;
}

// One axis of a floating child: from the near edge when the offset is not
// negative, else back from the far edge.
void Anchor(Wide nearEdge, Wide farEdge, int offset, int size, Wide& begin, Wide& end) {
  if (offset >= 0) {
    begin = nearEdge + offset;
    end = begin + size;
  } else {
    end = farEdge + offset;
    begin = end - size;
  }
}

IntRect PlaceFloating(const IntRect& container, const FloatPlacement& f) {
  Wide left, right, top, bottom;
  Anchor(container.left, container.right, f.offset.cx, f.size.cx, left, right);
  Anchor(container.top, container.bottom, f.offset.cy, f.size.cy, top, bottom);
  if (f.relative && f.baseSize.cx != 0) {
    const Wide grownX = Wide{container.right} - container.left - f.baseSize.cx;
    const Wide grownY = Wide{container.bottom} - container.top - f.baseSize.cy;
    left += Percent(f.moveX) * grownX / 100;
    top += grownY * Percent(f.moveY) / 100;
    right = left + f.size.cx + grownX * Percent(f.zoomX) / 100;
    bottom = top + f.size.cy + grownY * Percent(f.zoomY) / 100;
  }
  return RectOf(left, top, right, bottom);
}

}  // namespace Veneer
