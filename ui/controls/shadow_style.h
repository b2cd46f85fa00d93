// How a window's drop shadow looks and where it goes: the settings that the
// layout's root element gives it, with the ranges each one accepts, and the
// shadow window's rectangle around its parent. Platform-neutral.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/core/int_rect.h"

namespace Veneer {

struct ShadowStyle {
  bool show = false;       // whether the window gets a shadow at all
  bool imageMode = false;  // drawn from `image` instead of computed
  // Computed mode.
  std::uint8_t darkness = 150;  // opacity of the darkest part
  std::uint8_t sharpness = 5;   // width of the soft edge
  std::int8_t size = 0;         // how far the shadow reaches beyond the window
  std::int8_t offsetX = 0;
  std::int8_t offsetY = 0;
  std::uint32_t colour = 0;  // 0xAARRGGBB, the alpha byte unused
  // Image mode: the image's fixed border, which is also how far the shadow
  // reaches beyond the window on each side.
  std::wstring image;
  IntRect corners;
};

enum class ShadowAttribute {
  kUnknown,   // not a shadow attribute
  kIgnored,   // out of range: nothing changed
  kShowFlag,  // "showshadow" taken
  kChanged,   // any other shadow attribute taken
};

// Applies one root attribute ("showshadow", "shadowimage", "shadowcorner",
// "shadowsize", "shadowsharpness", "shadowdarkness", "shadowposition",
// "shadowcolor"); a value out of range changes nothing.
ShadowAttribute ApplyShadowAttribute(ShadowStyle& style, std::wstring_view name,
                                     std::wstring_view value);

// The largest width or height of a shadow window.
constexpr int kMaxShadowSide = 32767;

// The shadow window's rectangle for a parent window at `parent` (screen
// coordinates); empty when the shadow would be empty or larger than
// kMaxShadowSide on a side (a skin's corners may be as large as it likes).
IntRect ShadowRect(const ShadowStyle& style, const IntRect& parent);

}  // namespace Veneer
