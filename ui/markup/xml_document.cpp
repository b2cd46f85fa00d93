#include "ui/markup/xml_document.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "ui/markup/platform_text.h"
#include "ui/markup/xml_node.h"
#include "ui/markup/xml_parser.h"

namespace Veneer {
namespace {

constexpr size_t kFirstCapacity = 500;
// Offsets are 32-bit: longer texts are refused before they are parsed.
constexpr size_t kMaxTextUnits = UINT32_MAX - 1 - kXmlTextPadding;

template <size_t N>
void CopyCut(XmlChar (&buffer)[N], const XmlChar* text) {
  size_t i = 0;
  for (; text != nullptr && i + 1 < N && text[i] != 0; ++i) buffer[i] = text[i];
  buffer[i] = 0;
}

// Room for `length` units, their NUL and the parser's padding, which is
// cleared.
std::unique_ptr<XmlChar[]> Allocate(size_t length) {
  std::unique_ptr<XmlChar[]> text(new (std::nothrow) XmlChar[length + 1 + kXmlTextPadding]);
  if (text) std::fill_n(text.get() + length, 1 + kXmlTextPadding, XmlChar{0});
  return text;
}

}  // namespace

CXmlDocument::CXmlDocument() = default;
CXmlDocument::~CXmlDocument() = default;

bool CXmlDocument::LoadText(const XmlChar* text) {
  Release();
  size_t length = 0;
  while (text != nullptr && text[length] != 0) ++length;
  if (length > kMaxTextUnits || !(text_ = Allocate(length))) {
    SetError("Out of memory", nullptr);
    return false;
  }
  std::copy(text, text + length, text_.get());
  return Parse();
}

bool CXmlDocument::LoadUtf8(const void* bytes, size_t size) {
  Release();
  auto data = static_cast<const unsigned char*>(bytes);
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    data += 3;
    size -= 3;
  }
  // UTF-8 never needs more UTF-16 units than it has bytes.
  if (size > kMaxTextUnits || !(text_ = Allocate(size))) {
    SetError("Out of memory", nullptr);
    return false;
  }
  // Fewer units than bytes leave a tail to clear up to the allocated NUL.
  const size_t length = SystemUtf8ToUtf16(data, size, text_.get());
  std::fill(text_.get() + length, text_.get() + size, XmlChar{0});
  return Parse();
}

bool CXmlDocument::Parse() {
  SetError("", nullptr);
  XmlParseError error;
  try {
    elements_.reserve(kFirstCapacity);
    elements_.push_back({});  // record 0: "no element"
    if (ParseXml(text_.get(), &elements_, &error)) return true;
  } catch (const std::bad_alloc&) {
    // The element table grows with the document: one that can't grow fails
    // the load as a text that can't be copied does.
    error = {"Out of memory", nullptr};
  }
  SetError(error.message, error.location);  // copies from the text: before Release
  Release();
  return false;
}

void CXmlDocument::SetError(const char* message, const XmlChar* location) {
  size_t i = 0;
  for (; i + 1 < std::size(errorMessage_) && message[i] != 0; ++i) {
    errorMessage_[i] = static_cast<unsigned char>(message[i]);
  }
  errorMessage_[i] = 0;
  CopyCut(errorLocation_, location);
}

void CXmlDocument::Release() {
  text_.reset();
  std::vector<XmlElement>().swap(elements_);
}

bool CXmlDocument::IsLoaded() const {
  return elements_.size() > 1;
}

CXmlNode CXmlDocument::Root() const {
  return IsLoaded() ? CXmlNode(this, 1) : CXmlNode();
}

}  // namespace Veneer
