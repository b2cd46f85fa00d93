// The attributes of a layout's root element "Window": the window's size,
// sizing border, caption, corners, size limits, opacity, default colours,
// text drawing and drop shadow, set on its paint manager.
#pragma once

#include <string>
#include <string_view>

namespace Veneer {

class PaintManager;

// Names the window does not know are ignored, and so are values out of
// their ranges.
void ApplyWindowAttribute(PaintManager& manager, std::wstring_view name, const std::wstring& value);

}  // namespace Veneer
