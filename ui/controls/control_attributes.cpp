// The skin attributes of the base control.
#include "ui/controls/attribute_table.h"
#include "ui/controls/control.h"
#include "ui/controls/layout_arithmetic.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CControlUI>;

// "pos" l,t,r,b: a negative left or top anchors to the right or bottom edge.
void ApplyPos(CControlUI& c, const std::wstring& v) {
  const PosPlacement p = PlacementOfPos(ParseIntRect(v));
  c.SetFloatOffset({p.offset.cx, p.offset.cy});
  c.SetFixedWidth(p.size.cx);
  c.SetFixedHeight(p.size.cy);
}

// "bordersize" is one uniform width, or four side widths with commas.
void ApplyBorderSize(CControlUI& c, const std::wstring& v) {
  if (v.find(L',') != std::wstring::npos) {
    c.SetSideBorderSizes(ToRECT(ParseIntRect(v)));
  } else {
    c.SetBorderSize(ParseInt(v));
    c.SetSideBorderSizes({0, 0, 0, 0});
  }
  c.Invalidate();
}

template <LONG RECT::*side>
void ApplySideBorder(CControlUI& c, const std::wstring& v) {
  RECT sizes = c.GetSideBorderSizes();
  sizes.*side = ParseInt(v);
  c.SetSideBorderSizes(sizes);
}

const Row kRows[] = {
    {L"pos", ApplyPos},
    {L"relativepos",
     [](CControlUI& c, const std::wstring& v) {
       const IntRect r = ParseIntRect(v);
       c.SetRelativeRule(r.left, r.top, r.right, r.bottom);
     }},
    {L"padding", [](CControlUI& c, const std::wstring& v) { c.SetPadding(ToRECT(ParseIntRect(v))); }},
    {L"bkcolor", [](CControlUI& c, const std::wstring& v) { c.SetBkColor(ParseColour(v), 0); }},
    {L"bkcolor1", [](CControlUI& c, const std::wstring& v) { c.SetBkColor(ParseColour(v), 0); }},
    {L"bkcolor2", [](CControlUI& c, const std::wstring& v) { c.SetBkColor(ParseColour(v), 1); }},
    {L"bkcolor3", [](CControlUI& c, const std::wstring& v) { c.SetBkColor(ParseColour(v), 2); }},
    {L"bordercolor", [](CControlUI& c, const std::wstring& v) { c.SetBorderColor(ParseColour(v)); }},
    {L"focusbordercolor",
     [](CControlUI& c, const std::wstring& v) { c.SetFocusBorderColor(ParseColour(v)); }},
    {L"colorhsl", [](CControlUI& c, const std::wstring& v) { c.SetColorHsl(ParseBool(v)); }},
    {L"bordersize", ApplyBorderSize},
    {L"leftbordersize", ApplySideBorder<&RECT::left>},
    {L"topbordersize", ApplySideBorder<&RECT::top>},
    {L"rightbordersize", ApplySideBorder<&RECT::right>},
    {L"bottombordersize", ApplySideBorder<&RECT::bottom>},
    {L"borderstyle", [](CControlUI& c, const std::wstring& v) { c.SetBorderStyle(ParseInt(v)); }},
    {L"borderround",
     [](CControlUI& c, const std::wstring& v) {
       int round[2];
       ParseIntList(v, round, 2);
       c.SetBorderRound({round[0], round[1]});
     }},
    {L"bkimage", [](CControlUI& c, const std::wstring& v) { c.SetBkImage(v); }},
    {L"width", [](CControlUI& c, const std::wstring& v) { c.SetFixedWidth(ParseInt(v)); }},
    {L"height", [](CControlUI& c, const std::wstring& v) { c.SetFixedHeight(ParseInt(v)); }},
    {L"minwidth", [](CControlUI& c, const std::wstring& v) { c.SetMinWidth(ParseInt(v)); }},
    {L"minheight", [](CControlUI& c, const std::wstring& v) { c.SetMinHeight(ParseInt(v)); }},
    {L"maxwidth", [](CControlUI& c, const std::wstring& v) { c.SetMaxWidth(ParseInt(v)); }},
    {L"maxheight", [](CControlUI& c, const std::wstring& v) { c.SetMaxHeight(ParseInt(v)); }},
    {L"name", [](CControlUI& c, const std::wstring& v) { c.SetName(v); }},
    {L"text", [](CControlUI& c, const std::wstring& v) { c.SetText(v); }},
    {L"tooltip", [](CControlUI& c, const std::wstring& v) { c.SetTooltip(v); }},
    {L"userdata", [](CControlUI& c, const std::wstring& v) { c.SetUserData(v); }},
    {L"enabled", [](CControlUI& c, const std::wstring& v) { c.SetEnabled(ParseBool(v)); }},
    {L"mouse", [](CControlUI& c, const std::wstring& v) { c.SetMouseEnabled(ParseBool(v)); }},
    {L"keyboard", [](CControlUI& c, const std::wstring& v) { c.SetKeyboardEnabled(ParseBool(v)); }},
    {L"visible", [](CControlUI& c, const std::wstring& v) { c.SetVisible(ParseBool(v)); }},
    {L"float", [](CControlUI& c, const std::wstring& v) { c.SetFloating(ParseBool(v)); }},
    {L"shortcut",
     [](CControlUI& c, const std::wstring& v) { c.SetShortcut(v.empty() ? L'\0' : v[0]); }},
    {L"menu", [](CControlUI& c, const std::wstring& v) { c.SetMenuEnabled(ParseBool(v)); }},
    {L"virtualwnd",
     [](CControlUI& c, const std::wstring& v) {
       c.SetVirtualWindow(v);
       if (c.GetManager()) c.GetManager()->SetUsesVirtualWindows();
     }},
};

// Stores a value; true when it changed.
template <typename T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void CControlUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  ApplyFromTable(kRows, *this, name, value);
}

void CControlUI::ApplyAttributeText(const std::wstring& text) {
  for (const auto& [name, value] : ParseAttributeList(text)) ApplyAttribute(name, value);
}

void CControlUI::SetBkColor(DWORD colour, int index) {
  if (index >= 0 && index < 3 && Store(bkColor_[index], colour)) Invalidate();
}
void CControlUI::SetBkImage(const std::wstring& image) {
  if (Store(bkImage_, image)) Invalidate();
}
void CControlUI::SetForeImage(const std::wstring& image) {
  if (Store(foreImage_, image)) Invalidate();
}
void CControlUI::SetBorderColor(DWORD colour) {
  if (Store(borderColour_, colour)) Invalidate();
}
void CControlUI::SetFocusBorderColor(DWORD colour) {
  if (Store(focusBorderColour_, colour)) Invalidate();
}
void CControlUI::SetColorHsl(bool hsl) {
  if (Store(colourHsl_, hsl)) Invalidate();
}
void CControlUI::SetBorderSize(int size) {
  if (Store(borderSize_, size)) Invalidate();
}
void CControlUI::SetSideBorderSizes(const RECT& sizes) {
  sideBorders_ = sizes;
  Invalidate();
}
void CControlUI::SetBorderStyle(int style) {
  borderStyle_ = style;
  Invalidate();
}
void CControlUI::SetBorderRound(SIZE round) {
  borderRound_ = round;
  Invalidate();
}

}  // namespace Veneer
