// printf-style formatting into a new wide string, with the C runtime's
// wide rules: %s takes a wide string.
#pragma once

#include <string>

namespace lumo {

// The formatted text, measured first and written into a string of exactly
// that length; "" when the format can't be applied.
std::wstring FormatWide(const wchar_t* format, ...);

}  // namespace lumo
