// Layout bytes of any kind through LoadUtf8, then every node, name, data and
// attribute of what was accepted.
#include <cstddef>
#include <cstdint>

#include "ui/markup/xml_document.h"
#include "ui/markup/xml_node.h"

namespace {

using Veneer::CXmlNode;
using Veneer::XmlChar;

size_t Length(const XmlChar* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

// Reads every text of the node to its end, so a missing terminator shows.
size_t Visit(const CXmlNode& node) {
  size_t total = Length(node.Name()) + Length(node.Data());
  for (int i = 0; i <= node.AttributeCount(); ++i) {
    total += Length(node.AttributeName(i)) + Length(node.AttributeValue(i));
  }
  XmlChar value[16];
  if (node.AttributeCount() > 0 && node.FindAttribute(node.AttributeName(0), value, 15)) {
    value[15] = 0;
    total += Length(value);
  }
  return total;
}

// Keeps the reads from being optimised away.
volatile size_t g_sink;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Veneer::CXmlDocument document;
  if (!document.LoadUtf8(data, size)) {
    g_sink = Length(document.ErrorMessage()) + Length(document.ErrorLocation());
    return 0;
  }
  // Depth first without recursion: documents may nest deeply.
  size_t total = 0;
  for (CXmlNode node = document.Root(); node.IsLoaded();) {
    total += Visit(node);
    if (node.HasChildren()) {
      node = node.FirstChild();
      continue;
    }
    while (node.IsLoaded() && !node.NextSibling().IsLoaded()) node = node.Parent();
    if (node.IsLoaded()) node = node.NextSibling();
  }
  g_sink = total;
  return 0;
}
