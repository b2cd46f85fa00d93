// The text services of the Windows build: Windows' own conversions and the C
// runtime's classification.
#include <windows.h>

#include <climits>
#include <cwctype>

#include "ui/markup/code_page_text.h"
#include "ui/markup/platform_text.h"

namespace Veneer {

size_t SystemUtf8ToUtf16(const unsigned char* bytes, size_t size, XmlChar* out) {
  if (size == 0 || size > INT_MAX) return 0;
  const int length = static_cast<int>(size);
  const int written =
      MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(bytes), length, out, length);
  return written > 0 ? static_cast<size_t>(written) : 0;
}

bool SystemIsAlnum(XmlChar unit) {
  return iswalnum(unit) != 0;
}

bool SystemToAnsi(const XmlChar* text, size_t length, size_t maxBytes, std::string* out) {
  return ToCodePage(GetACP(), text, length, maxBytes, out);
}

bool ToCodePage(UINT codePage, const XmlChar* text, size_t length, size_t maxBytes,
                std::string* out) {
  out->clear();
  if (length == 0) return true;
  if (length > INT_MAX || maxBytes > INT_MAX) return false;
  out->resize(maxBytes);
  const auto convert = [&](DWORD flags) {
    return WideCharToMultiByte(codePage, flags, text, static_cast<int>(length), out->data(),
                               static_cast<int>(maxBytes), nullptr, nullptr);
  };
  // No best fit: a character the code page lacks becomes "?", never a
  // look-alike. UTF-8 lacks none, and it refuses the flag, as do some other
  // code pages.
  const DWORD noBestFit = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  int written = convert(noBestFit);
  if (written == 0 && noBestFit != 0 && GetLastError() == ERROR_INVALID_FLAGS) written = convert(0);
  out->resize(written > 0 ? static_cast<size_t>(written) : 0);
  return written > 0;
}

XmlString SystemFromAnsi(const char* bytes, size_t length) {
  if (length == 0 || length > INT_MAX) return XmlString();
  const int size = static_cast<int>(length);
  XmlString text(length, 0);  // an ANSI character never takes more than one unit
  const int written = MultiByteToWideChar(CP_ACP, 0, bytes, size, text.data(), size);
  text.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return text;
}

}  // namespace Veneer
