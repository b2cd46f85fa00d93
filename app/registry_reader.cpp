#include "app/registry_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/scoped_handle.h"

namespace lumo {
namespace {

// Room of the first query; a longer value is read again at its own size.
constexpr DWORD kFirstQueryBytes = 260;

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Whole UTF-16 units of the data, one terminating NUL left off. The registry
// doesn't enforce the NUL: data without one keeps its last character.
std::wstring TextOf(const std::vector<BYTE>& data, DWORD size) {
  const std::size_t units = std::min<std::size_t>(size, data.size()) / sizeof(wchar_t);
  std::wstring text(units, L'\0');
  std::memcpy(text.data(), data.data(), units * sizeof(wchar_t));
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

LONG RegistryReader::ReadString(const std::wstring& subkey, const std::wstring& valueName,
                                std::wstring& text, DWORD& type) const {
  RegistryKey key;
  LONG result = RegOpenKeyExW(root_, subkey.c_str(), 0, KEY_READ, key.receive());
  if (result != ERROR_SUCCESS) return result;

  type = 0;
  DWORD valueType = 0;
  std::vector<BYTE> data(kFirstQueryBytes);
  DWORD size = kFirstQueryBytes;
  result = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType, data.data(), &size);
  if (result == ERROR_MORE_DATA) {
    data.assign(size, 0);
    result =
        RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &valueType, data.data(), &size);
  }
  if (result != ERROR_SUCCESS) return result;

  if (IsStringType(valueType)) {
    text = TextOf(data, size);
    type = valueType;
  }
  return ERROR_SUCCESS;
}

}  // namespace lumo
