#include "tools/demo/demo_receipt.h"

#include <windows.h>

#include <string>

namespace lumo::demo {

void Receipt::Add(const std::wstring& name, const std::wstring& value) {
  text_ += name + L": " + value + L"\n";
}

bool Receipt::Save(const std::wstring& path) const {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text_.data(), static_cast<int>(text_.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text_.data(), static_cast<int>(text_.size()), utf8.data(), size,
                      nullptr, nullptr);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  return CloseHandle(file) && ok && written == utf8.size();
}

}  // namespace lumo::demo
