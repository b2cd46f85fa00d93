#include "ui/controls/vertical_layout.h"

#include <cwchar>

#include "ui/controls/flow_children.h"
#include "ui/core/value_syntax.h"

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
  const int needed = FlowChildren(*this).LayOut(*this, content, true);
  UpdateScrollBars(content, 0, needed);
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
