// Where a window of a given size goes when it is centred over an area and
// kept inside a monitor's work area. Platform-neutral.
#pragma once

namespace Veneer {

struct Span {
  int begin;  // first coordinate
  int end;    // one past the last
};

// The start coordinate of a window of `size` centred over `area` along one
// axis, then moved inside `work`: a window larger than the work area starts
// at its beginning.
int CenteredStart(Span area, Span work, int size);

}  // namespace Veneer
