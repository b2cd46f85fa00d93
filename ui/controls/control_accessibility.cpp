// How each kind of control describes itself to screen readers: one place
// for the roles, states, values and default actions of every kind.
#include <string>

#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/control.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

AccessibleTraits Traits(LONG role, LONG states = 0, const wchar_t* defaultAction = nullptr) {
  AccessibleTraits traits;
  traits.role = role;
  traits.states = states;
  traits.defaultAction = defaultAction;
  return traits;
}

}  // namespace

// Pictures, texts, containers and the pages of tab layouts.
AccessibleTraits CControlUI::DescribeForAccessibility() {
  if (parent_ && parent_->AsInterface(L"TabLayout")) return Traits(ROLE_SYSTEM_PROPERTYPAGE);
  if (AsInterface(L"IContainer")) return Traits(ROLE_SYSTEM_GROUPING);
  if (!GetText().empty()) return Traits(ROLE_SYSTEM_STATICTEXT, STATE_SYSTEM_READONLY);
  if (!bkImage_.empty() || !foreImage_.empty() || !tooltip_.empty()) {
    return Traits(ROLE_SYSTEM_GRAPHIC);
  }
  return Traits(kRoleIgnored);  // an empty gap of the layout
}

void CControlUI::NotifyAccessibility(DWORD event) {
  if (manager_) manager_->NotifyAccessibility(this, event);
}

AccessibleTraits CButtonUI::DescribeForAccessibility() {
  return Traits(ROLE_SYSTEM_PUSHBUTTON, 0, L"Press");
}

AccessibleTraits COptionUI::DescribeForAccessibility() {
  return Traits(ROLE_SYSTEM_RADIOBUTTON, IsSelected() ? STATE_SYSTEM_CHECKED : 0, L"Check");
}

AccessibleTraits CCheckBoxUI::DescribeForAccessibility() {
  return Traits(ROLE_SYSTEM_CHECKBUTTON, IsSelected() ? STATE_SYSTEM_CHECKED : 0,
                IsSelected() ? L"Uncheck" : L"Check");
}

// A password's text is nobody's to read.
AccessibleTraits CEditUI::DescribeForAccessibility() {
  AccessibleTraits traits = Traits(ROLE_SYSTEM_TEXT);
  if (IsReadOnly()) traits.states |= STATE_SYSTEM_READONLY;
  if (IsPasswordMode()) {
    traits.states |= STATE_SYSTEM_PROTECTED;
  } else {
    traits.value = GetText();
  }
  traits.nameFromText = false;
  return traits;
}

AccessibleTraits CProgressUI::DescribeForAccessibility() {
  AccessibleTraits traits = Traits(ROLE_SYSTEM_PROGRESSBAR, STATE_SYSTEM_READONLY);
  const int range = GetMaxValue() - GetMinValue();
  const int percent = range > 0 ? (GetValue() - GetMinValue()) * 100 / range : 0;
  traits.value = std::to_wstring(percent) + L"%";
  return traits;
}

AccessibleTraits CGifAnimUI::DescribeForAccessibility() {
  return Traits(ROLE_SYSTEM_ANIMATION, IsPlaying() ? STATE_SYSTEM_BUSY : 0);
}

AccessibleTraits CTabLayoutUI::DescribeForAccessibility() {
  return Traits(ROLE_SYSTEM_PAGETABLIST);
}

}  // namespace Veneer
