// The characters of element and attribute names.
#pragma once

#include "ui/markup/xml_char.h"

namespace Veneer {

// "_", ":" and what the C runtime's iswalnum counts as a letter or digit.
bool IsNameChar(XmlChar unit);

// The letters and digits of Windows' C runtime (its iswalnum), as a table that
// builds without it.
bool IsAlnumByTable(XmlChar unit);

}  // namespace Veneer
