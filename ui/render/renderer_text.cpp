// Text in one of the paint manager's fonts, drawn with GDI or GDI+.
#include <objidl.h>

#include <gdiplus.h>

#include <memory>

#include "ui/core/paint_manager.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

void DrawWithGdi(HDC dc, HFONT font, RECT& rect, const std::wstring& text, DWORD colour,
                 UINT format) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colour));
  ScopedSelect select(dc, font);
  // Skins never mean "&" as a mnemonic.
  DrawTextW(dc, text.c_str(), -1, &rect, format | DT_NOPREFIX);
}

void ApplyFormat(Gdiplus::StringFormat& stringFormat, UINT format) {
  if (format & DT_END_ELLIPSIS) stringFormat.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  INT flags = stringFormat.GetFormatFlags();
  if (format & DT_NOCLIP) flags |= Gdiplus::StringFormatFlagsNoClip;
  if (format & DT_SINGLELINE) flags |= Gdiplus::StringFormatFlagsNoWrap;
  stringFormat.SetFormatFlags(flags);
  const auto horizontal = (format & DT_CENTER)  ? Gdiplus::StringAlignmentCenter
                          : (format & DT_RIGHT) ? Gdiplus::StringAlignmentFar
                                                : Gdiplus::StringAlignmentNear;
  const auto vertical = (format & DT_VCENTER)  ? Gdiplus::StringAlignmentCenter
                        : (format & DT_BOTTOM) ? Gdiplus::StringAlignmentFar
                                               : Gdiplus::StringAlignmentNear;
  stringFormat.SetAlignment(horizontal);
  stringFormat.SetLineAlignment(vertical);
}

// The GDI+ font of a GDI font, or nullptr when GDI+ can't use it (it knows
// TrueType faces only; wine's GDI+ only those of the system).
std::unique_ptr<Gdiplus::Font> GdiplusFontOf(HDC dc, HFONT font) {
  LOGFONTW logical = {};
  auto made = GetObjectW(font, sizeof(logical), &logical)
                  ? std::make_unique<Gdiplus::Font>(dc, &logical)
                  : std::make_unique<Gdiplus::Font>(dc);
  if (made->GetLastStatus() != Gdiplus::Ok) return nullptr;
  return made;
}

// Measuring sets right and bottom one pixel beyond the measured size.
void DrawWithGdiplus(HDC dc, const Gdiplus::Font& font, RECT& rect, const std::wstring& text,
                     DWORD colour, UINT format) {
  Gdiplus::Graphics graphics(dc);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
  Gdiplus::SolidBrush brush(Gdiplus::Color((colour & 0x00FFFFFF) | 0xFE000000));
  std::unique_ptr<Gdiplus::StringFormat> stringFormat(
      Gdiplus::StringFormat::GenericTypographic()->Clone());
  if (!stringFormat) return;
  ApplyFormat(*stringFormat, format);
  const Gdiplus::RectF area(static_cast<Gdiplus::REAL>(rect.left),
                            static_cast<Gdiplus::REAL>(rect.top),
                            static_cast<Gdiplus::REAL>(rect.right - rect.left),
                            static_cast<Gdiplus::REAL>(rect.bottom - rect.top));
  if (format & DT_CALCRECT) {
    Gdiplus::RectF bounds;
    graphics.MeasureString(text.c_str(), -1, &font, area, stringFormat.get(), &bounds);
    rect.right = rect.left + static_cast<LONG>(bounds.Width) + 1;
    rect.bottom = rect.top + static_cast<LONG>(bounds.Height) + 1;
  } else {
    graphics.DrawString(text.c_str(), -1, &font, area, stringFormat.get(), &brush);
  }
}

}  // namespace

void CRenderer::RenderText(HDC dc, PaintManager* manager, RECT& rect, const std::wstring& text,
                           DWORD colour, int fontIndex, UINT format) {
  if (text.empty() || !manager) return;
  const HFONT font = manager->GetFont(fontIndex);
  if (manager->IsGdiplusText()) {
    // A face GDI+ can't use is drawn with GDI rather than not at all.
    if (auto gdiplusFont = GdiplusFontOf(dc, font)) {
      return DrawWithGdiplus(dc, *gdiplusFont, rect, text, colour, format);
    }
  }
  DrawWithGdi(dc, font, rect, text, colour, format);
}

}  // namespace Veneer
