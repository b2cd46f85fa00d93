// The banded stand-in for a vertical gradient where the platform has no
// GradientFill: 8 bands (16 for 16 steps or more) of solid colour, the first
// at the bottom in the bottom colour. Platform-neutral.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/core/int_rect.h"

namespace Veneer {

struct Band {
  IntRect rect;
  std::uint32_t colour;  // 0x00RRGGBB
};

// Empty bands are left out.
std::vector<Band> GradientBands(const IntRect& rect, std::uint32_t topColour,
                                std::uint32_t bottomColour, int steps);

}  // namespace Veneer
