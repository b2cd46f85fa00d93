#include "ui/markup/xml_node.h"

#include "ui/markup/name_chars.h"
#include "ui/markup/xml_document.h"

namespace Veneer {
namespace {

const XmlChar kEmpty[] = {0};

}  // namespace

CXmlNode::CXmlNode(const CXmlDocument* document, uint32_t index)
    : document_(document), index_(index) {}

bool CXmlNode::IsLoaded() const {
  return document_ != nullptr && index_ != 0 && index_ < document_->elements_.size();
}

CXmlNode CXmlNode::Linked(uint32_t index) const {
  return index != 0 ? CXmlNode(document_, index) : CXmlNode();
}

CXmlNode CXmlNode::Parent() const {
  return IsLoaded() ? Linked(document_->elements_[index_].parent) : CXmlNode();
}

CXmlNode CXmlNode::FirstChild() const {
  return IsLoaded() ? Linked(document_->elements_[index_].child) : CXmlNode();
}

CXmlNode CXmlNode::NextSibling() const {
  return IsLoaded() ? Linked(document_->elements_[index_].next) : CXmlNode();
}

bool CXmlNode::HasChildren() const {
  return IsLoaded() && document_->elements_[index_].child != 0;
}

const XmlChar* CXmlNode::TextAt(uint32_t offset) const {
  return document_->text_.get() + offset;
}

const XmlChar* CXmlNode::Name() const {
  return IsLoaded() ? TextAt(document_->elements_[index_].start) : kEmpty;
}

const XmlChar* CXmlNode::Data() const {
  return IsLoaded() ? TextAt(document_->elements_[index_].data) : kEmpty;
}

int CXmlNode::AttributeCount() const {
  MapAttributes();
  return attributeCount_;
}

const XmlChar* CXmlNode::AttributeName(int index) const {
  MapAttributes();
  return index >= 0 && index < attributeCount_ ? TextAt(attributes_[index].name) : kEmpty;
}

const XmlChar* CXmlNode::AttributeValue(int index) const {
  MapAttributes();
  return index >= 0 && index < attributeCount_ ? TextAt(attributes_[index].value) : kEmpty;
}

bool CXmlNode::FindAttribute(const XmlChar* name, XmlChar* buffer, size_t capacity) const {
  MapAttributes();
  for (int i = 0; i < attributeCount_; ++i) {
    const XmlChar* candidate = TextAt(attributes_[i].name);
    size_t k = 0;
    while (candidate[k] != 0 && candidate[k] == name[k]) ++k;
    if (candidate[k] != name[k]) continue;
    const XmlChar* value = TextAt(attributes_[i].value);
    size_t copied = 0;
    for (; copied < capacity && value[copied] != 0; ++copied) buffer[copied] = value[copied];
    for (; copied < capacity; ++copied) buffer[copied] = 0;
    return true;
  }
  return false;
}

// The attributes stand between the NUL after the element's name and its
// data, as name NUL blanks quote value NUL pairs (the parse left them so).
void CXmlNode::MapAttributes() const {
  if (attributeCount_ >= 0) return;
  attributeCount_ = 0;
  if (!IsLoaded()) return;
  const XmlElement& element = document_->elements_[index_];
  const XmlChar* text = document_->text_.get();
  uint32_t p = element.start;
  const uint32_t end = element.data;
  while (p < end && text[p] != 0) ++p;
  ++p;
  while (p < end && attributeCount_ < kMaxAttributes) {
    while (p < end && IsMarkupBlank(text[p])) ++p;
    const uint32_t name = p;
    while (p < end && text[p] != 0) ++p;
    ++p;
    while (p < end && IsMarkupBlank(text[p])) ++p;
    if (p >= end || text[p] != '"') return;
    const uint32_t value = ++p;
    while (p < end && text[p] != 0) ++p;
    if (p >= end) return;
    ++p;
    attributes_[attributeCount_++] = {name, value};
  }
}

}  // namespace Veneer
