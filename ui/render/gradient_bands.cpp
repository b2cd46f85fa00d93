#include "ui/render/gradient_bands.h"

namespace Veneer {

std::vector<Band> GradientBands(const IntRect& rect, std::uint32_t topColour,
                                std::uint32_t bottomColour, int steps) {
  const int n = steps < 16 ? 8 : 16;
  const long long h = rect.Height();
  std::vector<Band> bands;
  for (int i = 0; i < n; ++i) {
    std::uint32_t colour = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const std::uint32_t top = (topColour >> shift) & 0xFF;
      const std::uint32_t bottom = (bottomColour >> shift) & 0xFF;
      colour |= ((bottom * (n - i) + top * i) / n) << shift;
    }
    const IntRect band = {rect.left, static_cast<int>(rect.bottom - h * (i + 1) / n), rect.right,
                          static_cast<int>(rect.bottom - h * i / n)};
    if (!band.IsEmpty()) bands.push_back({band, colour});
  }
  return bands;
}

}  // namespace Veneer
