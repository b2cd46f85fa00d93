#include "ui/controls/flow_children.h"

#include "ui/controls/container.h"
#include "ui/controls/scroll_bar.h"
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

// The scroll position along the flow moves the children; a column also
// follows the horizontal one, and the range of the bar across the flow
// widens what they may take.
int FlowChildren::LayOut(const CContainerUI& layout, const RECT& content, bool column) const {
  const auto visible = [](const CScrollBarUI* bar) { return bar && bar->IsVisible(); };
  const CScrollBarUI* vertical = layout.GetVerticalScrollBar();
  const CScrollBarUI* horizontal = layout.GetHorizontalScrollBar();
  const CScrollBarUI* across = column ? horizontal : vertical;
  FlowInput in;
  in.content = ToIntRect(content);
  in.available = {in.content.Width(), in.content.Height()};
  if (visible(across)) (column ? in.available.cx : in.available.cy) += across->GetScrollRange();
  in.originX = content.left - (visible(horizontal) ? horizontal->GetScrollPos() : 0);
  in.originY = content.top - (column && visible(vertical) ? vertical->GetScrollPos() : 0);
  in.childPadding = layout.GetChildPadding();
  const MeasureChild measure = [this](std::size_t i, IntSize a) { return Measure(i, a); };
  const FlowResult result = column ? FlowColumn(in, flow_, measure) : FlowRow(in, flow_, measure);
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->SetRect(ToRECT(result.rects[i]));
  return result.needed;
}

}  // namespace Veneer
