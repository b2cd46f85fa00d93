#include "ui/controls/shadow_style.h"

#include <climits>

#include "ui/core/value_syntax.h"

namespace Veneer {
namespace {

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

template <typename Store>
ShadowAttribute ApplyRanged(std::wstring_view value, int low, int high, Store store) {
  const int number = ParseInt(value);
  if (!InRange(number, low, high)) return ShadowAttribute::kIgnored;
  store(number);
  return ShadowAttribute::kChanged;
}

}  // namespace

ShadowAttribute ApplyShadowAttribute(ShadowStyle& style, std::wstring_view name,
                                     std::wstring_view value) {
  if (name == L"showshadow") {
    style.show = ParseBool(value);
    return ShadowAttribute::kShowFlag;
  }
  if (name == L"shadowimage") {
    style.imageMode = true;
    style.image = value;
    return ShadowAttribute::kChanged;
  }
  if (name == L"shadowcorner") {
    const IntRect corners = ParseIntRect(value);
    if (corners.left < 0 || corners.top < 0 || corners.right < 0 || corners.bottom < 0) {
      return ShadowAttribute::kIgnored;
    }
    style.corners = corners;
    return ShadowAttribute::kChanged;
  }
  if (name == L"shadowsize") {
    return ApplyRanged(value, -20, 20, [&](int v) { style.size = static_cast<std::int8_t>(v); });
  }
  if (name == L"shadowsharpness") {
    return ApplyRanged(value, 0, 20,
                       [&](int v) { style.sharpness = static_cast<std::uint8_t>(v); });
  }
  if (name == L"shadowdarkness") {
    return ApplyRanged(value, 0, 255,
                       [&](int v) { style.darkness = static_cast<std::uint8_t>(v); });
  }
  if (name == L"shadowposition") {
    int offset[2];
    ParseIntList(value, offset, 2);
    if (!InRange(offset[0], -20, 20) || !InRange(offset[1], -20, 20)) {
      return ShadowAttribute::kIgnored;
    }
    style.offsetX = static_cast<std::int8_t>(offset[0]);
    style.offsetY = static_cast<std::int8_t>(offset[1]);
    return ShadowAttribute::kChanged;
  }
  if (name == L"shadowcolor") {
    style.colour = ParseColour(value);
    return ShadowAttribute::kChanged;
  }
  return ShadowAttribute::kUnknown;
}

IntRect ShadowRect(const ShadowStyle& style, const IntRect& parent) {
  long long left, top, right, bottom;
  if (style.imageMode) {
    const IntRect& c = style.corners;
    left = static_cast<long long>(parent.left) - c.left;
    top = static_cast<long long>(parent.top) - c.top;
    right = static_cast<long long>(parent.right) + c.right;
    bottom = static_cast<long long>(parent.bottom) + c.bottom;
  } else {
    left = static_cast<long long>(parent.left) + style.offsetX - style.size;
    top = static_cast<long long>(parent.top) + style.offsetY - style.size;
    right = left + parent.Width() + 2 * style.size;
    bottom = top + parent.Height() + 2 * style.size;
  }
  const bool fits = right > left && bottom > top && right - left <= kMaxShadowSide &&
                    bottom - top <= kMaxShadowSide && left >= INT_MIN / 2 && top >= INT_MIN / 2 &&
                    right <= INT_MAX / 2 && bottom <= INT_MAX / 2;
  if (!fits) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
          static_cast<int>(bottom)};
}

}  // namespace Veneer
