#include "ui/markup/xml_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/markup/markup_text.h"
#include "ui/markup/xml_node.h"

namespace Veneer {
namespace {

using test::Show;
using test::Text;

bool Load(CXmlDocument* document, std::u16string_view text) {
  return document->LoadText(Text(text).c_str());
}

std::vector<std::string> Names(CXmlNode node) {
  std::vector<std::string> names;
  for (; node.IsLoaded(); node = node.NextSibling()) names.push_back(Show(node.Name()));
  return names;
}

std::string Attribute(const CXmlNode& node, std::u16string_view name) {
  XmlChar value[64] = {};
  return node.FindAttribute(Text(name).c_str(), value, 63) ? Show(value) : "(none)";
}

TEST(XmlDocument, ReadsALayout) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document,
                   u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                   u"<!-- the main window -->\n"
                   u"<Window size=\"580,420\" caption = \"0,0,0,420\">\n"
                   u"  <Font name=\"Tahoma\" size=\"12\" default=\"true\" />\n"
                   u"  <VerticalLayout name=\"parent_container\">text before the children"
                   u"    <Label text=\"a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;\" />\n"
                   u"    <Button name=\"ok\">OK &amp; go</Button>\n"
                   u"  </VerticalLayout >\n"
                   u"</Window>\n"))
      << Show(document.ErrorMessage()) << " at " << Show(document.ErrorLocation());
  EXPECT_EQ(Show(document.ErrorMessage()), "");

  const CXmlNode root = document.Root();
  EXPECT_EQ(Show(root.Name()), "Window");
  EXPECT_FALSE(root.Parent().IsLoaded());
  EXPECT_FALSE(root.NextSibling().IsLoaded());
  ASSERT_EQ(root.AttributeCount(), 2);
  EXPECT_EQ(Show(root.AttributeName(1)), "caption");
  EXPECT_EQ(Show(root.AttributeValue(1)), "0,0,0,420");
  EXPECT_EQ(Show(root.AttributeName(2)), "");
  EXPECT_EQ(Names(root.FirstChild()), (std::vector<std::string>{"Font", "VerticalLayout"}));

  const CXmlNode font = root.FirstChild();
  EXPECT_FALSE(font.HasChildren());
  EXPECT_EQ(Show(font.Data()), "");
  EXPECT_EQ(Attribute(font, u"default"), "true");

  const CXmlNode layout = font.NextSibling();
  EXPECT_EQ(Show(layout.Data()), "text before the children    ");
  EXPECT_EQ(Names(layout.FirstChild()), (std::vector<std::string>{"Label", "Button"}));
  EXPECT_EQ(Show(layout.FirstChild().Parent().Name()), "VerticalLayout");
  EXPECT_EQ(Attribute(layout.FirstChild(), u"text"), "a <b> & \"c\" 'd'");
  const CXmlNode button = layout.FirstChild().NextSibling();
  EXPECT_EQ(Show(button.Data()), "OK & go");
  EXPECT_EQ(Attribute(button, u"name"), "ok");
  EXPECT_EQ(Attribute(button, u"Name"), "(none)");
}

struct ParseCase {
  const char* what;
  std::u16string_view text;
  const char* error;  // "" when the text is accepted
  const char* location;
};

TEST(XmlDocument, AcceptsAndRefusesAsTheRulesSay) {
  const ParseCase cases[] = {
      {"root never closed", u"<Window><Label />", "", ""},
      {"root's child never closed", u"<Window><Label />text", "Expected start tag", "text"},
      {"root's children never closed", u"<Window><A>data", "", ""},
      {"inside a child never closed", u"<Window><A><B />", "Expected start tag", ""},
      {"unclosed element one level deeper", u"<Window><A><B>", "Expected end-tag start", ""},
      {"unclosed below a closed child", u"<W><A><B></B>", "Expected start tag", ""},
      {"text after a child", u"<a><b /> tail</a>", "Expected start tag", "tail</a>"},
      {"text after a comment", u"<a><!-- c --> tail</a>", "Expected start tag", "tail</a>"},
      {"slash right after a name opens the element", u"<a><b/></a>", "Unmatched closing tag", "a>"},
      {"slash right after a name, then an end tag", u"<a><b/></b></a>", "", ""},
      {"single quotes", u"<a x='1' />", "Expected attribute value", "1' />"},
      {"no quote at all", u"<a x=1>", "Expected attribute value", ">"},
      {"\"=\" at the end", u"<a x=", "Expected attribute value", ""},
      {"\"-\" ends a name", u"<ab-cd />", "Error while parsing attributes", "/>"},
      {"attribute without \"=\"", u"<a x y=\"1\"/>", "Error while parsing attributes", "y=\"1\"/>"},
      {"text ends after a name", u"<Window", "Error parsing element name", ""},
      {"text ends in a value", u"<a x=\"1", "Error while parsing attribute string", ""},
      {"no \">\"", u"<a x=\"1\" / >", "Expected start-tag closing", "/ >"},
      {"end tag of another element", u"<a><b></c></a>", "Unmatched closing tag", "c></a>"},
      {"end tag with more after its name", u"<a></a x>", "Unmatched closing tag", ">"},
      {"end tag cut short", u"<a></a", "Unmatched closing tag", ""},
      {"end tag names a prefix", u"<ab></a>", "Unmatched closing tag", "a>"},
      {"text before any element", u"hello <a/>", "Expected start tag", "hello <a/>"},
      {"declaration without \"->\" takes the rest", u"<a /><!DOCTYPE a [<b/>]><c/>", "", ""},
      {"XML declaration and comments", u"<?xml version=\"1.0\"?><!----><a><!-- x --></a>", "", ""},
      {"end tag at the top level ends the text", u"<a /></z> anything", "", ""},
      {"empty text", u"", "", ""},
      {"blanks only", u" \t\r\n", "", ""},
  };
  for (const ParseCase& c : cases) {
    CXmlDocument document;
    const bool loaded = Load(&document, c.text);
    EXPECT_EQ(loaded, *c.error == 0) << c.what;
    EXPECT_EQ(Show(document.ErrorMessage()), c.error) << c.what;
    EXPECT_EQ(Show(document.ErrorLocation()), c.location) << c.what;
    EXPECT_EQ(document.IsLoaded(), loaded && document.Root().IsLoaded()) << c.what;
  }
}

TEST(XmlDocument, UnclosedElementsKeepTheirNames) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, u"<Window><Box>text"));
  EXPECT_EQ(Show(document.Root().Name()), "Window");
  EXPECT_EQ(Show(document.Root().FirstChild().Name()), "Box");
  EXPECT_EQ(Show(document.Root().FirstChild().Data()), "text");
}

TEST(XmlDocument, ReadsEveryTopLevelElementWithTheFirstAsRoot) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, u"<a></a> <b /> <c></c>"));
  EXPECT_EQ(Names(document.Root()), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(document.Root().NextSibling().Parent().IsLoaded());

  ASSERT_TRUE(Load(&document, u"<a /><!DOCTYPE a [<b/>]><c/>"));
  EXPECT_EQ(Names(document.Root()), (std::vector<std::string>{"a"}));
}

TEST(XmlDocument, DecodesTheFivePredefinedEntitiesOnly) {
  struct Case {
    std::u16string_view value;
    const char* decoded;
  };
  const Case cases[] = {
      {u"&lt;b&gt;", "<b>"},         {u"&amp;lt;", "&lt;"},    {u"&#65;&#x42;", "&#65;&#x42;"},
      {u"&nbsp;&amp", "&nbsp;&amp"}, {u"&quot;&apos;", "\"'"}, {u"&", "&"},
  };
  for (const Case& c : cases) {
    CXmlDocument document;
    const XmlString text =
        Text(u"<a v=\"") + Text(c.value) + Text(u"\" w=\"next\">") + Text(c.value) + Text(u"</a>");
    ASSERT_TRUE(document.LoadText(text.c_str())) << c.decoded;
    EXPECT_EQ(Attribute(document.Root(), u"v"), c.decoded);
    // A shortened value leaves blanks, not a second quote, before the next one.
    EXPECT_EQ(Attribute(document.Root(), u"w"), "next") << c.decoded;
    EXPECT_EQ(Show(document.Root().Data()), c.decoded);
  }
}

TEST(XmlDocument, NamesAreLettersDigitsUnderscoresAndColons) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, u"<\u4E2D\u6587_1:x \u00E9t\u00E9=\"\u00E0\" />"));
  EXPECT_EQ(Show(document.Root().Name()), "\\u4E2D\\u6587_1:x");
  EXPECT_EQ(Show(document.Root().AttributeName(0)), "\\u00E9t\\u00E9");

  EXPECT_FALSE(Load(&document, u"<a.b />"));
  EXPECT_EQ(Show(document.ErrorMessage()), "Error while parsing attributes");
}

TEST(XmlDocument, CutsTheErrorLocationTo49Units) {
  CXmlDocument document;
  const std::u16string tail(200, u'x');
  EXPECT_FALSE(document.LoadText(Text(tail).c_str()));
  EXPECT_EQ(Show(document.ErrorLocation()), std::string(49, 'x'));
}

TEST(XmlDocument, EachLoadReplacesTheDocument) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, u"<first />"));
  EXPECT_FALSE(Load(&document, u"<second"));
  EXPECT_FALSE(document.IsLoaded());
  EXPECT_FALSE(document.Root().IsLoaded());
  ASSERT_TRUE(Load(&document, u"<third />"));
  EXPECT_EQ(Show(document.Root().Name()), "third");
  EXPECT_EQ(Show(document.ErrorMessage()), "");
  document.Release();
  EXPECT_FALSE(document.IsLoaded());
}

TEST(XmlDocument, HoldsLargeAndDeepDocuments) {
  std::u16string wide = u"<list>";
  for (int i = 0; i < 5000; ++i)
    wide += u"<item n=\"" + std::u16string(1, u'a' + i % 26) + u"\" />";
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, wide + u"</list>"));
  EXPECT_EQ(Names(document.Root().FirstChild()).size(), 5000u);

  // Depth costs no stack: the parse keeps no frame per level.
  const int depth = 200000;
  std::u16string deep;
  for (int i = 0; i < depth; ++i) deep += u"<d>";
  for (int i = 0; i < depth; ++i) deep += u"</d>";
  ASSERT_TRUE(Load(&document, deep));
  CXmlNode node = document.Root();
  int levels = 0;
  for (; node.HasChildren(); node = node.FirstChild()) ++levels;
  EXPECT_EQ(levels, depth - 1);
}

TEST(XmlNode, ShowsTheFirst64Attributes) {
  std::u16string text = u"<a";
  for (int i = 0; i < 70; ++i) {
    const std::string n = std::to_string(i);
    text += u" n" + std::u16string(n.begin(), n.end()) + u"=\"v" +
            std::u16string(n.begin(), n.end()) + u"\"";
  }
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, text + u" />"));
  const CXmlNode node = document.Root();
  EXPECT_EQ(node.AttributeCount(), 64);
  EXPECT_EQ(Show(node.AttributeName(63)), "n63");
  EXPECT_EQ(Show(node.AttributeValue(63)), "v63");
  EXPECT_EQ(Show(node.AttributeName(64)), "");
  EXPECT_EQ(Show(node.AttributeValue(-1)), "");
  EXPECT_EQ(Attribute(node, u"n63"), "v63");
  EXPECT_EQ(Attribute(node, u"n64"), "(none)");
}

TEST(XmlNode, FindAttributeCopiesAsWcsncpyDoes) {
  CXmlDocument document;
  ASSERT_TRUE(Load(&document, u"<a name=\"abc\" />"));
  const XmlString name = Text(u"name");
  XmlChar buffer[8];

  std::fill(std::begin(buffer), std::end(buffer), XmlChar('x'));
  ASSERT_TRUE(document.Root().FindAttribute(name.c_str(), buffer, 5));
  EXPECT_EQ(Show(XmlString(buffer, 6)), "abc\\u0000\\u0000x");

  std::fill(std::begin(buffer), std::end(buffer), XmlChar('x'));
  ASSERT_TRUE(document.Root().FindAttribute(name.c_str(), buffer, 2));
  EXPECT_EQ(Show(XmlString(buffer, 3)), "abx");

  std::fill(std::begin(buffer), std::end(buffer), XmlChar('x'));
  EXPECT_FALSE(document.Root().FindAttribute(Text(u"nam").c_str(), buffer, 7));
  EXPECT_FALSE(document.Root().FindAttribute(Text(u"names").c_str(), buffer, 7));
  EXPECT_EQ(Show(XmlString(buffer, 8)), "xxxxxxxx");
}

TEST(XmlNode, AnInvalidNodeIsEmpty) {
  const CXmlNode node;
  EXPECT_FALSE(node.IsLoaded());
  EXPECT_FALSE(node.HasChildren());
  EXPECT_FALSE(node.FirstChild().IsLoaded());
  EXPECT_EQ(Show(node.Name()), "");
  EXPECT_EQ(Show(node.Data()), "");
  EXPECT_EQ(node.AttributeCount(), 0);
  CXmlDocument empty;
  EXPECT_FALSE(empty.Root().IsLoaded());
}

TEST(XmlDocument, LoadsUtf8WithOrWithoutByteOrderMark) {
  const std::string layout = "<Window title=\"\xE5\xAE\x89\xE8\xA3\x85\"><Label /></Window>";
  for (const std::string& bytes : {layout, "\xEF\xBB\xBF" + layout}) {
    CXmlDocument document;
    ASSERT_TRUE(document.LoadUtf8(bytes.data(), bytes.size()));
    EXPECT_EQ(Show(document.Root().Name()), "Window");
    EXPECT_EQ(Show(document.Root().AttributeValue(0)), "\\u5B89\\u88C5");
    EXPECT_EQ(Show(document.Root().FirstChild().Name()), "Label");
  }
  // UTF-16 is not recognised: its byte-order mark decodes to two U+FFFD.
  const char utf16[] = "\xFF\xFE<\0a\0/\0>\0";
  CXmlDocument document;
  EXPECT_FALSE(document.LoadUtf8(utf16, sizeof utf16 - 1));
  EXPECT_EQ(Show(document.ErrorMessage()), "Expected start tag");
  EXPECT_EQ(Show(document.ErrorLocation()), "\\uFFFD\\uFFFD<");
}

}  // namespace
}  // namespace Veneer
