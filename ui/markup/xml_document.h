// A parsed layout document: one private UTF-16 copy of the text, parsed in
// place, and a table of element records that CXmlNode navigates. Element
// names, attribute names and values and element data end up as
// NUL-terminated strings inside the text; nothing is allocated per element.
//
// The accepted markup is a small subset of XML: elements with double-quoted
// attributes, character data before an element's first child, the five
// predefined entities, comments and declarations skipped ("<!" up to "->",
// "<?" up to "?>"). Every load starts from an empty document; a failed load
// leaves it empty with ErrorMessage() and ErrorLocation() set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/markup/xml_char.h"

namespace Veneer {

class CXmlNode;
#if defined(_WIN32)
class SkinLocation;
#endif

// One element: offsets into the document's text and indexes into its element
// table, where index 0 means "none" (record 0 is reserved; the root is 1).
struct XmlElement {
  uint32_t start;   // offset of the element's name
  uint32_t child;   // first child
  uint32_t next;    // next sibling
  uint32_t parent;  // 0 for a top-level element
  uint32_t data;    // offset of the element's character data
};

class CXmlDocument {
 public:
  CXmlDocument();
  ~CXmlDocument();
  CXmlDocument(const CXmlDocument&) = delete;
  CXmlDocument& operator=(const CXmlDocument&) = delete;

  // Copies a NUL-terminated UTF-16 text and parses it.
  bool LoadText(const XmlChar* text);
  // Drops a leading UTF-8 byte-order mark, decodes the rest from UTF-8 (each
  // invalid sequence becomes U+FFFD, as Windows' MultiByteToWideChar does)
  // and parses it. No other encoding is recognised.
  bool LoadUtf8(const void* bytes, size_t size);
#if defined(_WIN32)
  // Loads a layout file through the process-wide skin location (see
  // skin_location.h); on failure the error message is one of the skin
  // loading texts and the location is empty, or the parser's error.
  bool LoadSkinFile(const wchar_t* fileName);
  // The same through a given location.
  bool LoadSkinFile(const SkinLocation& location, const wchar_t* fileName);
#endif

  // Frees the text and the element table.
  void Release();
  // True when the document holds elements.
  bool IsLoaded() const;
  // Element 1, or an invalid node when the document is empty.
  CXmlNode Root() const;

  // Empty after a success. The message has at most 99 code units; the
  // location at most 49, copied from the text where the error was found.
  const XmlChar* ErrorMessage() const {
    return errorMessage_;
  }
  const XmlChar* ErrorLocation() const {
    return errorLocation_;
  }

 private:
  friend class CXmlNode;

  bool Parse();
  void SetError(const char* message, const XmlChar* location);

  std::unique_ptr<XmlChar[]> text_;
  std::vector<XmlElement> elements_;
  XmlChar errorMessage_[100] = {};
  XmlChar errorLocation_[50] = {};
};

}  // namespace Veneer
