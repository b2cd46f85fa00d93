#include "ui/core/accessible_properties.h"

#include <cwctype>

#include "ui/controls/control.h"
#include "ui/core/accessible_tree.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

bool IsRoot(const AccessibleTree& tree, CControlUI* control) {
  return control == tree.Manager().GetRoot();
}

// The text of the exposed sibling in front of the control, when that is a
// label: how a form names its boxes.
std::wstring LabelInFrontOf(CControlUI* control) {
  CControlUI* parent = control->GetParent();
  if (!parent) return {};
  CControlUI* before = nullptr;
  for (CControlUI* sibling : ExposedChildren(parent)) {
    if (sibling == control) break;
    before = sibling;
  }
  if (!before || before->DescribeForAccessibility().role != ROLE_SYSTEM_STATICTEXT) return {};
  return before->GetText();
}

struct PointSearch {
  POINT point;
};

CControlUI* ExposedAtPoint(CControlUI* control, void* data) {
  const POINT point = static_cast<PointSearch*>(data)->point;
  if (!PtInRect(&control->GetRect(), point)) return nullptr;
  return control->DescribeForAccessibility().role == kRoleIgnored ? nullptr : control;
}

}  // namespace

std::wstring AccessibleName(const AccessibleTree& tree, CControlUI* control) {
  if (IsRoot(tree, control)) return tree.ClientName();
  if (control->DescribeForAccessibility().nameFromText) {
    if (!control->GetText().empty()) return control->GetText();
  } else if (std::wstring label = LabelInFrontOf(control); !label.empty()) {
    return label;
  }
  return control->GetTooltip();
}

std::wstring AccessibleDescription(const AccessibleTree& tree, CControlUI* control) {
  if (IsRoot(tree, control)) return {};
  const std::wstring& tooltip = control->GetTooltip();
  return AccessibleName(tree, control) == tooltip ? std::wstring() : tooltip;
}

LONG AccessibleRole(const AccessibleTree& tree, CControlUI* control) {
  if (IsRoot(tree, control)) return tree.ClientRole();
  const LONG role = control->DescribeForAccessibility().role;
  return role == kRoleIgnored ? ROLE_SYSTEM_WHITESPACE : role;
}

LONG AccessibleState(const AccessibleTree& tree, CControlUI* control) {
  const bool focused = WindowHasFocus(tree);
  if (IsRoot(tree, control)) {
    const bool self = focused && !tree.Manager().GetFocusedControl();
    return STATE_SYSTEM_FOCUSABLE | (self ? STATE_SYSTEM_FOCUSED : 0);
  }
  LONG state = control->DescribeForAccessibility().states;
  if (!control->IsEnabled()) state |= STATE_SYSTEM_UNAVAILABLE;
  if (!control->IsVisible()) state |= STATE_SYSTEM_INVISIBLE;
  if (control->GetFlags() & TabStop) state |= STATE_SYSTEM_FOCUSABLE;
  if (focused && tree.Manager().GetFocusedControl() == control) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

std::wstring AccessibleShortcut(CControlUI* control) {
  const wchar_t key = control->GetShortcut();
  if (!key) return {};
  return std::wstring(L"Alt+") + static_cast<wchar_t>(std::towupper(key));
}

RECT ScreenRect(const AccessibleTree& tree, CControlUI* control) {
  const HWND window = tree.Manager().GetWindow();
  RECT rect = control->GetRect();
  if (IsRoot(tree, control)) GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

CControlUI* ExposedControlAt(CControlUI* control, POINT point) {
  if (!control->IsVisible() || !PtInRect(&control->GetRect(), point)) return nullptr;
  PointSearch search{point};
  // Children before their container, the last painted (topmost) first.
  CControlUI* found = control->SearchTree(ExposedAtPoint, &search, FindVisible | FindTopFirst);
  return found ? found : control;
}

bool WindowHasFocus(const AccessibleTree& tree) {
  const HWND window = tree.Manager().GetWindow();
  const HWND focus = GetFocus();
  return focus && (focus == window || IsChild(window, focus));
}

}  // namespace Veneer
