// The code unit of the framework's text: UTF-16, as wchar_t on Windows (the
// type every Windows call and control takes) and as char16_t elsewhere, so
// the same parser and archive code builds and is tested in every tree.
#pragma once

#include <string>

namespace Veneer {

#if defined(_WIN32)
using XmlChar = wchar_t;
#else
using XmlChar = char16_t;
#endif
static_assert(sizeof(XmlChar) == 2, "the framework's text is UTF-16");

using XmlString = std::basic_string<XmlChar>;

}  // namespace Veneer
