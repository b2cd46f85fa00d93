#include "app/app_string.h"

#include "app/debugger_line.h"

namespace lumo {
namespace {

bool IsCSpace(wchar_t unit) {
  return unit == L' ' || (unit >= L'\t' && unit <= L'\r');
}

}  // namespace

bool CAppString::LTrim() {
  try {
    std::size_t first = 0;
    while (first < text_.size() && IsCSpace(text_[first])) ++first;
    text_.erase(0, first);
    return true;
  } catch (...) {
    WriteDebuggerLine(L"CAppString::LTrim failed.");
    return false;
  }
}

bool CAppString::RTrim() {
  try {
    std::size_t end = text_.size();
    while (end > 0 && IsCSpace(text_[end - 1])) --end;
    text_.erase(end);
    return true;
  } catch (...) {
    WriteDebuggerLine(L"CAppString::RTrim failed.");
    return false;
  }
}

bool CAppString::Trim() {
  const bool left = LTrim();
  const bool right = RTrim();
  if (left && right) return true;
  WriteDebuggerLine(L"CAppString::Trim failed.");
  return false;
}

}  // namespace lumo
