// The system's text services as the markup code needs them. The Windows build
// calls Windows and its C runtime; elsewhere portable equivalents give the
// same results (tests compare the two under wine).
#pragma once

#include <cstddef>
#include <string>

#include "ui/markup/xml_char.h"

namespace Veneer {

// Decodes `size` bytes of UTF-8 into `out`, which has room for `size` units,
// each invalid sequence becoming U+FFFD; returns the number of units written.
size_t SystemUtf8ToUtf16(const unsigned char* bytes, size_t size, XmlChar* out);

// The C runtime's iswalnum: letters and digits of many scripts, not only ASCII.
bool SystemIsAlnum(XmlChar unit);

// `length` units converted to the ANSI code page, characters it lacks becoming
// "?"; false when the result needs more than `maxBytes` bytes.
bool SystemToAnsi(const XmlChar* text, size_t length, size_t maxBytes, std::string* out);
// Bytes in the ANSI code page converted to UTF-16.
XmlString SystemFromAnsi(const char* bytes, size_t length);

}  // namespace Veneer
