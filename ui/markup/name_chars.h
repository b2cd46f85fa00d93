// The characters of element and attribute names, and the blanks around them.
#pragma once

#include "ui/markup/xml_char.h"

namespace Veneer {

// Code units 1 to 32.
inline bool IsMarkupBlank(XmlChar unit) {
  return unit >= 1 && unit <= 32;
}

// "_", ":" and what the C runtime's iswalnum counts as a letter or digit.
bool IsNameChar(XmlChar unit);

// The letters and digits of Windows' C runtime (its iswalnum), as a table that
// builds without it.
bool IsAlnumByTable(XmlChar unit);

}  // namespace Veneer
