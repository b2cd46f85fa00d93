// What a control tells assistive technology (screen readers) about itself
// through Microsoft Active Accessibility. Each kind of control fills these
// in its CControlUI::DescribeForAccessibility; the states that every control
// has (unavailable, invisible, focused, focusable) the framework adds itself.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <string>

namespace Veneer {

// A role of 0: the control is layout only (an empty gap) and is not shown
// to assistive technology at all.
constexpr LONG kRoleIgnored = 0;

struct AccessibleTraits {
  LONG role = kRoleIgnored;  // ROLE_SYSTEM_*
  LONG states = 0;           // STATE_SYSTEM_* of the control's kind (checked, read-only, busy)
  std::optional<std::wstring> value;  // the progress bar's percent, the edit's text
  // The default action's name ("Press", "Check"); accDoDefaultAction does
  // what a click does. nullptr: the control has no default action.
  const wchar_t* defaultAction = nullptr;
  // False when the text is the control's value (an edit): the name then
  // comes from the label in front of it.
  bool nameFromText = true;
};

}  // namespace Veneer
