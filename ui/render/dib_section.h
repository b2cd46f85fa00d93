// 32-bit top-down device-independent sections: the format of decoded images,
// of the window's back buffer and of the blending scratch bitmaps.
#pragma once

#include <windows.h>

namespace Veneer {

// A width x height section, rows top to bottom, 4 bytes a pixel (blue,
// green, red, alpha); `bits` receives the pixels. nullptr on failure or for
// an empty size.
HBITMAP CreateTopDownDib(int width, int height, void** bits);

}  // namespace Veneer
