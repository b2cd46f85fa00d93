#include "ui/render/dib_section.h"

namespace Veneer {

namespace {

HBITMAP CreateDib(int width, int height, bool topDown, void** bits) {
  *bits = nullptr;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = topDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

HBITMAP CreateTopDownDib(int width, int height, void** bits) {
  return CreateDib(width, height, true, bits);
}

HBITMAP CreateBottomUpDib(int width, int height, void** bits) {
  return CreateDib(width, height, false, bits);
}

}  // namespace Veneer
