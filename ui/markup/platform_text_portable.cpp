// The text services for builds without Windows: the same decoder and letter
// table the tests hold against Windows, and Latin-1 as the ANSI code page.
#include "ui/markup/name_chars.h"
#include "ui/markup/platform_text.h"
#include "ui/markup/utf8_decoder.h"

namespace Veneer {

size_t SystemUtf8ToUtf16(const unsigned char* bytes, size_t size, XmlChar* out) {
  return DecodeUtf8(bytes, size, out);
}

bool SystemIsAlnum(XmlChar unit) {
  return IsAlnumByTable(unit);
}

bool SystemToAnsi(const XmlChar* text, size_t length, size_t maxBytes, std::string* out) {
  if (length > maxBytes) return false;
  out->resize(length);
  for (size_t i = 0; i < length; ++i) {
    (*out)[i] = text[i] < 0x100 ? static_cast<char>(text[i]) : '?';
  }
  return true;
}

XmlString SystemFromAnsi(const char* bytes, size_t length) {
  XmlString text(length, 0);
  for (size_t i = 0; i < length; ++i) text[i] = static_cast<unsigned char>(bytes[i]);
  return text;
}

}  // namespace Veneer
