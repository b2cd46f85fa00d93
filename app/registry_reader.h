// Reads string values below one root key, opening and closing the subkey per
// call. Everything it reads is treated as hostile: any length, any type, with
// or without a terminating NUL.
#pragma once

#include <windows.h>

#include <string>

namespace lumo {

class RegistryReader {
 public:
  explicit RegistryReader(HKEY root) : root_(root) {}

  // Reads `valueName` of `subkey` (opened with KEY_READ). Gives 0 on
  // success, else the Windows error code. When the subkey can't be opened
  // both outputs are untouched; once it is open, `type` is 0 unless a string
  // value was read. For REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ, `text` is the
  // data as UTF-16 (whole units only) without its terminating NUL, and
  // `type` the value's type; environment references stay unexpanded and a
  // multi-string keeps its inner NULs. A value of any other type is read
  // successfully but leaves `text` as it was.
  LONG ReadString(const std::wstring& subkey, const std::wstring& valueName, std::wstring& text,
                  DWORD& type) const;

 private:
  HKEY root_;
};

}  // namespace lumo
