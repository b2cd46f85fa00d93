#include "ui/controls/flow_children.h"

#include "ui/controls/container.h"
#include "ui/render/win_rect.h"

namespace Veneer {

FlowChildren::FlowChildren(CContainerUI& layout) {
  for (int i = 0; i < layout.ChildCount(); ++i) {
    CControlUI* child = layout.ChildAt(i);
    if (!child->IsVisible()) continue;
    if (child->IsFloating()) {
      layout.PlaceFloatChild(i);
      continue;
    }
    FlowChild flow;
    flow.padding = ToIntRect(child->GetPadding());
    flow.limits = {child->GetMinWidth(), child->GetMaxWidth(), child->GetMinHeight(),
                   child->GetMaxHeight()};
    controls_.push_back(child);
    flow_.push_back(flow);
  }
}

Measured FlowChildren::Measure(std::size_t child, IntSize available) const {
  CControlUI* control = controls_[child];
  const SIZE wanted = control->MeasureSize({available.cx, available.cy});
  return {{static_cast<int>(wanted.cx), static_cast<int>(wanted.cy)},
          {control->GetFixedWidth(), control->GetFixedHeight()}};
}

void FlowChildren::Place(const FlowResult& result) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->SetRect(ToRECT(result.rects[i]));
}

}  // namespace Veneer
