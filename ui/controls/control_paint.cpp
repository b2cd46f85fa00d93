// Painting a control: background colour, background image, state image,
// text and border, in that order, inside the rounded clip when the border is
// rounded.
#include "ui/controls/control.h"
#include "ui/core/paint_manager.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

// A frame over `rect` with an inside-frame pen, rounded when `round` is set,
// not filled.
void DrawFrame(HDC dc, const RECT& rect, int width, DWORD colour, SIZE round) {
  ScopedPen pen(CreatePen(PS_INSIDEFRAME, width, ToColorRef(colour)));
  ScopedSelect selectPen(dc, pen.get());
  ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
  if (round.cx > 0 || round.cy > 0) {
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, round.cx, round.cy);
  } else {
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
}

}  // namespace

void CControlUI::Paint(HDC dc, const RECT& dirty) {
  if (!IntersectRect(&paintRect_, &rect_, &dirty)) return;
  if (borderRound_.cx <= 0 && borderRound_.cy <= 0) return PaintLayers(dc);
  ScopedRegion clip(CreateRectRgnIndirect(&paintRect_));
  ScopedRegion round(CreateRoundRectRgn(rect_.left, rect_.top, rect_.right + 1, rect_.bottom + 1,
                                        borderRound_.cx, borderRound_.cy));
  CombineRgn(clip.get(), clip.get(), round.get(), RGN_AND);
  ScopedClip scope(dc, clip.get());
  PaintLayers(dc);
}

void CControlUI::PaintLayers(HDC dc) {
  PaintBackgroundColor(dc);
  PaintBackgroundImage(dc);
  PaintStateImage(dc);
  PaintText(dc);
  PaintBorder(dc);
}

// One colour fills the paint area (the whole control when it is
// translucent); two make a gradient, three two gradients meeting halfway.
void CControlUI::PaintBackgroundColor(HDC dc) {
  const DWORD first = bkColor_[0];
  if (first == 0) return;
  if (bkColor_[1] == 0) {
    CRenderer::RenderColor(dc, (first >> 24) == 0xFF ? paintRect_ : rect_, first);
  } else if (bkColor_[2] != 0) {
    RECT upper = rect_;
    upper.bottom = (rect_.top + rect_.bottom) / 2;
    RECT lower = rect_;
    lower.top = upper.bottom;
    CRenderer::RenderGradient(dc, upper, first, bkColor_[1], 8);
    CRenderer::RenderGradient(dc, lower, bkColor_[1], bkColor_[2], 8);
  } else {
    CRenderer::RenderGradient(dc, rect_, first, bkColor_[1], 16);
  }
}

void CControlUI::PaintBackgroundImage(HDC dc) {
  if (!bkImage_.empty()) DrawImage(dc, bkImage_);
}

void CControlUI::PaintStateImage(HDC) {}
void CControlUI::PaintText(HDC) {}
void CControlUI::PaintOverlay(HDC, const RECT&) {}

void CControlUI::PaintBorder(HDC dc) {
  if (borderColour_ == 0 && focusBorderColour_ == 0) return;
  const bool rounded = borderRound_.cx != 0 || borderRound_.cy != 0;
  const bool focusFrame = IsFocused() && focusBorderColour_ != 0;
  const RECT& sides = sideBorders_;
  if (borderSize_ > 0 && rounded) {
    DrawFrame(dc, rect_, borderSize_, focusFrame ? focusBorderColour_ : borderColour_,
              borderRound_);
  } else if (focusFrame && borderSize_ > 0) {
    DrawFrame(dc, rect_, borderSize_, focusBorderColour_, {0, 0});
  } else if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
    PaintSideBorders(dc);
  } else if (borderSize_ > 0) {
    DrawFrame(dc, rect_, borderSize_, borderColour_, {0, 0});
  }
}

// Each side a line of its own width along the edge; the right and bottom
// lines run along the exclusive edges.
void CControlUI::PaintSideBorders(HDC dc) {
  const RECT& r = rect_;
  const RECT& sides = sideBorders_;
  const struct {
    LONG width;
    RECT line;
  } edges[] = {
      {sides.left, {r.left, r.top, r.left, r.bottom}},
      {sides.top, {r.left, r.top, r.right, r.top}},
      {sides.right, {r.right, r.top, r.right, r.bottom}},
      {sides.bottom, {r.left, r.bottom, r.right, r.bottom}},
  };
  for (const auto& edge : edges) {
    if (edge.width > 0) {
      CRenderer::RenderLine(dc, edge.line, edge.width, borderColour_, borderStyle_);
    }
  }
}

bool CControlUI::DrawImage(HDC dc, std::wstring& description, const std::wstring& modify) {
  if (CRenderer::RenderImageSpec(dc, manager_, rect_, paintRect_, description, modify)) {
    return true;
  }
  description.clear();
  return false;
}

}  // namespace Veneer
