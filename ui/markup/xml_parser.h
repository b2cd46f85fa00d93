// The parse of a layout text, in place: names, values and data are cut out
// of the text with NULs, entities decoded where they stand, and one record
// per element appended to the table.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/markup/xml_char.h"
#include "ui/markup/xml_document.h"

namespace Veneer {

struct XmlParseError {
  const char* message = nullptr;
  const XmlChar* location = nullptr;  // where in the text the parse stopped
};

// Units the text must hold after its terminating NUL: the parser reads text
// in blocks of four units.
constexpr size_t kXmlTextPadding = 3;

// Parses the NUL-terminated `text` (which it changes, and which is followed by
// kXmlTextPadding readable units) into `elements`, whose record 0 the caller
// has reserved. False with `error` set when the text is not accepted; the
// table then holds whatever was appended before.
bool ParseXml(XmlChar* text, std::vector<XmlElement>* elements, XmlParseError* error);

}  // namespace Veneer
