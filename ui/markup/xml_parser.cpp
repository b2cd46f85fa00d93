#include "ui/markup/xml_parser.h"

#include "ui/markup/name_chars.h"
#include "ui/markup/unit_scan.h"

namespace Veneer {
namespace {

XmlChar* SkipBlanks(XmlChar* p) {
  while (IsMarkupBlank(*p)) ++p;
  return p;
}

XmlChar* SkipName(XmlChar* p) {
  while (IsNameChar(*p)) ++p;  // never the NUL at the end
  return p;
}

// The end of an element's name once its attributes were read: the unit after
// the name is then a NUL or the ">" that closed the start tag.
XmlChar* NameEnd(XmlChar* name) {
  return FindNulOr(name, '>', '>');
}

// Steps over the first `first`+`second` pair, or to the end of the text.
XmlChar* SkipPast(XmlChar* p, XmlChar first, XmlChar second) {
  for (; *p != 0; ++p) {
    if (p[0] == first && p[1] == second) return p + 2;
  }
  return p;
}

// Length of `entity` when `p` starts with it, else 0.
size_t Matches(const XmlChar* p, const char* entity) {
  size_t i = 0;
  for (; entity[i] != 0; ++i) {
    if (p[i] != static_cast<XmlChar>(entity[i])) return 0;
  }
  return i;
}

// Decodes the entity at `p` (an "&") into `*decoded`; returns its length, or
// 0 when it is none of the five predefined ones.
size_t DecodeEntity(const XmlChar* p, XmlChar* decoded) {
  static constexpr struct {
    const char* text;
    char unit;
  } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  for (const auto& entity : kEntities) {
    if (const size_t length = Matches(p, entity.text)) {
      *decoded = static_cast<XmlChar>(entity.unit);
      return length;
    }
  }
  return 0;
}

// Reads data or a value from `*p` up to `stop` or the end of the text,
// decoding entities in place; the units between the decoded end and the stop
// become blanks, so a later scan over the start tag still finds its way.
// Leaves `*p` on the stop unit and returns the decoded end.
XmlChar* ReadText(XmlChar** p, XmlChar stop) {
  // Most texts hold no entity: up to the first "&" nothing moves.
  XmlChar* in = FindNulOr(*p, stop, '&');
  XmlChar* out = in;
  while (*in != 0 && *in != stop) {
    XmlChar decoded;
    const size_t length = *in == '&' ? DecodeEntity(in, &decoded) : 0;
    if (length > 0) {
      *out++ = decoded;
      in += length;
    } else {
      *out++ = *in++;
    }
  }
  for (XmlChar* fill = out; fill < in; ++fill) *fill = ' ';
  *p = in;
  return out;
}

class Parser {
 public:
  Parser(XmlChar* text, std::vector<XmlElement>* elements, XmlParseError* error)
      : text_(text), elements_(*elements), error_(*error) {}

  bool Run();

 private:
  bool Fail(const char* message, const XmlChar* location);
  uint32_t Offset(const XmlChar* p) const { return static_cast<uint32_t>(p - text_); }
  XmlChar* NameOf(uint32_t element) const { return text_ + elements_[element].start; }
  uint32_t Append(XmlChar* name, uint32_t parent, uint32_t previous);
  bool ReadAttributes(XmlChar** p);
  bool ReadEndTag(XmlChar** p, uint32_t element);
  void EndName(uint32_t element) const { *NameEnd(NameOf(element)) = 0; }
  bool EndOfText(uint32_t level, uint32_t innermost) const;

  XmlChar* const text_;
  std::vector<XmlElement>& elements_;
  XmlParseError& error_;
};

bool Parser::Fail(const char* message, const XmlChar* location) {
  error_.message = message;
  error_.location = location;
  return false;
}

// Appends an element and links it as the next sibling of `previous`, or as
// the first child of `parent` when it is the first of its level.
uint32_t Parser::Append(XmlChar* name, uint32_t parent, uint32_t previous) {
  if (elements_.size() == elements_.capacity()) {
    const size_t capacity = elements_.capacity();
    elements_.reserve(capacity < 500 ? 500 : capacity + capacity / 2 + 500);
  }
  const auto index = static_cast<uint32_t>(elements_.size());
  XmlElement& element = elements_.emplace_back();
  element.start = Offset(name);
  element.parent = parent;
  if (previous != 0) {
    elements_[previous].next = index;
  } else if (parent != 0) {
    elements_[parent].child = index;
  }
  return index;
}

// From the unit after an element's name to the end of its last attribute.
// The unit after the name is overwritten whatever it is, so a "/" written
// directly after the name is lost and the element reads as a start tag.
bool Parser::ReadAttributes(XmlChar** cursor) {
  XmlChar* p = *cursor;
  if (*p == '>') return true;
  *p = 0;
  p = SkipBlanks(p + 1);
  while (*p != 0 && *p != '>' && *p != '/') {
    XmlChar* nameEnd = SkipName(p);
    p = SkipBlanks(nameEnd);
    if (*p != '=') return Fail("Error while parsing attributes", p);
    *p = ' ';
    *nameEnd = 0;
    p = SkipBlanks(p + 1);
    if (*p != '"') return Fail("Expected attribute value", *p != 0 ? p + 1 : p);
    ++p;
    XmlChar* valueEnd = ReadText(&p, '"');
    if (*p == 0) return Fail("Error while parsing attribute string", p);
    // The value ends at its decoded end; a closing quote behind blanks
    // becomes a blank too.
    if (valueEnd != p) *p = ' ';
    *valueEnd = 0;
    p = SkipBlanks(p + 1);
  }
  *cursor = p;
  return true;
}

// At "</": the end tag must repeat the element's name and close with ">".
bool Parser::ReadEndTag(XmlChar** cursor, uint32_t element) {
  XmlChar* p = *cursor;
  *p = 0;
  p = SkipBlanks(p + 2);
  const XmlChar* name = NameOf(element);
  const XmlChar* nameEnd = NameEnd(NameOf(element));
  for (const XmlChar* n = name; n < nameEnd; ++n, ++p) {
    if (*p != *n) return Fail("Unmatched closing tag", p - (n - name));
  }
  p = SkipBlanks(p);
  if (*p != '>') return Fail("Unmatched closing tag", *p != 0 ? p + 1 : p);
  *cursor = p + 1;
  return true;
}

// The text ended inside `innermost`, on the level of the children of `level`:
// accepted at the top level and among the root's children, where every element
// still open gets its name ended.
bool Parser::EndOfText(uint32_t level, uint32_t innermost) const {
  if (level > 1) return false;
  for (uint32_t open = innermost; open != 0; open = elements_[open].parent) EndName(open);
  return true;
}

bool Parser::Run() {
  XmlChar* p = text_;
  uint32_t parent = 0;    // the element whose children are being read
  uint32_t previous = 0;  // the last element read at this level
  for (;;) {
    p = SkipBlanks(p);
    if (*p == 0) return EndOfText(parent, parent) || Fail("Expected start tag", p);
    if (*p != '<') return Fail("Expected start tag", p);
    if (p[1] == '/') {
      // The end of this level; at the top level the rest is not read.
      if (parent == 0) return true;
      if (!ReadEndTag(&p, parent)) return false;
      EndName(parent);
      previous = parent;
      parent = elements_[parent].parent;
      continue;
    }
    *p = 0;
    p = SkipBlanks(p + 1);
    if (*p == '!' || *p == '?') {
      // Comments and declarations: "<!" up to "->", "<?" up to "?>".
      p = SkipPast(p, *p == '!' ? '-' : '?', '>');
      continue;
    }
    const uint32_t element = Append(p, parent, previous);
    p = SkipName(p);
    if (*p == 0) return Fail("Error parsing element name", p);
    if (!ReadAttributes(&p)) return false;
    p = SkipBlanks(p);
    if (p[0] == '/' && p[1] == '>') {
      elements_[element].data = Offset(p);
      *p = 0;
      p += 2;
      EndName(element);
      previous = element;
      continue;
    }
    if (*p != '>') return Fail("Expected start-tag closing", p);
    elements_[element].data = Offset(++p);
    XmlChar* dataEnd = ReadText(&p, '<');
    if (dataEnd != p) *dataEnd = 0;
    if (*p == 0) return EndOfText(parent, element) || Fail("Expected end-tag start", p);
    if (p[1] != '/') {
      // Children follow; the "<" is cut off when the child level reads it.
      parent = element;
      previous = 0;
      continue;
    }
    if (!ReadEndTag(&p, element)) return false;
    EndName(element);
    previous = element;
  }
}

}  // namespace

bool ParseXml(XmlChar* text, std::vector<XmlElement>* elements, XmlParseError* error) {
  return Parser(text, elements, error).Run();
}

}  // namespace Veneer
