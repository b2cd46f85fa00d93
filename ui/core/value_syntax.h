// The value syntax of skin attributes and image descriptions: integers,
// integer lists, ARGB colours, booleans, and name="value" attribute lists.
// Malformed values never fail: numbers that aren't there read as 0.
// Platform-neutral.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/core/int_rect.h"

namespace Veneer {

// Leading blanks, an optional sign and decimal digits, read as far as they
// go (values beyond the int range saturate); 0 when there are no digits.
// `end`, when given, receives the position after the digits, or 0 when
// nothing was read.
int ParseInt(std::wstring_view text, std::size_t* end = nullptr);

// `count` integers, each followed by exactly one separator character,
// whatever it is ("145, 16, 436, 82"); the ones missing at the end are 0.
void ParseIntList(std::wstring_view text, int* values, std::size_t count);
IntRect ParseIntRect(std::wstring_view text);  // l,t,r,b

// An optional '#', then hexadecimal digits as 0xAARRGGBB ("#FF444444"); a
// six-digit value has alpha 0. Values beyond 32 bits saturate.
std::uint32_t ParseColour(std::wstring_view text);

// True exactly for "true".
inline bool ParseBool(std::wstring_view text) {
  return text == L"true";
}

using AttributeList = std::vector<std::pair<std::wstring, std::wstring>>;

// name="value" pairs separated by single blanks, up to the first pair that
// breaks the form.
AttributeList ParseAttributeList(std::wstring_view text);

}  // namespace Veneer
