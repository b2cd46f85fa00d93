// A UTF-8 decoder that gives what Windows' MultiByteToWideChar(CP_UTF8, 0)
// gives for any input, valid or not, so that builds without Windows read a
// layout exactly as the program does (tests compare both under wine, over
// every short sequence and millions of random ones).
#pragma once

#include <cstddef>

#include "ui/markup/xml_char.h"

namespace Veneer {

// Decodes `size` bytes into `out` (room for `size` units); returns the number
// of units written. Each invalid sequence becomes one U+FFFD:
// - a byte that can't start a sequence (80-C1, F5-FF);
// - a start byte whose sequence would run past the end of the input, together
//   with everything after it (what Windows does: "E0 41" at the end is one
//   U+FFFD);
// - a start byte whose next byte is no continuation byte (that byte is read
//   again as a start);
// - a start byte and its second byte when they begin an overlong form, a
//   surrogate or a value above U+10FFFF (E0 80-9F, ED A0-BF, F0 80-8F,
//   F4 90-BF);
// - a start byte and the continuation bytes after it, up to the first byte
//   that is none.
size_t DecodeUtf8(const unsigned char* bytes, size_t size, XmlChar* out);

}  // namespace Veneer
