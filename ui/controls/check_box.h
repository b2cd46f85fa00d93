// An option with a class name of its own; without a group it toggles.
#pragma once

#include "ui/controls/option.h"

namespace Veneer {

class CCheckBoxUI : public COptionUI {
 public:
  const wchar_t* UiClassName() const override;
  AccessibleTraits DescribeForAccessibility() override;  // a check button
};

}  // namespace Veneer
