#include "ui/markup/layout_window_attributes.h"

#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

SIZE ParseSize(const std::wstring& value) {
  int pair[2];
  ParseIntList(value, pair, 2);
  return {pair[0], pair[1]};
}

// The initial size resizes the window at once while it has no tree yet.
void ApplySize(PaintManager& m, const std::wstring& v) {
  const SIZE size = ParseSize(v);
  m.SetInitialSize(size);
  if (!m.GetRoot()) {
    SetWindowPos(m.GetWindow(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

// An opacity within 0..255 makes the window layered; any other removes the
// layered style (and is stored clamped).
void ApplyAlpha(PaintManager& m, const std::wstring& v) {
  const int alpha = ParseInt(v);
  m.SetOpacity(static_cast<BYTE>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha));
  const HWND window = m.GetWindow();
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (alpha >= 0 && alpha <= 255) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
  } else {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  }
}

template <DWORD DefaultColours::*colour>
void ApplyColour(PaintManager& m, const std::wstring& v) {
  DefaultColours colours = m.GetDefaultColours();
  colours.*colour = ParseColour(v);
  m.SetDefaultColours(colours);
}

struct WindowAttribute {
  std::wstring_view name;
  void (*apply)(PaintManager& m, const std::wstring& v);
};

const WindowAttribute kWindowAttributes[] = {
    {L"size", ApplySize},
    {L"sizebox",
     [](PaintManager& m, const std::wstring& v) { m.SetSizeBox(ToRECT(ParseIntRect(v))); }},
    {L"caption",
     [](PaintManager& m, const std::wstring& v) { m.SetCaption(ToRECT(ParseIntRect(v))); }},
    {L"roundcorner",
     [](PaintManager& m, const std::wstring& v) { m.SetRoundCorner(ParseSize(v)); }},
    {L"mininfo", [](PaintManager& m, const std::wstring& v) { m.SetMinSize(ParseSize(v)); }},
    {L"maxinfo", [](PaintManager& m, const std::wstring& v) { m.SetMaxSize(ParseSize(v)); }},
    {L"alpha", ApplyAlpha},
    {L"bktrans",
     [](PaintManager& m, const std::wstring& v) { m.SetTransparentBackground(ParseBool(v)); }},
    {L"disabledfontcolor", ApplyColour<&DefaultColours::disabledText>},
    {L"defaultfontcolor", ApplyColour<&DefaultColours::text>},
    {L"linkfontcolor", ApplyColour<&DefaultColours::link>},
    {L"linkhoverfontcolor", ApplyColour<&DefaultColours::linkHover>},
    {L"selectedcolor", ApplyColour<&DefaultColours::selectedBk>},
    {L"gdiplustext",
     [](PaintManager& m, const std::wstring& v) { m.SetGdiplusText(ParseBool(v)); }},
};

}  // namespace

void ApplyWindowAttribute(PaintManager& manager, std::wstring_view name,
                          const std::wstring& value) {
  for (const WindowAttribute& attribute : kWindowAttributes) {
    if (attribute.name == name) {
      attribute.apply(manager, value);
      return;
    }
  }
  manager.GetShadow().ApplyAttribute(std::wstring(name), value);
}

}  // namespace Veneer
