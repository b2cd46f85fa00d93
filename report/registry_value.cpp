#include "report/registry_value.h"

#include <vector>

#include "common/scoped_handle.h"

namespace lumo {

bool ReadRegistryValueBytes(HKEY root, const std::string& subKey, const char* valueName,
                            std::size_t capacity, std::string& bytes) {
  RegistryKey key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) {
    return false;
  }
  std::vector<unsigned char> buffer(capacity);
  DWORD size = static_cast<DWORD>(buffer.size());
  if (RegQueryValueExA(key.get(), valueName, nullptr, nullptr, buffer.data(), &size) !=
          ERROR_SUCCESS ||
      size > buffer.size()) {
    return false;
  }
  bytes.assign(buffer.begin(), buffer.begin() + size);
  return true;
}

std::string UpToFirstZero(const std::string& bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace lumo
