// Colour fills, vertical gradients and lines.
#include <objidl.h>

#include <gdiplus.h>

#include "ui/render/blend_functions.h"
#include "ui/render/dib_section.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/gradient_bands.h"
#include "ui/render/pixel_format.h"
#include "ui/render/renderer.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

BYTE AlphaOf(DWORD argb) {
  return static_cast<BYTE>(argb >> 24);
}

COLOR16 Channel(DWORD argb, int shift) {
  return static_cast<COLOR16>(((argb >> shift) & 0xFF) << 8);
}

void FillGradient(HDC dc, const RECT& rect, DWORD top, DWORD bottom, int steps) {
  if (GradientFillFunction gradientFill = BlendFunctions().gradientFill) {
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, Channel(top, 16), Channel(top, 8), Channel(top, 0), 0xFF00},
        {rect.right, rect.bottom, Channel(bottom, 16), Channel(bottom, 8), Channel(bottom, 0),
         0xFF00},
    };
    GRADIENT_RECT mesh = {0, 1};
    gradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
    return;
  }
  for (const Band& band : GradientBands(ToIntRect(rect), top, bottom, steps)) {
    ScopedBrush brush(CreateSolidBrush(ToColorRef(band.colour)));
    const RECT r = ToRECT(band.rect);
    FillRect(dc, &r, brush.get());
  }
}

}  // namespace

// An opaque colour gives the same pixels through GDI, which is many times
// faster than setting GDI+ up on the device context for one fill.
void CRenderer::RenderColor(HDC dc, const RECT& rect, DWORD colour) {
  if (AlphaOf(colour) == 0) return;
  if (AlphaOf(colour) == 255) {
    ScopedBrush brush(CreateSolidBrush(ToColorRef(colour)));
    FillRect(dc, &rect, brush.get());
    return;
  }
  Gdiplus::Graphics graphics(dc);
  Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
  graphics.FillRectangle(&brush, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                         static_cast<INT>(rect.right - rect.left),
                         static_cast<INT>(rect.bottom - rect.top));
}

// A translucent gradient is drawn opaque into a scratch section first and
// then blended with the mean alpha of its two colours.
void CRenderer::RenderGradient(HDC dc, const RECT& rect, DWORD topColour, DWORD bottomColour,
                               int steps) {
  const BYTE alpha = static_cast<BYTE>((AlphaOf(topColour) + AlphaOf(bottomColour)) / 2);
  if (alpha == 0) return;
  if (alpha == 255) return FillGradient(dc, rect, topColour, bottomColour, steps);
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  void* bits = nullptr;
  ScopedBitmap scratch(CreateTopDownDib(w, h, &bits));
  if (!scratch) return;
  {
    ScopedMemoryDc scratchDc(CreateCompatibleDC(dc));
    if (!scratchDc) return;
    ScopedSelect select(scratchDc.get(), scratch.get());
    FillGradient(scratchDc.get(), {0, 0, w, h}, topColour, bottomColour, steps);
    GdiFlush();
  }  // a bitmap is selected into one device context at a time
  MakeOpaque(static_cast<std::uint8_t*>(bits), static_cast<std::size_t>(w) * h);
  RenderNineGrid(dc, scratch.get(), rect, rect, {0, 0, w, h}, {0, 0, 0, 0}, true, alpha, false,
                 false, false);
}

void CRenderer::RenderLine(HDC dc, const RECT& rect, int width, DWORD colour, int penStyle) {
  ScopedPen pen(CreatePen(penStyle, width, ToColorRef(colour)));
  ScopedSelect select(dc, pen.get());
  MoveToEx(dc, rect.left, rect.top, nullptr);
  LineTo(dc, rect.right, rect.bottom);
}

}  // namespace Veneer
