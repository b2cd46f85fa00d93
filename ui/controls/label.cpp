#include "ui/controls/label.h"

#include <cwchar>

#include "ui/controls/attribute_table.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/renderer.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CLabelUI>;

bool Contains(const std::wstring& text, const wchar_t* word) {
  return text.find(word) != std::wstring::npos;
}

// The words are looked for as parts of the value, in this order.
void ApplyAlign(CLabelUI& c, const std::wstring& v) {
  UINT style = c.GetTextStyle();
  if (Contains(v, L"left")) style &= ~(DT_CENTER | DT_RIGHT | DT_SINGLELINE);
  if (Contains(v, L"center")) style = (style & ~DT_RIGHT) | DT_CENTER;
  if (Contains(v, L"right")) style = (style & ~(DT_CENTER | DT_SINGLELINE)) | DT_RIGHT;
  c.SetTextStyle(style);
}

// "center" is none of these words: it changes nothing.
void ApplyVAlign(CLabelUI& c, const std::wstring& v) {
  UINT style = c.GetTextStyle();
  if (Contains(v, L"top")) style = (style & ~(DT_VCENTER | DT_BOTTOM)) | DT_SINGLELINE;
  if (Contains(v, L"vcenter")) style = (style & ~DT_BOTTOM) | DT_VCENTER | DT_SINGLELINE;
  if (Contains(v, L"bottom")) style = (style & ~DT_VCENTER) | DT_BOTTOM | DT_SINGLELINE;
  c.SetTextStyle(style);
}

template <int TextEffect::*field>
void EffectInt(CLabelUI& c, const std::wstring& v) {
  c.TextEffects().*field = ParseInt(v);
}
template <bool TextEffect::*field>
void EffectBool(CLabelUI& c, const std::wstring& v) {
  c.TextEffects().*field = ParseBool(v);
}
template <DWORD TextEffect::*field>
void EffectColour(CLabelUI& c, const std::wstring& v) {
  c.TextEffects().*field = ParseColour(v);
}

const Row kRows[] = {
    {L"align", ApplyAlign},
    {L"valign", ApplyVAlign},
    {L"endellipsis",
     [](CLabelUI& c, const std::wstring& v) {
       const UINT style = c.GetTextStyle() & ~DT_END_ELLIPSIS;
       c.SetTextStyle(ParseBool(v) ? style | DT_END_ELLIPSIS : style);
     }},
    {L"font", [](CLabelUI& c, const std::wstring& v) { c.SetFont(ParseInt(v)); }},
    {L"textcolor", [](CLabelUI& c, const std::wstring& v) { c.SetTextColor(ParseColour(v)); }},
    {L"disabledtextcolor",
     [](CLabelUI& c, const std::wstring& v) { c.SetDisabledTextColor(ParseColour(v)); }},
    {L"textpadding",
     [](CLabelUI& c, const std::wstring& v) { c.SetTextPadding(ToRECT(ParseIntRect(v))); }},
    {L"showhtml", [](CLabelUI& c, const std::wstring& v) { c.SetShowHtml(ParseBool(v)); }},
    {L"autocalcwidth", [](CLabelUI& c, const std::wstring& v) { c.SetAutoWidth(ParseBool(v)); }},
    {L"enabledeffect", EffectBool<&TextEffect::enabled>},
    {L"transshadow", EffectInt<&TextEffect::transShadow>},
    {L"transtext", EffectInt<&TextEffect::transText>},
    {L"transshadow1", EffectInt<&TextEffect::transShadow1>},
    {L"transtext1", EffectInt<&TextEffect::transText1>},
    {L"gradientangle", EffectInt<&TextEffect::gradientAngle>},
    {L"enabledstroke", EffectBool<&TextEffect::stroke>},
    {L"enabledshadow", EffectBool<&TextEffect::shadow>},
    {L"transstroke", EffectInt<&TextEffect::transStroke>},
    {L"gradientlength", EffectInt<&TextEffect::gradientLength>},
    {L"shadowoffset",
     [](CLabelUI& c, const std::wstring& v) {
       int offset[2];
       ParseIntList(v, offset, 2);
       c.TextEffects().shadowOffset = {offset[0], offset[1]};
     }},
    {L"textcolor1", EffectColour<&TextEffect::textColour1>},
    {L"textshadowcolora", EffectColour<&TextEffect::shadowColourA>},
    {L"textshadowcolorb", EffectColour<&TextEffect::shadowColourB>},
    {L"strokecolor", EffectColour<&TextEffect::strokeColour>},
};

}  // namespace

CLabelUI::CLabelUI() = default;

const wchar_t* CLabelUI::UiClassName() const {
  return L"LabelUI";
}

void* CLabelUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Label") == 0 ? this : CControlUI::AsInterface(name);
}

const std::wstring& CLabelUI::GetText() const {
  return effect_.enabled ? effectText_ : CControlUI::GetText();
}

void CLabelUI::SetText(const std::wstring& text) {
  if (!effect_.enabled) return CControlUI::SetText(text);
  if (effectText_ == text) return;
  effectText_ = text;
  Invalidate();
}

void CLabelUI::HandleEvent(UiEvent& event) {
  if (event.type == UiEventType::SetFocus || event.type == UiEventType::KillFocus) {
    SetFocusedFlag(event.type == UiEventType::SetFocus);
    return;
  }
  CControlUI::HandleEvent(event);
}

void CLabelUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CControlUI::ApplyAttribute(name, value);
}

// Without a height a label is one line of its font high and never
// stretches.
SIZE CLabelUI::MeasureSize(SIZE) {
  if (autoWidth_) FitWidthToText();
  const int height = GetFixedHeight() != 0 ? GetFixedHeight() : FontHeight() + 4;
  return {GetFixedWidth(), height};
}

void CLabelUI::PaintText(HDC dc) {
  ApplyDefaultColours();
  if (effect_.enabled || GetText().empty()) return;
  DrawLabelText(dc, GetText(), IsEnabled() ? textColour_ : disabledTextColour_,
                textStyle_ | DT_SINGLELINE);
}

bool CLabelUI::IsAutoWidth() const {
  return autoWidth_;
}
void CLabelUI::SetAutoWidth(bool on) {
  autoWidth_ = on;
}

void CLabelUI::SetTextColor(DWORD colour) {
  textColour_ = colour;
  Invalidate();
}
void CLabelUI::SetDisabledTextColor(DWORD colour) {
  disabledTextColour_ = colour;
  Invalidate();
}
void CLabelUI::SetFont(int index) {
  font_ = index;
  Invalidate();
}
void CLabelUI::SetTextPadding(const RECT& padding) {
  textPadding_ = padding;
  Invalidate();
}
void CLabelUI::SetShowHtml(bool on) {
  if (showHtml_ == on) return;
  showHtml_ = on;
  Invalidate();
}

RECT CLabelUI::TextRect() const {
  const RECT& r = GetRect();
  return {r.left + textPadding_.left, r.top + textPadding_.top, r.right - textPadding_.right,
          r.bottom - textPadding_.bottom};
}

int CLabelUI::FontHeight() const {
  PaintManager* manager = GetManager();
  return manager ? manager->FontRecordOf(font_).metrics.tmHeight : 0;
}

void CLabelUI::ApplyDefaultColours() {
  PaintManager* manager = GetManager();
  if (!manager) return;
  if (textColour_ == 0) textColour_ = manager->GetDefaultColours().text;
  if (disabledTextColour_ == 0) disabledTextColour_ = manager->GetDefaultColours().disabledText;
}

// Only a changed width is stored: an unchanged one would ask the container
// for another layout pass at every pass.
void CLabelUI::FitWidthToText() {
  PaintManager* manager = GetManager();
  if (!manager) return;
  RECT measured = {0, 0, 0, 0};
  if (!GetText().empty()) {
    measured = {0, 0, 9999, 9999};
    ScopedWindowDc screen(nullptr);
    HDC dc = manager->GetWindowDC() ? manager->GetWindowDC() : screen.get();
    CRenderer::RenderText(dc, manager, measured, GetText(), 0, font_, textStyle_ | DT_CALCRECT);
  }
  const int width = measured.right - measured.left + textPadding_.left + textPadding_.right;
  if (width != GetFixedWidth()) SetFixedWidth(width);
}

// Text marked up as HTML is drawn as it stands: no layout enables it.
void CLabelUI::DrawLabelText(HDC dc, const std::wstring& text, DWORD colour, UINT style) {
  RECT area = TextRect();
  CRenderer::RenderText(dc, GetManager(), area, text, colour, font_, style);
}

}  // namespace Veneer
