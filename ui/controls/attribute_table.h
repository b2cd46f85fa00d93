// A table of a control class's skin attributes: each known name with the
// function that applies its value. Names are compared exactly.
#pragma once

#include <cstddef>
#include <string>

namespace Veneer {

template <typename Control>
struct AttributeRow {
  const wchar_t* name;
  void (*apply)(Control& control, const std::wstring& value);
};

// Applies the row named `name`; false when the table doesn't know it.
template <typename Control, std::size_t N>
bool ApplyFromTable(const AttributeRow<Control> (&rows)[N], Control& control,
                    const std::wstring& name, const std::wstring& value) {
  for (const auto& row : rows) {
    if (name == row.name) {
      row.apply(control, value);
      return true;
    }
  }
  return false;
}

}  // namespace Veneer
