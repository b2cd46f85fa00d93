// A read-only view of one element of a CXmlDocument: a small value that stays
// valid while the document keeps its text. The first attribute access maps up
// to 64 attributes; attributes after the 64th are not visible through a node.
// The accessors are inline: a layout is read by walking every node.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ui/markup/xml_char.h"
#include "ui/markup/xml_document.h"

namespace Veneer {

class CXmlNode {
 public:
  static constexpr int kMaxAttributes = 64;

  // An invalid node: designates no element. (Written out: the cache is left
  // unfilled.)
  CXmlNode() {}
  // A copy takes the mapped attributes only: nodes are passed around by value
  // on every step of a walk, and most of the cache is unused.
  CXmlNode(const CXmlNode& other);
  CXmlNode& operator=(const CXmlNode& other);

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
  uint32_t Offset(const XmlChar* p) const;
  void MapAttributes() const;  // fills the cache
  bool IsMapped(int index) const;

  struct Attribute {
    uint32_t name;  // offsets into the document's text
    uint32_t value;
  };

  const CXmlDocument* document_ = nullptr;
  uint32_t index_ = 0;
  // Filled by the first attribute access; -1 until then. Entries from the
  // count on are never read.
  mutable int attributeCount_ = -1;
  mutable Attribute attributes_[kMaxAttributes];
};

namespace detail {
inline constexpr XmlChar kEmptyText[] = {0};
}  // namespace detail

inline CXmlNode::CXmlNode(const CXmlDocument* document, uint32_t index)
    : document_(document), index_(index) {}

inline bool CXmlNode::IsLoaded() const {
  return document_ != nullptr && index_ != 0 && index_ < document_->elements_.size();
}

inline CXmlNode CXmlNode::Linked(uint32_t index) const {
  return index != 0 ? CXmlNode(document_, index) : CXmlNode();
}

inline CXmlNode CXmlNode::Parent() const {
  return IsLoaded() ? Linked(document_->elements_[index_].parent) : CXmlNode();
}

inline CXmlNode CXmlNode::FirstChild() const {
  return IsLoaded() ? Linked(document_->elements_[index_].child) : CXmlNode();
}

inline CXmlNode CXmlNode::NextSibling() const {
  return IsLoaded() ? Linked(document_->elements_[index_].next) : CXmlNode();
}

inline bool CXmlNode::HasChildren() const {
  return IsLoaded() && document_->elements_[index_].child != 0;
}

inline const XmlChar* CXmlNode::TextAt(uint32_t offset) const {
  return document_->text_.get() + offset;
}

inline const XmlChar* CXmlNode::Name() const {
  return IsLoaded() ? TextAt(document_->elements_[index_].start) : detail::kEmptyText;
}

inline const XmlChar* CXmlNode::Data() const {
  return IsLoaded() ? TextAt(document_->elements_[index_].data) : detail::kEmptyText;
}

inline int CXmlNode::AttributeCount() const {
  if (attributeCount_ < 0) MapAttributes();
  return attributeCount_;
}

// The count never exceeds the cache; the first test says so to the compiler.
inline bool CXmlNode::IsMapped(int index) const {
  return index >= 0 && index < kMaxAttributes && index < AttributeCount();
}

inline const XmlChar* CXmlNode::AttributeName(int index) const {
  return IsMapped(index) ? TextAt(attributes_[index].name) : detail::kEmptyText;
}

inline const XmlChar* CXmlNode::AttributeValue(int index) const {
  return IsMapped(index) ? TextAt(attributes_[index].value) : detail::kEmptyText;
}

}  // namespace Veneer
