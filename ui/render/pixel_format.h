// Pixel conversions of the render engine. Platform-neutral.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Veneer {

// Decoded RGBA bytes to premultiplied BGRA (colour * alpha / 255, rounded
// down); a finished pixel equal to `maskColour` (read as 0xAARRGGBB) becomes
// fully transparent. True when some pixel isn't opaque or was keyed out.
bool ConvertToPremultipliedBgra(const std::uint8_t* rgba, std::size_t pixels,
                                std::uint32_t maskColour, std::uint8_t* bgra);

// Source-over blending of premultiplied BGRA pixels with a constant alpha,
// as AlphaBlend with AC_SRC_ALPHA does it: with x = constant * source alpha
// / 255 / 255, each byte becomes dest * (1 - x) + source * constant / 255,
// truncated.
void BlendPremultiplied(const std::uint8_t* source, std::uint8_t* dest, std::size_t pixels,
                        std::uint8_t constantAlpha);

// Sets every alpha byte of BGRA pixels to 255.
void MakeOpaque(std::uint8_t* bgra, std::size_t pixels);

}  // namespace Veneer
