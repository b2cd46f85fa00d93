// The characters of element and attribute names, and the blanks around them.
#pragma once

#include "ui/markup/platform_text.h"
#include "ui/markup/xml_char.h"

namespace Veneer {

// Code units 1 to 32.
inline bool IsMarkupBlank(XmlChar unit) {
  return unit >= 1 && unit <= 32;
}

namespace detail {

constexpr bool IsAsciiNameChar(int unit) {
  return (unit >= '0' && unit <= '9') || (unit >= 'A' && unit <= 'Z') ||
         (unit >= 'a' && unit <= 'z') || unit == '_' || unit == ':';
}

struct AsciiNameChars {
  constexpr AsciiNameChars() {
    for (int unit = 0; unit < 128; ++unit) is[unit] = IsAsciiNameChar(unit);
  }
  bool is[128] = {};
};

inline constexpr AsciiNameChars kAsciiNameChars;

}  // namespace detail

// IsNameChar for a unit below 128.
inline bool IsAsciiNameChar(XmlChar unit) {
  return detail::kAsciiNameChars.is[unit];
}

// "_", ":" and what the C runtime's iswalnum counts as a letter or digit. The
// ASCII units, which names are nearly always made of, are decided inline.
inline bool IsNameChar(XmlChar unit) {
  return unit < 128 ? IsAsciiNameChar(unit) : SystemIsAlnum(unit);
}

// The letters and digits of Windows' C runtime (its iswalnum), as a table that
// builds without it.
bool IsAlnumByTable(XmlChar unit);

}  // namespace Veneer
