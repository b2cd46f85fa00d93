#include "ui/controls/horizontal_layout.h"

#include <climits>
#include <cwchar>

#include "ui/controls/flow_children.h"
#include "ui/controls/scroll_bar.h"
#include "ui/core/value_syntax.h"

namespace Veneer {

const wchar_t* CHorizontalLayoutUI::UiClassName() const {
  return L"HorizontalLayoutUI";
}

void* CHorizontalLayoutUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"HorizontalLayout") == 0 ? this : CContainerUI::AsInterface(name);
}

void CHorizontalLayoutUI::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  if (ChildCount() == 0) return UpdateScrollBars(InsetRect(), 0, 0);
  RECT content = ContentRect();
  const int needed = FlowChildren(*this).LayOut(*this, content, false);
  FitHorizontalBar(needed, content);
  UpdateScrollBars(content, needed, 0);
}

// The content loses the bar's height when the bar appears and gets it back
// when it goes.
void CHorizontalLayoutUI::FitHorizontalBar(int needed, RECT& content) {
  CScrollBarUI* bar = GetHorizontalScrollBar();
  if (!bar) return;
  const long long over = static_cast<long long>(needed) - (content.right - content.left);
  if (over > 0) {
    bar->SetScrollRange(over > INT_MAX ? INT_MAX : static_cast<int>(over));
    if (!bar->IsVisible()) {
      bar->SetVisible(true);
      content.bottom -= bar->GetFixedHeight();
    }
  } else if (bar->IsVisible()) {
    bar->SetScrollRange(0);
    bar->SetVisible(false);
    content.bottom += bar->GetFixedHeight();
  }
}

void CHorizontalLayoutUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"sepwidth") {
    separator_ = ParseInt(value);
  } else if (name == L"sepimm") {
    immediate_ = ParseBool(value);
  } else {
    CContainerUI::ApplyAttribute(name, value);
  }
}

}  // namespace Veneer
