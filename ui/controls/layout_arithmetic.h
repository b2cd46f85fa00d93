// The arithmetic of the layouts: where the children of a vertical,
// horizontal or tab layout go, and where a floating child goes inside its
// container. Pure functions over plain numbers; the layouts feed them with
// their children's sizes and place the children at the results.
//
// Skin values are hostile: sums run in 64 bits and every coordinate that
// comes out is saturated to the int range. Platform-neutral.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "ui/core/int_rect.h"

namespace Veneer {

struct IntSize {
  int cx = 0;
  int cy = 0;
};

struct SizeLimits {
  int minWidth = 0;
  int maxWidth = 9999;
  int minHeight = 0;
  int maxHeight = 9999;
};

// One child that takes part in a flow (visible, not floating).
struct FlowChild {
  IntRect padding;
  SizeLimits limits;
};

// What a child answers when it is measured: the size it wants (0 along the
// flow: stretch it) and its fixed size as it stands after measuring (a
// label that measures its own width fixes it then).
struct Measured {
  IntSize wanted;
  IntSize fixed;
};
using MeasureChild = std::function<Measured(std::size_t child, IntSize available)>;

struct FlowInput {
  IntRect content;    // the layout's rectangle less inset and visible scroll bars
  IntSize available;  // the content size, widened by a horizontal scroll range
  int originX = 0;    // where the first child starts: the content's corner less
  int originY = 0;    // the scroll positions that apply
  int childPadding = 0;
};

struct FlowResult {
  std::vector<IntRect> rects;  // one per child, in order
  int needed = 0;              // the extent the children need along the flow
};

// Children one below the other, left-aligned in the column. Stretchable
// children share what the fixed ones leave (the division's remainder stays
// empty below the last child) and are clamped only afterwards, so a clamped
// child pushes the following ones down.
FlowResult FlowColumn(const FlowInput& input, const std::vector<FlowChild>& children,
                      const MeasureChild& measure);
// The same along a row: children side by side, top-aligned.
FlowResult FlowRow(const FlowInput& input, const std::vector<FlowChild>& children,
                   const MeasureChild& measure);

// The selected page of a tab layout: the content less the page's padding,
// sized by the page's measurement (0: the whole extent), clamped, anchored
// at the top left.
IntRect PlaceTabPage(const IntRect& content, const FlowChild& page, const MeasureChild& measure);

// What a "pos" of l,t,r,b says: the float offset (l, or r when l is
// negative; t, or b when t is negative) and the size r - l by b - t,
// saturated; a negative size is for the setters to ignore.
struct PosPlacement {
  IntSize offset;
  IntSize size;
};
PosPlacement PlacementOfPos(const IntRect& pos);

// A floating child's placement: offset x or y >= 0 counts from the
// container's left or top edge, a negative one from its right or bottom edge.
struct FloatPlacement {
  IntSize offset;
  IntSize size;
  bool relative = false;  // the relative rule applies
  IntSize baseSize;       // the container size the rule's percentages count from
  int moveX = 0, moveY = 0, zoomX = 0, zoomY = 0;
};
// The child's rectangle in `container`; with the relative rule, the child
// also moves and grows by percentages of the container's growth since the
// base size, which the caller then sets to the container's size.
IntRect PlaceFloating(const IntRect& container, const FloatPlacement& placement);

}  // namespace Veneer
