#include "ui/controls/tab_layout.h"

#include <cwchar>

#include "ui/controls/layout_arithmetic.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/win_rect.h"

namespace Veneer {

const wchar_t* CTabLayoutUI::UiClassName() const {
  return L"TabLayoutUI";
}

void* CTabLayoutUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"TabLayout") == 0 ? this : CContainerUI::AsInterface(name);
}

// Whether a child is visible is its own "visible": a page added while the
// tab layout itself is hidden still becomes the page.
bool CTabLayoutUI::AddChild(CControlUI* child) {
  if (!CContainerUI::AddChild(child)) return false;
  if (pageIndex_ == -1 && child->IsOwnVisible()) {
    pageIndex_ = ChildIndexOf(child);
  } else {
    child->SetVisible(false);
  }
  return true;
}

bool CTabLayoutUI::InsertChildAt(CControlUI* child, int index) {
  if (!CContainerUI::InsertChildAt(child, index)) return false;
  if (pageIndex_ == -1 && child->IsOwnVisible()) {
    pageIndex_ = index;
  } else if (pageIndex_ == -1 || pageIndex_ < index) {
    child->SetVisible(false);
  } else {
    ++pageIndex_;
  }
  return true;
}

bool CTabLayoutUI::RemoveChild(CControlUI* child) {
  const int index = ChildIndexOf(child);
  if (!CContainerUI::RemoveChild(child)) return false;
  if (index == pageIndex_) {
    if (ChildCount() > 0) {
      pageIndex_ = 0;
      ChildAt(0)->SetVisible(true);
    } else {
      pageIndex_ = -1;
    }
    RequestParentLayout();
  } else if (index < pageIndex_) {
    --pageIndex_;
  }
  return true;
}

void CTabLayoutUI::RemoveAllChildren() {
  pageIndex_ = -1;
  CContainerUI::RemoveAllChildren();
  RequestParentLayout();
}

// Only the page is placed; the hidden pages keep their old rectangles.
void CTabLayoutUI::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  const IntRect content = ToIntRect(InsetRect());
  for (int i = 0; i < ChildCount(); ++i) {
    CControlUI* child = ChildAt(i);
    if (!child->IsVisible() || PlaceIfFloating(i) || i != pageIndex_) continue;
    FlowChild page;
    page.padding = ToIntRect(child->GetPadding());
    page.limits = {child->GetMinWidth(), child->GetMaxWidth(), child->GetMinHeight(),
                   child->GetMaxHeight()};
    const IntRect placed = PlaceTabPage(content, page, [child](std::size_t, IntSize available) {
      const SIZE wanted = child->MeasureSize({available.cx, available.cy});
      return Measured{{static_cast<int>(wanted.cx), static_cast<int>(wanted.cy)}, {}};
    });
    child->SetRect(ToRECT(placed));
  }
}

void CTabLayoutUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"selectedid") {
    SelectPage(ParseInt(value));
  } else {
    CContainerUI::ApplyAttribute(name, value);
  }
}

bool CTabLayoutUI::SelectPage(CControlUI* page) {
  const int index = ChildIndexOf(page);
  return index >= 0 && SelectPage(index);
}

// The new page becomes the focused control, then the focus moves on to the
// next Tab stop.
bool CTabLayoutUI::SelectPage(int index) {
  if (index < 0 || index >= ChildCount()) return false;
  if (index == pageIndex_) return true;
  const int old = pageIndex_;
  pageIndex_ = index;
  for (int i = 0; i < ChildCount(); ++i) {
    CControlUI* child = ChildAt(i);
    if (i == index) {
      child->SetVisible(true);
      child->SetFocus();
      SetRect(GetRect());
    } else {
      child->SetVisible(false);
    }
  }
  RequestParentLayout();
  if (PaintManager* manager = GetManager()) {
    manager->MoveFocus(true);
    // Screen readers read the new page.
    NotifyAccessibility(EVENT_OBJECT_REORDER);
    manager->SendNotification(this, Notify::kTabSelect, index, old);
  }
  return true;
}

}  // namespace Veneer
