// Test helpers for the framework's text, which is wchar_t on Windows and
// char16_t elsewhere: literals written once as u"..." for both trees, and a
// readable form for failure messages.
#pragma once

#include <string>
#include <string_view>

#include "ui/markup/xml_char.h"

namespace Veneer::test {

inline XmlString Text(std::u16string_view text) {
  return XmlString(text.begin(), text.end());
}

// Printable ASCII as it is, everything else as \uXXXX.
inline std::string Show(const XmlChar* text, size_t length) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (size_t i = 0; i < length; ++i) {
    const auto unit = static_cast<unsigned>(text[i]);
    if (unit >= 0x20 && unit < 0x7F) {
      shown += static_cast<char>(unit);
    } else {
      shown += "\\u";
      for (int shift = 12; shift >= 0; shift -= 4) shown += kHex[(unit >> shift) & 0xF];
    }
  }
  return shown;
}

inline std::string Show(const XmlString& text) {
  return Show(text.data(), text.size());
}

inline std::string Show(const XmlChar* text) {
  return text != nullptr ? Show(XmlString(text)) : std::string();
}

}  // namespace Veneer::test
