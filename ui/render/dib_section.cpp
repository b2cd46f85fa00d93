#include "ui/render/dib_section.h"

namespace Veneer {

HBITMAP CreateTopDownDib(int width, int height, void** bits) {
  *bits = nullptr;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace Veneer
