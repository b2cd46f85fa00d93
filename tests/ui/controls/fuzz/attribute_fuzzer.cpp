// Attribute values of any kind, as a skin could write them, through every
// parser of the value syntax and then through the layout and progress
// arithmetic they feed: integers, lists, rectangles, colours, attribute
// lists, "pos" placements, flows of children, tab pages, floating children
// and progress bars.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/controls/layout_arithmetic.h"
#include "ui/controls/progress_arithmetic.h"
#include "ui/core/value_syntax.h"

namespace {

using namespace Veneer;

// Keeps the results from being optimised away.
volatile std::int64_t g_sink;

void Sink(const IntRect& r) {
  g_sink = g_sink + r.left + r.top + r.right + r.bottom;
}

// The bytes as UTF-16 code units, two by two.
std::wstring Units(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  }
  return text;
}

// Children of a flow, each from one value of the attribute list: its fixed
// size and padding from the numbers in the value.
void Flows(const AttributeList& attributes, const IntRect& content) {
  std::vector<FlowChild> children;
  std::vector<IntSize> sizes;
  for (const auto& [name, value] : attributes) {
    if (children.size() == 32) break;
    int v[10];
    ParseIntList(value, v, 10);
    FlowChild child;
    child.padding = {v[0], v[1], v[2], v[3]};
    child.limits = {v[4], v[5], v[6], v[7]};
    children.push_back(child);
    sizes.push_back({v[8], v[9]});
    const PosPlacement pos = PlacementOfPos(ParseIntRect(name));
    FloatPlacement f;
    f.offset = pos.offset;
    f.size = pos.size;
    f.relative = ParseBool(name);
    f.baseSize = {v[0], v[1]};
    f.moveX = v[2];
    f.moveY = v[3];
    f.zoomX = v[4];
    f.zoomY = v[5];
    Sink(PlaceFloating(content, f));
  }
  const MeasureChild measure = [&](std::size_t i, IntSize) { return Measured{sizes[i], sizes[i]}; };
  FlowInput in;
  in.content = content;
  in.available = {content.right, content.bottom};
  in.originX = content.left;
  in.originY = content.top;
  in.childPadding = content.left;
  for (const FlowResult& result :
       {FlowColumn(in, children, measure), FlowRow(in, children, measure)}) {
    for (const IntRect& r : result.rects) Sink(r);
    g_sink = g_sink + result.needed;
  }
  if (!children.empty()) Sink(PlaceTabPage(content, children[0], measure));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = Units(data, size);
  std::size_t end = 0;
  g_sink = g_sink + ParseInt(text, &end) + static_cast<std::int64_t>(end) + ParseColour(text) +
           ParseBool(text);
  const IntRect rect = ParseIntRect(text);
  Sink(rect);
  int minimum = rect.left, maximum = rect.top, value = rect.right;
  CorrectProgressRange(minimum, maximum, value);
  Sink(ProgressForeground(rect.bottom < 0 ? 0 : rect.bottom, 12, minimum, maximum, value,
                          (size & 1) != 0));
  Flows(ParseAttributeList(text), rect);
  return 0;
}
