// How a plain control, a container and a page of a tab layout describe
// themselves to screen readers; the concrete controls override this.
#include "ui/controls/control.h"
#include "ui/core/paint_manager.h"

namespace Veneer {

AccessibleTraits CControlUI::DescribeForAccessibility() {
  AccessibleTraits traits;
  if (parent_ && parent_->AsInterface(L"TabLayout")) {
    traits.role = ROLE_SYSTEM_PROPERTYPAGE;
  } else if (AsInterface(L"IContainer")) {
    traits.role = ROLE_SYSTEM_GROUPING;
  } else if (!GetText().empty()) {
    traits.role = ROLE_SYSTEM_STATICTEXT;
    traits.states = STATE_SYSTEM_READONLY;
  } else if (!bkImage_.empty() || !foreImage_.empty() || !tooltip_.empty()) {
    traits.role = ROLE_SYSTEM_GRAPHIC;
  }
  // Anything else is an empty gap of the layout.
  return traits;
}

void CControlUI::NotifyAccessibility(DWORD event) {
  if (manager_) manager_->NotifyAccessibility(this, event);
}

}  // namespace Veneer
