// The children of a vertical or horizontal layout as its flow arithmetic
// sees them: the visible, non-floating ones in order.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/controls/layout_arithmetic.h"

namespace Veneer {

class CContainerUI;
class CControlUI;

class FlowChildren {
 public:
  // Places the visible floating children of `layout` on the way; they take
  // no space in the flow.
  explicit FlowChildren(CContainerUI& layout);

  // Places the children one below the other (`column`) or side by side
  // inside `content`, scrolled as the layout's bars say; the extent they
  // need along the flow.
  int LayOut(const CContainerUI& layout, const RECT& content, bool column) const;

 private:
  Measured Measure(std::size_t child, IntSize available) const;

  std::vector<CControlUI*> controls_;
  std::vector<FlowChild> flow_;
};

}  // namespace Veneer
