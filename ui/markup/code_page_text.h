// Conversion of UTF-16 text to a given Windows code page, with the rules of
// the archive's names: what SystemToAnsi does for the ANSI code page, for
// any code page, so that each can be tried whatever the system's is.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "ui/markup/xml_char.h"

namespace Veneer {

// `length` units in `codePage`, characters it lacks becoming "?"; false
// when the result needs more than `maxBytes` bytes or the conversion fails.
bool ToCodePage(UINT codePage, const XmlChar* text, size_t length, size_t maxBytes,
                std::string* out);

}  // namespace Veneer
