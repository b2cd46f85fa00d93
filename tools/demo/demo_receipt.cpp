#include "tools/demo/demo_receipt.h"

#include <windows.h>

#include <string>

#include "tools/text/utf8_text.h"

namespace lumo::demo {

void Receipt::Add(const std::wstring& name, const std::wstring& value) {
  text_ += name + L": " + value + L"\n";
}

// Written aside and then renamed, so that the receipt appears whole: the
// tests read it as soon as it exists.
bool Receipt::Save(const std::wstring& path) const {
  const std::string utf8 = tools::Utf8(text_);
  const std::wstring partial = path + L".partial";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  return CloseHandle(file) && ok && written == utf8.size() &&
         MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace lumo::demo
