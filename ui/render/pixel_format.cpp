#include "ui/render/pixel_format.h"

namespace Veneer {

bool ConvertToPremultipliedBgra(const std::uint8_t* rgba, std::size_t pixels,
                                std::uint32_t maskColour, std::uint8_t* bgra) {
  bool hasAlpha = false;
  for (std::size_t i = 0; i < pixels; ++i, rgba += 4, bgra += 4) {
    const unsigned alpha = rgba[3];
    bgra[3] = static_cast<std::uint8_t>(alpha);
    for (int c = 0; c < 3; ++c) {
      bgra[2 - c] = static_cast<std::uint8_t>(alpha == 255 ? rgba[c] : rgba[c] * alpha / 255);
    }
    if (alpha != 255) hasAlpha = true;
    const std::uint32_t pixel = (std::uint32_t{bgra[3]} << 24) | (std::uint32_t{bgra[2]} << 16) |
                                (std::uint32_t{bgra[1]} << 8) | bgra[0];
    if (pixel == maskColour) {
      bgra[0] = bgra[1] = bgra[2] = bgra[3] = 0;
      hasAlpha = true;
    }
  }
  return hasAlpha;
}

void BlendPremultiplied(const std::uint8_t* source, std::uint8_t* dest, std::size_t pixels,
                        std::uint8_t constantAlpha) {
  const double constant = constantAlpha / 255.0;
  for (std::size_t i = 0; i < pixels; ++i, source += 4, dest += 4) {
    const double x = constant * source[3] / 255.0;
    for (int c = 0; c < 4; ++c) {
      // Pixels that aren't properly premultiplied could go past 255.
      const double value = dest[c] * (1.0 - x) + source[c] * constant;
      dest[c] = static_cast<std::uint8_t>(value < 255.0 ? value : 255.0);
    }
  }
}

void MakeOpaque(std::uint8_t* bgra, std::size_t pixels) {
  for (std::size_t i = 0; i < pixels; ++i) bgra[i * 4 + 3] = 255;
}

}  // namespace Veneer
