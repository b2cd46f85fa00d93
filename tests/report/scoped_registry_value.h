// A registry value that a test sets for its length: the value as it was, or
// its absence, comes back at the end, and the keys that setting it created
// go again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lumo::test {

class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, std::string subKey, std::string valueName);
  ~ScopedRegistryValue();
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

  // The bytes as stored, of any type; false on failure.
  bool Set(DWORD type, const std::string& bytes);
  // A string value with its terminating zero.
  bool SetText(const std::string& text) { return Set(REG_SZ, text + '\0'); }

 private:
  HKEY root_;
  std::string subKey_;
  std::string valueName_;
  std::vector<std::string> missingKeys_;  // deepest last
  bool existed_ = false;
  DWORD type_ = REG_NONE;
  std::string bytes_;
};

}  // namespace lumo::test
