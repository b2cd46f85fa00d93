// A receipt of what a demo program received and did: "name: value" lines in
// UTF-8, which the tests and the demo read back.
#pragma once

#include <string>

namespace lumo::demo {

class Receipt {
 public:
  void Add(const std::wstring& name, const std::wstring& value);
  void AddFlag(const std::wstring& name, bool value) { Add(name, value ? L"1" : L"0"); }
  // Writes the receipt to `path`, replacing any older one; false on failure.
  bool Save(const std::wstring& path) const;

 private:
  std::wstring text_;
};

}  // namespace lumo::demo
