// The pixels of a computed drop shadow. The parent window's outline, one
// span a row, is eroded until only the part that the soft edge does not
// cover is left; a round kernel is laid along the edges of what remains
// (dilation with blur); then the shadow under the window, shifted by the
// offset, is cut out and the rest of the inside filled.
// Platform-neutral.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/controls/shadow_style.h"

namespace Veneer {

// The part [start, end) of one row inside the window; empty when start >= end.
struct RowSpan {
  int start;
  int end;
};

// A shadow pixel of opacity `alpha` in `colour`: premultiplied BGRA, as
// UpdateLayeredWindow takes it.
std::uint32_t ShadowPixel(std::uint32_t colour, int alpha);

// Fills `bits`, (W + 2 * size) x (H + 2 * size) pixels stored bottom-up and
// cleared to 0 before, for a parent W pixels wide with the H row spans
// `parentRows` (parent coordinates).
void MakeShadowPixels(const ShadowStyle& style, int parentWidth,
                      const std::vector<RowSpan>& parentRows, std::uint32_t* bits);

}  // namespace Veneer
