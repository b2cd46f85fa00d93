// The program's wide-string type with its trimming operations. White space is
// what the C runtime's default ("C") classification calls so, applied to each
// UTF-16 unit: space, tab, line feed, vertical tab, form feed, carriage
// return. Other Unicode spaces stay. Platform-neutral.
#pragma once

#include <string>

namespace lumo {

class CAppString {
 public:
  CAppString() = default;
  explicit CAppString(std::wstring text) : text_(std::move(text)) {}

  const std::wstring& str() const { return text_; }

  // Each gives true once it has done its work. No exception leaves them:
  // LTrim and RTrim catch one, write "CAppString::LTrim failed." or
  // "CAppString::RTrim failed." as a debugger line and give false, the text
  // trimmed as far as they got; Trim then adds "CAppString::Trim failed.".
  bool LTrim();  // leading white space
  bool RTrim();  // trailing white space
  bool Trim();   // LTrim, then RTrim

 private:
  std::wstring text_;
};

}  // namespace lumo
