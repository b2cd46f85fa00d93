#include "tests/report/scoped_registry_value.h"

#include "common/scoped_handle.h"

namespace lumo::test {
namespace {

bool KeyExists(HKEY root, const std::string& subKey) {
  RegistryKey key;
  return RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, key.receive()) == ERROR_SUCCESS;
}

}  // namespace

ScopedRegistryValue::ScopedRegistryValue(HKEY root, std::string subKey, std::string valueName)
    : root_(root), subKey_(std::move(subKey)), valueName_(std::move(valueName)) {
  for (std::size_t end = subKey_.find('\\');; end = subKey_.find('\\', end + 1)) {
    const std::string path = subKey_.substr(0, end);
    if (!KeyExists(root_, path)) missingKeys_.push_back(path);
    if (end == std::string::npos) break;
  }
  RegistryKey key;
  if (RegOpenKeyExA(root_, subKey_.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &type_, nullptr, &size) !=
      ERROR_SUCCESS) {
    return;
  }
  bytes_.resize(size);
  existed_ = RegQueryValueExA(key.get(), valueName_.c_str(), nullptr, &type_,
                              reinterpret_cast<BYTE*>(&bytes_[0]), &size) == ERROR_SUCCESS;
  bytes_.resize(size);
}

ScopedRegistryValue::~ScopedRegistryValue() {
  {
    RegistryKey key;
    if (RegOpenKeyExA(root_, subKey_.c_str(), 0, KEY_SET_VALUE, key.receive()) == ERROR_SUCCESS) {
      if (existed_) {
        RegSetValueExA(key.get(), valueName_.c_str(), 0, type_,
                       reinterpret_cast<const BYTE*>(bytes_.data()),
                       static_cast<DWORD>(bytes_.size()));
      } else {
        RegDeleteValueA(key.get(), valueName_.c_str());
      }
    }
  }
  for (auto path = missingKeys_.rbegin(); path != missingKeys_.rend(); ++path) {
    RegDeleteKeyA(root_, path->c_str());
  }
}

bool ScopedRegistryValue::Set(DWORD type, const std::string& bytes) {
  RegistryKey key;
  if (RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.receive(),
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), valueName_.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace lumo::test
