// The children of a vertical or horizontal layout as its flow arithmetic
// sees them: the visible, non-floating ones in order.
#pragma once

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

  const std::vector<FlowChild>& Flow() const { return flow_; }
  // Measures one child of the flow.
  Measured Measure(std::size_t child, IntSize available) const;
  // Places every child of the flow at its result.
  void Place(const FlowResult& result) const;

 private:
  std::vector<CControlUI*> controls_;
  std::vector<FlowChild> flow_;
};

}  // namespace Veneer
