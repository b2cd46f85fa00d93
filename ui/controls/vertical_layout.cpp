#include "ui/controls/vertical_layout.h"

#include <cwchar>

#include "ui/controls/flow_children.h"
#include "ui/controls/scroll_bar.h"
#include "ui/core/value_syntax.h"
#include "ui/render/win_rect.h"

namespace Veneer {

const wchar_t* CVerticalLayoutUI::UiClassName() const {
  return L"VerticalLayoutUI";
}

void* CVerticalLayoutUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"VerticalLayout") == 0 ? this : CContainerUI::AsInterface(name);
}

void CVerticalLayoutUI::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  const RECT content = ContentRect();
  if (ChildCount() == 0) return UpdateScrollBars(content, 0, 0);
  const CScrollBarUI* vertical = GetVerticalScrollBar();
  const CScrollBarUI* horizontal = GetHorizontalScrollBar();
  FlowInput in;
  in.content = ToIntRect(content);
  in.available = {in.content.Width(), in.content.Height()};
  if (IsBarVisible(horizontal)) in.available.cx += horizontal->GetScrollRange();
  in.originX = content.left - (IsBarVisible(horizontal) ? horizontal->GetScrollPos() : 0);
  in.originY = content.top - (IsBarVisible(vertical) ? vertical->GetScrollPos() : 0);
  in.childPadding = GetChildPadding();
  const FlowChildren children(*this);
  const FlowResult result = FlowColumn(
      in, children.Flow(), [&](std::size_t i, IntSize a) { return children.Measure(i, a); });
  children.Place(result);
  UpdateScrollBars(content, 0, result.needed);
}

void CVerticalLayoutUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"sepheight") {
    separator_ = ParseInt(value);
  } else if (name == L"sepimm") {
    immediate_ = ParseBool(value);
  } else {
    CContainerUI::ApplyAttribute(name, value);
  }
}

}  // namespace Veneer
