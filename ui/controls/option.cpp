#include "ui/controls/option.h"

#include <cwchar>
#include <vector>

#include "ui/controls/attribute_table.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

using Row = AttributeRow<COptionUI>;

template <OptionImage which>
void ApplyImage(COptionUI& c, const std::wstring& v) {
  c.SetOptionImage(which, v);
}

// "selected" in a layout sends "selectchanged" while the tree is built,
// before the window listens.
const Row kRows[] = {
    {L"group", [](COptionUI& c, const std::wstring& v) { c.SetGroup(v); }},
    {L"selected", [](COptionUI& c, const std::wstring& v) { c.SetSelected(ParseBool(v)); }},
    {L"selectedimage", ApplyImage<OptionImage::Selected>},
    {L"selectedhotimage", ApplyImage<OptionImage::SelectedHot>},
    {L"selectedpushedimage", ApplyImage<OptionImage::SelectedPushed>},
    {L"foreimage", ApplyImage<OptionImage::Fore>},
    {L"selectedforeimage", ApplyImage<OptionImage::SelectedFore>},
    {L"selectedbkcolor",
     [](COptionUI& c, const std::wstring& v) { c.SetSelectedBkColor(ParseColour(v)); }},
    {L"selectedtextcolor",
     [](COptionUI& c, const std::wstring& v) { c.SetSelectedTextColor(ParseColour(v)); }},
};

}  // namespace

const wchar_t* COptionUI::UiClassName() const {
  return L"OptionUI";
}

void* COptionUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Option") == 0 ? this : CButtonUI::AsInterface(name);
}

void COptionUI::Attach(PaintManager* manager, CControlUI* parent, bool initialise) {
  CButtonUI::Attach(manager, parent, initialise);
  if (initialise && manager && !group_.empty()) manager->AddToOptionGroup(group_, this);
}

bool COptionUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (GetManager()) {
    Notify(Notify::kClick);
    SelectBoundTab();
  }
  SetSelected(group_.empty() ? !selected_ : true);
  return true;
}

void COptionUI::SetEnabled(bool enabled) {
  if (IsEnabled() == enabled) return;
  CLabelUI::SetEnabled(enabled);
  if (!enabled) SetButtonState(selected_ ? StateSelected : 0);
}

void COptionUI::HandleEvent(UiEvent& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
    if (GetParent()) GetParent()->HandleEvent(event);
    return;
  }
  if (event.type == UiEventType::DblClick && IsEnabled()) Notify(Notify::kDbClick);
  CButtonUI::HandleEvent(event);
}

void COptionUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CButtonUI::ApplyAttribute(name, value);
}

SIZE COptionUI::MeasureSize(SIZE) {
  return {GetFixedWidth(), GetFixedHeight() != 0 ? GetFixedHeight() : FontHeight() + 8};
}

void COptionUI::SetSelected(bool selected) {
  const bool changed = selected_ != selected;
  selected_ = selected;
  const UINT state = GetButtonState();
  SetButtonState(selected ? state | StateSelected : state & ~StateSelected);
  if (changed) NotifyAccessibility(EVENT_OBJECT_STATECHANGE);
  if (PaintManager* manager = GetManager()) {
    if (!group_.empty()) {
      if (!selected) return Invalidate();
      // A copy: deselecting may change the group.
      const std::vector<CControlUI*>* group = manager->OptionGroupOf(group_);
      const std::vector<CControlUI*> members = group ? *group : std::vector<CControlUI*>();
      for (CControlUI* member : members) {
        auto* other = InterfaceOf<COptionUI>(member, L"Option");
        if (other && other != this) other->SetSelected(false);
      }
    }
    Notify(Notify::kSelectChanged);
  }
  Invalidate();
}

void COptionUI::SetGroup(const std::wstring& group) {
  if (group == group_) return;
  PaintManager* manager = GetManager();
  if (manager && !group_.empty()) manager->RemoveFromOptionGroup(group_, this);
  group_ = group;
  if (manager && !group_.empty()) manager->AddToOptionGroup(group_, this);
  SetSelected(selected_);
}

void COptionUI::SetOptionImage(OptionImage which, const std::wstring& image) {
  Image(which) = image;
  Invalidate();
}

void COptionUI::DrawOrButton(HDC dc, std::wstring& image) {
  if (!DrawImage(dc, image)) CButtonUI::PaintStateImage(dc);
}

void COptionUI::PaintStateImage(HDC dc) {
  const UINT state = GetButtonState();
  const bool selected = (state & StateSelected) != 0;
  if ((state & StatePushed) && selected && !Image(OptionImage::SelectedPushed).empty()) {
    DrawOrButton(dc, Image(OptionImage::SelectedPushed));
  } else if ((state & StateHot) && selected && !Image(OptionImage::SelectedHot).empty()) {
    DrawOrButton(dc, Image(OptionImage::SelectedHot));
  } else if (selected) {
    if (!Image(OptionImage::Selected).empty()) {
      DrawOrButton(dc, Image(OptionImage::Selected));
    } else if (selectedBkColour_ != 0) {
      return CRenderer::RenderColor(dc, PaintRect(), selectedBkColour_);
    } else {
      CButtonUI::PaintStateImage(dc);
    }
  } else {
    CButtonUI::PaintStateImage(dc);
  }
  if (!(selected && DrawIfSet(dc, Image(OptionImage::SelectedFore)))) {
    DrawIfSet(dc, Image(OptionImage::Fore));
  }
}

// A selected option draws its text in the selected text colour, when it
// has one.
void COptionUI::PaintText(HDC dc) {
  if (!(GetButtonState() & StateSelected)) return CButtonUI::PaintText(dc);
  ApplyDefaultColours();
  if (GetText().empty()) return;
  const DWORD colour = selectedTextColour_ != 0 ? selectedTextColour_ : GetTextColor();
  DrawLabelText(dc, GetText(), IsEnabled() ? colour : GetDisabledTextColor(), GetTextStyle());
}

}  // namespace Veneer
