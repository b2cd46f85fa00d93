#include "install/delayed_delete_name.h"

namespace lumo {

std::wstring DelayedDeleteName(const std::wstring& path, std::uint32_t tickCount) {
  static const wchar_t kTmp[] = L".tmp";
  const std::size_t found = path.find(kTmp);
  std::wstring name = found == std::wstring::npos
                          ? path + kTmp
                          : path.substr(0, found + (sizeof kTmp / sizeof *kTmp - 1));

  std::wstring hex;
  do {
    hex.insert(hex.begin(), L"0123456789abcdef"[tickCount & 0xF]);
    tickCount >>= 4;
  } while (tickCount != 0);
  return name + hex;
}

}  // namespace lumo
