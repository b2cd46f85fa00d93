// 32-bit device-independent sections: top-down for decoded images, the
// window's back buffer and the blending scratch bitmaps; bottom-up for the
// drop shadow.
#pragma once

#include <windows.h>

namespace Veneer {

// A width x height section, rows top to bottom, 4 bytes a pixel (blue,
// green, red, alpha); `bits` receives the pixels. nullptr on failure or for
// an empty size.
HBITMAP CreateTopDownDib(int width, int height, void** bits);
// The same with the rows from the bottom up.
HBITMAP CreateBottomUpDib(int width, int height, void** bits);

}  // namespace Veneer
