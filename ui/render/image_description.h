// Image description texts, the syntax of the skin's image attributes:
//   file='btn.png' source='0,0,16,16' dest='2,2,18,18' corner='4,4,4,4'
//   mask='#FFFF00FF' fade='128' hole='true' xtiled='true' ytiled='true'
// or a bare image name. Parsing yields the draws the text asks for, each
// with the values as they stood when it was drawn. Platform-neutral.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/core/int_rect.h"

namespace Veneer {

struct ImageDraw {
  std::wstring name;
  std::wstring resourceType;  // non-empty: the name is a numeric resource id
  IntRect dest;               // inside the control's rectangle
  IntRect source;             // all zero: the whole image
  IntRect corners;            // widths of the fixed borders of the nine-grid
  std::uint32_t maskColour = 0;
  std::uint8_t fade = 255;
  bool hole = false;
  bool tileX = false;
  bool tileY = false;
};

// Parses `text`, then `modify` (which may be empty), against the control
// rectangle `rect`. Values persist from pair to pair and into `modify`; a
// second "file" (or "res", "restype") draws the image described so far
// first. The last draw always comes: a malformed text draws what parsed.
std::vector<ImageDraw> ParseImageDescription(std::wstring_view text, std::wstring_view modify,
                                             const IntRect& rect);

// The resource id of an image name: its leading decimal number, cut to 16
// bits; nothing when the name doesn't start with a digit.
std::optional<std::uint16_t> ResourceIdOf(std::wstring_view name);

}  // namespace Veneer
