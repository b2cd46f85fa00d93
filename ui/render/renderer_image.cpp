// Images: descriptions, the registry, and the nine-grid blit with its
// software blend for systems without AlphaBlend.
#include <algorithm>
#include <vector>

#include "ui/core/paint_manager.h"
#include "ui/render/blend_functions.h"
#include "ui/render/dib_section.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/nine_grid.h"
#include "ui/render/pixel_format.h"
#include "ui/render/renderer.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

// AlphaBlend done by hand: the source part stretched to the destination's
// size, blended with the destination's pixels, copied back.
void SoftwareBlend(HDC dc, const IntRect& d, HDC source, const IntRect& s, BYTE constant) {
  const int w = d.Width();
  const int h = d.Height();
  void* sourceBits = nullptr;
  void* destBits = nullptr;
  ScopedBitmap sourceCopy(CreateTopDownDib(w, h, &sourceBits));
  ScopedBitmap destCopy(CreateTopDownDib(w, h, &destBits));
  ScopedMemoryDc scratch(CreateCompatibleDC(dc));
  if (!sourceCopy || !destCopy || !scratch) return;
  {
    ScopedSelect select(scratch.get(), sourceCopy.get());
    SetStretchBltMode(scratch.get(), COLORONCOLOR);
    StretchBlt(scratch.get(), 0, 0, w, h, source, s.left, s.top, s.Width(), s.Height(), SRCCOPY);
  }
  ScopedSelect select(scratch.get(), destCopy.get());
  BitBlt(scratch.get(), 0, 0, w, h, dc, d.left, d.top, SRCCOPY);
  GdiFlush();
  BlendPremultiplied(static_cast<const std::uint8_t*>(sourceBits),
                     static_cast<std::uint8_t*>(destBits), static_cast<std::size_t>(w) * h,
                     constant);
  BitBlt(dc, d.left, d.top, w, h, scratch.get(), 0, 0, SRCCOPY);
}

void BlendPiece(HDC dc, const BlitPiece& piece, HDC source, BYTE fade) {
  const IntRect& d = piece.dest;
  const IntRect& s = piece.source;
  if (AlphaBlendFunction alphaBlend = BlendFunctions().alphaBlend) {
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, fade, AC_SRC_ALPHA};
    alphaBlend(dc, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, s.Width(),
               s.Height(), blend);
  } else {
    SoftwareBlend(dc, d, source, s, fade);
  }
}

void CopyPiece(HDC dc, const BlitPiece& piece, HDC source) {
  const IntRect& d = piece.dest;
  const IntRect& s = piece.source;
  if (d.Width() == s.Width() && d.Height() == s.Height()) {
    BitBlt(dc, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, SRCCOPY);
  } else {
    StretchBlt(dc, d.left, d.top, d.Width(), d.Height(), source, s.left, s.top, s.Width(),
               s.Height(), SRCCOPY);
  }
}

}  // namespace

bool CRenderer::RenderImageSpec(HDC dc, PaintManager* manager, const RECT& rect,
                                const RECT& paintRect, const std::wstring& imageText,
                                const std::wstring& modifyText) {
  if (!dc || !manager) return false;
  for (const ImageDraw& draw : ParseImageDescription(imageText, modifyText, ToIntRect(rect))) {
    RenderNamedImage(dc, manager, rect, paintRect, draw);
  }
  return true;
}

bool CRenderer::RenderNamedImage(HDC dc, PaintManager* manager, const RECT& rect,
                                 const RECT& paintRect, const ImageDraw& draw) {
  if (draw.name.empty()) return false;
  const ImageEntry* entry = manager->FindImage(draw.name);
  if (!entry) entry = manager->RegisterImage(draw.name, draw.resourceType, draw.maskColour);
  if (!entry) return false;
  IntRect source = draw.source.IsZero() ? IntRect{0, 0, entry->width, entry->height} : draw.source;
  source.right = std::min(source.right, entry->width);
  source.bottom = std::min(source.bottom, entry->height);
  if (!draw.dest.Intersects(ToIntRect(rect)) || !draw.dest.Intersects(ToIntRect(paintRect))) {
    return true;
  }
  RenderNineGrid(dc, entry->bitmap.get(), ToRECT(draw.dest), paintRect, ToRECT(source),
                 ToRECT(draw.corners), entry->hasAlpha, draw.fade, draw.hole, draw.tileX,
                 draw.tileY);
  return true;
}

void CRenderer::RenderNineGrid(HDC dc, HBITMAP bitmap, const RECT& destRect, const RECT& paintRect,
                               const RECT& sourceRect, const RECT& corners, bool alpha, BYTE fade,
                               bool hole, bool tileX, bool tileY) {
  if (!bitmap) return;
  NineGrid grid;
  grid.dest = ToIntRect(destRect);
  grid.paint = ToIntRect(paintRect);
  grid.source = ToIntRect(sourceRect);
  grid.corners = ToIntRect(corners);
  grid.blended = alpha || fade < 255;
  grid.hole = hole;
  grid.tileX = tileX;
  grid.tileY = tileY;
  const std::vector<BlitPiece> pieces = PlanNineGrid(grid);
  if (pieces.empty() || (grid.blended && fade == 0)) return;
  ScopedMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  ScopedSelect select(source.get(), bitmap);
  SetStretchBltMode(dc, HALFTONE);
  for (const BlitPiece& piece : pieces) {
    if (grid.blended) {
      BlendPiece(dc, piece, source.get(), fade);
    } else {
      CopyPiece(dc, piece, source.get());
    }
  }
}

}  // namespace Veneer
