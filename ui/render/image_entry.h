// One decoded image as the paint manager's registry keeps it: a 32-bit
// top-down DIB section of premultiplied blue-green-red-alpha pixels.
#pragma once

#include <windows.h>

#include <string>

#include "ui/render/gdi_handles.h"

namespace Veneer {

struct ImageEntry {
  ScopedBitmap bitmap;
  int width = 0;
  int height = 0;
  bool hasAlpha = false;      // some pixel isn't opaque, or was keyed out
  std::wstring resourceType;  // empty for images loaded by file name
  DWORD maskColour = 0;       // the ARGB colour keyed out at load time
};

}  // namespace Veneer
