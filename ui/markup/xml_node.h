// A read-only view of one element of a CXmlDocument: a small value that stays
// valid while the document keeps its text. The first attribute access maps up
// to 64 attributes; attributes after the 64th are not visible through a node.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/markup/xml_char.h"

namespace Veneer {

class CXmlDocument;

class CXmlNode {
 public:
  static constexpr int kMaxAttributes = 64;

  // An invalid node: designates no element.
  CXmlNode() = default;

  bool IsLoaded() const;
  // Invalid nodes where the element has no parent, child or next sibling.
  CXmlNode Parent() const;
  CXmlNode FirstChild() const;
  CXmlNode NextSibling() const;
  bool HasChildren() const;

  // The element's name and character data; empty texts for an invalid node.
  // The data is empty for a self-closing element.
  const XmlChar* Name() const;
  const XmlChar* Data() const;

  // The attributes in document order; an index past the count gives "".
  int AttributeCount() const;
  const XmlChar* AttributeName(int index) const;
  const XmlChar* AttributeValue(int index) const;
  // Looks `name` up (case matters). When found, copies at most `capacity`
  // code units of the value into `buffer` and clears the rest of those
  // `capacity` units, as wcsncpy does: pass one less than the buffer's size
  // to keep the copy terminated. When not found, leaves `buffer` alone.
  bool FindAttribute(const XmlChar* name, XmlChar* buffer, size_t capacity) const;

 private:
  friend class CXmlDocument;
  CXmlNode(const CXmlDocument* document, uint32_t index);

  CXmlNode Linked(uint32_t index) const;
  const XmlChar* TextAt(uint32_t offset) const;
  void MapAttributes() const;

  struct Attribute {
    uint32_t name;  // offsets into the document's text
    uint32_t value;
  };

  const CXmlDocument* document_ = nullptr;
  uint32_t index_ = 0;
  // Filled by the first attribute access; -1 until then.
  mutable int attributeCount_ = -1;
  mutable Attribute attributes_[kMaxAttributes] = {};
};

}  // namespace Veneer
