#include "ui/controls/button.h"

#include <cwchar>

#include "ui/controls/attribute_table.h"
#include "ui/controls/tab_layout.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CButtonUI>;

template <ButtonImage which>
void ApplyImage(CButtonUI& c, const std::wstring& v) {
  c.SetImage(which, v);
}

const Row kRows[] = {
    {L"normalimage", ApplyImage<ButtonImage::Normal>},
    {L"hotimage", ApplyImage<ButtonImage::Hot>},
    {L"pushedimage", ApplyImage<ButtonImage::Pushed>},
    {L"focusedimage", ApplyImage<ButtonImage::Focused>},
    {L"disabledimage", ApplyImage<ButtonImage::Disabled>},
    {L"foreimage", [](CButtonUI& c, const std::wstring& v) { c.SetForeImage(v); }},
    {L"hotforeimage", ApplyImage<ButtonImage::HotFore>},
    {L"pushedforeimage", ApplyImage<ButtonImage::PushedFore>},
    {L"bindtabindex", [](CButtonUI& c, const std::wstring& v) { c.SetBindTabIndex(ParseInt(v)); }},
    {L"bindtablayoutname", [](CButtonUI& c, const std::wstring& v) { c.SetBindTabLayoutName(v); }},
    {L"hotbkcolor", [](CButtonUI& c, const std::wstring& v) { c.SetHotBkColor(ParseColour(v)); }},
    {L"hottextcolor",
     [](CButtonUI& c, const std::wstring& v) { c.SetHotTextColor(ParseColour(v)); }},
    {L"pushedtextcolor",
     [](CButtonUI& c, const std::wstring& v) { c.SetPushedTextColor(ParseColour(v)); }},
    {L"focusedtextcolor",
     [](CButtonUI& c, const std::wstring& v) { c.SetFocusedTextColor(ParseColour(v)); }},
    {L"multiline",
     [](CButtonUI& c, const std::wstring& v) {
       const UINT style = c.GetTextStyle() & ~(DT_SINGLELINE | DT_WORDBREAK);
       c.SetTextStyle(style | (ParseBool(v) ? DT_WORDBREAK : DT_SINGLELINE));
     }},
};

}  // namespace

CButtonUI::CButtonUI() {
  SetTextStyle(DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

const wchar_t* CButtonUI::UiClassName() const {
  return L"ButtonUI";
}

void* CButtonUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Button") == 0 ? this : CLabelUI::AsInterface(name);
}

UINT CButtonUI::GetFlags() const {
  return (IsEnabled() ? SetsCursor : 0) | (IsKeyboardEnabled() ? TabStop : 0);
}

bool CButtonUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (GetManager()) {
    Notify(Notify::kClick);
    SelectBoundTab();
  }
  return true;
}

void CButtonUI::SelectBoundTab() {
  PaintManager* manager = GetManager();
  if (!manager || bindTabLayoutName_.empty() || bindTabIndex_ < 0) return;
  CControlUI* found = manager->FindControlByName(bindTabLayoutName_);
  if (auto* tab = InterfaceOf<CTabLayoutUI>(found, L"TabLayout")) tab->SelectPage(bindTabIndex_);
}

void CButtonUI::SetEnabled(bool enabled) {
  if (IsEnabled() == enabled) return;
  CLabelUI::SetEnabled(enabled);
  if (!enabled) state_ = 0;
}

// The click is decided on button-up inside the button after a button-down
// inside it; dragging out and back in before the release still clicks.
void CButtonUI::HandleEvent(UiEvent& event) {
  const UiEventType type = event.type;
  if (!IsMouseEnabled() && IsMouseEvent(type)) {
    if (GetParent()) return GetParent()->HandleEvent(event);
    return CLabelUI::HandleEvent(event);
  }
  const bool inside = PtInRect(&GetRect(), event.mouse) != 0;
  switch (type) {
    case UiEventType::SetFocus:
    case UiEventType::KillFocus:
      Invalidate();
      SetFocusedFlag(type == UiEventType::SetFocus);
      return;
    case UiEventType::KeyDown:
      if (IsKeyboardEnabled() && (event.key == VK_SPACE || event.key == VK_RETURN)) {
        Activate();
        return;
      }
      break;
    case UiEventType::MouseMove:
      if (state_ & StateCaptured) {
        state_ = inside ? state_ | StatePushed : state_ & ~StatePushed;
        Invalidate();
      }
      return;
    case UiEventType::MouseEnter:
      if (IsEnabled()) {
        state_ |= StateHot;
        Invalidate();
      }
      break;
    case UiEventType::ButtonDown:
    case UiEventType::DblClick:
      if (inside && IsEnabled()) {
        state_ |= StatePushed | StateCaptured;
        Invalidate();
      }
      return;
    case UiEventType::ButtonUp:
      // The state is settled before the click, whose listeners may change
      // the whole window.
      if (state_ & StateCaptured) {
        state_ &= ~(StatePushed | StateCaptured);
        Invalidate();
        if (inside) Activate();
      }
      return;
    case UiEventType::ContextMenu:
      if (IsMenuEnabled()) Notify(Notify::kMenu, event.wParam, event.lParam);
      return;
    case UiEventType::MouseLeave:
      if (IsEnabled()) {
        state_ &= ~StateHot;
        Invalidate();
      }
      break;
    case UiEventType::SetCursor: ::SetCursor(LoadCursorW(nullptr, IDC_HAND)); return;
    default: break;
  }
  CLabelUI::HandleEvent(event);
}

void CButtonUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CLabelUI::ApplyAttribute(name, value);
}

// Without a height a button is its font's height plus 8 pixels, and then
// never measures its text.
SIZE CButtonUI::MeasureSize(SIZE) {
  if (GetFixedHeight() == 0) return {GetFixedWidth(), FontHeight() + 8};
  if (IsAutoWidth()) FitWidthToText();
  return {GetFixedWidth(), GetFixedHeight()};
}

const std::wstring& CButtonUI::GetImage(ButtonImage which) const {
  return images_[static_cast<int>(which)];
}

void CButtonUI::SetImage(ButtonImage which, const std::wstring& image) {
  images_[static_cast<int>(which)] = image;
  Invalidate();
}

void CButtonUI::SetBindTabIndex(int index) {
  if (index >= 0) bindTabIndex_ = index;
}

void CButtonUI::UpdateFocusAndEnabledBits() {
  state_ = IsFocused() ? state_ | StateFocused : state_ & ~StateFocused;
  state_ = IsEnabled() ? state_ & ~StateDisabled : state_ | StateDisabled;
}

bool CButtonUI::DrawIfSet(HDC dc, std::wstring& image) {
  return !image.empty() && DrawImage(dc, image);
}

bool CButtonUI::DrawForeImage(HDC dc) {
  std::wstring fore = GetForeImage();
  if (fore.empty()) return false;
  if (DrawImage(dc, fore)) return true;
  SetForeImage(fore);  // cleared: it can't be drawn at all
  return false;
}

// The image of the state, then the foreground image. An image that can't
// be loaded counts as drawn: a hot button whose hot image is missing shows
// no image while hot.
void CButtonUI::PaintStateImage(HDC dc) {
  UpdateFocusAndEnabledBits();
  const auto image = [this](ButtonImage which) -> std::wstring& {
    return images_[static_cast<int>(which)];
  };
  bool normal = true;
  if (state_ & StateDisabled) {
    normal = !DrawIfSet(dc, image(ButtonImage::Disabled));
  } else if (state_ & StatePushed) {
    if (!image(ButtonImage::Pushed).empty()) {
      DrawImage(dc, image(ButtonImage::Pushed));
      if (DrawIfSet(dc, image(ButtonImage::PushedFore))) return;
      normal = false;
    }
  } else if (state_ & StateHot) {
    if (image(ButtonImage::Hot).empty()) {
      if (hotBkColour_ != 0) return CRenderer::RenderColor(dc, PaintRect(), hotBkColour_);
    } else {
      DrawImage(dc, image(ButtonImage::Hot));
      if (DrawIfSet(dc, image(ButtonImage::HotFore))) return;
      normal = false;
    }
  } else if (state_ & StateFocused) {
    normal = !DrawIfSet(dc, image(ButtonImage::Focused));
  }
  if (normal) DrawIfSet(dc, image(ButtonImage::Normal));
  DrawForeImage(dc);
}

void CButtonUI::PaintText(HDC dc) {
  UpdateFocusAndEnabledBits();
  ApplyDefaultColours();
  if (GetText().empty()) return;
  DWORD colour = IsEnabled() ? GetTextColor() : GetDisabledTextColor();
  if ((state_ & StatePushed) && pushedTextColour_ != 0) {
    colour = pushedTextColour_;
  } else if ((state_ & StateHot) && hotTextColour_ != 0) {
    colour = hotTextColour_;
  } else if ((state_ & StateFocused) && focusedTextColour_ != 0) {
    colour = focusedTextColour_;
  }
  DrawLabelText(dc, GetText(), colour, GetTextStyle());
}

}  // namespace Veneer
