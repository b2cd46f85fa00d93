// What a point of a skinned window is for: a resize edge from the skin's
// size box, the caption band that drags the window, or plain client area.
// Platform-neutral.
#pragma once

#include <string_view>

#include "ui/core/int_rect.h"

namespace Veneer {

enum class WindowZone {
  kClient,
  kLeft,
  kRight,
  kTop,
  kTopLeft,
  kTopRight,
  kBottom,
  kBottomLeft,
  kBottomRight,
};

// The resize edge under (x, y) of the client area with the size box's
// left, top, right and bottom widths; kClient when the point is on none.
WindowZone SizeBoxZone(int x, int y, const IntRect& client, const IntRect& sizeBox);

// Whether (x, y) lies in the caption band: inside the client area's width
// less the caption's left and right, between its top and bottom.
bool InCaptionBand(int x, int y, const IntRect& client, const IntRect& caption);

// Controls of these classes take a press themselves, so the caption band
// does not drag the window through them (compared case-insensitively).
bool TakesPressInCaption(std::wstring_view className);

}  // namespace Veneer
