#include "ui/core/window_hit_test.h"

#include <algorithm>

namespace Veneer {
namespace {

wchar_t AsciiLower(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

// Which third of a row the point is in: the left edge, the right edge or
// between them.
WindowZone Pick(int x, const IntRect& client, const IntRect& sizeBox, WindowZone left,
                WindowZone middle, WindowZone right) {
  if (x < client.left + sizeBox.left) return left;
  if (x > client.right - sizeBox.right) return right;
  return middle;
}

}  // namespace

WindowZone SizeBoxZone(int x, int y, const IntRect& client, const IntRect& sizeBox) {
  if (y < client.top + sizeBox.top) {
    return Pick(x, client, sizeBox, WindowZone::kTopLeft, WindowZone::kTop, WindowZone::kTopRight);
  }
  if (y > client.bottom - sizeBox.bottom) {
    return Pick(x, client, sizeBox, WindowZone::kBottomLeft, WindowZone::kBottom,
                WindowZone::kBottomRight);
  }
  return Pick(x, client, sizeBox, WindowZone::kLeft, WindowZone::kClient, WindowZone::kRight);
}

bool InCaptionBand(int x, int y, const IntRect& client, const IntRect& caption) {
  return x >= client.left + caption.left && x < client.right - caption.right && y >= caption.top &&
         y < caption.bottom;
}

bool TakesPressInCaption(std::wstring_view className) {
  static constexpr std::wstring_view kClasses[] = {
      L"ButtonUI",   L"OptionUI",   L"TextUI", L"SliderUI",
      L"RichEditUI", L"CheckBoxUI", L"EditUI", L"ScrollBarUI",
  };
  return std::any_of(std::begin(kClasses), std::end(kClasses),
                     [&](std::wstring_view name) { return EqualsIgnoringCase(name, className); });
}

}  // namespace Veneer
