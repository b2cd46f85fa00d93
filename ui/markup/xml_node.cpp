#include "ui/markup/xml_node.h"

#include <algorithm>

#include "ui/markup/name_chars.h"
#include "ui/markup/unit_scan.h"
#include "ui/markup/xml_document.h"

namespace Veneer {

CXmlNode::CXmlNode(const CXmlNode& other) {
  *this = other;
}

CXmlNode& CXmlNode::operator=(const CXmlNode& other) {
  document_ = other.document_;
  index_ = other.index_;
  attributeCount_ = other.attributeCount_;
  std::copy(other.attributes_, other.attributes_ + std::max(attributeCount_, 0), attributes_);
  return *this;
}

uint32_t CXmlNode::Offset(const XmlChar* p) const {
  return static_cast<uint32_t>(p - document_->text_.get());
}

bool CXmlNode::FindAttribute(const XmlChar* name, XmlChar* buffer, size_t capacity) const {
  const int count = AttributeCount();
  for (int i = 0; i < count; ++i) {
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
// The scans for a NUL need no bound: the text ends with one (and its
// padding), and a scan that passed the data offset is caught right after it.
void CXmlNode::MapAttributes() const {
  attributeCount_ = 0;
  if (!IsLoaded()) return;
  const XmlElement& element = document_->elements_[index_];
  const XmlChar* text = document_->text_.get();
  const XmlChar* const end = text + element.data;
  const XmlChar* p = FindNul(text + element.start) + 1;
  int count = 0;
  while (p < end && count < kMaxAttributes) {
    while (p < end && IsMarkupBlank(*p)) ++p;
    // A name needs its NUL and a value after it: not at the last unit.
    if (end - p < 2) break;
    const XmlChar* name = p;
    p = FindNul(p) + 1;
    while (p < end && IsMarkupBlank(*p)) ++p;
    if (p >= end || *p != '"') break;
    const XmlChar* value = ++p;
    p = FindNul(p);
    if (p >= end) break;
    ++p;
    attributes_[count++] = {Offset(name), Offset(value)};
  }
  attributeCount_ = count;
}

}  // namespace Veneer
