#include "app/format_wide.h"

#include <cstdarg>
#include <cstdio>

namespace lumo {

std::wstring FormatWide(const wchar_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const int length = _vscwprintf(format, arguments);
  va_end(arguments);
  if (length < 0) return std::wstring();

  // The terminating NUL goes into the string's own terminator.
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  va_start(arguments, format);
  const int written = _vsnwprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  return written == length ? text : std::wstring();
}

}  // namespace lumo
