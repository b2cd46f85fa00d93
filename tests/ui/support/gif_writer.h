// Animated GIF pictures for the framework's tests: each frame one solid
// colour, each with its own delay, looping for ever.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Veneer::test {

struct GifFrame {
  std::uint32_t colour;  // 0xRRGGBB
  std::uint16_t delay;   // hundredths of a second
};

// Writes a width x height GIF of the frames; false on failure. At most four
// distinct colours.
bool WriteGif(const std::wstring& path, int width, int height, const std::vector<GifFrame>& frames);

}  // namespace Veneer::test
