// Parsing a layout of about 100 KB: LoadUtf8 (decoding and parsing in place)
// against pugixml parsing the same bytes, in the same run. Debian builds
// pugixml for UTF-8 (PUGIXML_WCHAR_MODE off), so its document keeps the text
// in UTF-8 while ours converts it to UTF-16 first.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>
#include <string>

#include "ui/markup/utf8_decoder.h"
#include "ui/markup/xml_document.h"
#include "ui/markup/xml_node.h"

namespace {

// A layout like the skin's, grown to about `size` bytes: fonts, defaults,
// nested layouts of labels, buttons, check boxes and edits with the usual
// attributes, Chinese texts and a few entities.
std::string Layout(size_t size) {
  std::string text =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<Window size=\"580,420\" caption=\"0,0,0,420\" maxinfo=\"580,420\" showshadow=\"true\" "
      "shadowimage=\"shadow.png\" shadowcorner=\"9,9,9,9\">\n"
      "  <Font name=\"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91\" size=\"12\" "
      "default=\"true\" />\n"
      "  <Default name=\"VScrollBar\" value=\"button1normalimage=&quot;file='scroll.png' "
      "source='0,0,16,16'&quot;\" />\n"
      "  <TabLayout name=\"wizardTab\" bkcolor=\"#FFFFFFFF\">\n";
  for (int page = 0; text.size() < size; ++page) {
    const std::string n = std::to_string(page);
    text += "    <VerticalLayout name=\"page_" + n + "\" inset=\"1,1,1,1\">\n";
    text += "      <!-- page " + n + " -->\n";
    text += "      <HorizontalLayout height=\"38\">\n";
    text += "        <Button name=\"btn_close_" + n +
            "\" float=\"true\" pos=\"320,6,344,30\" normalimage=\"file='btn_close.png' "
            "source='0,0,24,24'\" hotimage=\"file='btn_close.png' source='24,0,48,24'\" />\n";
    text += "      </HorizontalLayout>\n";
    text += "      <Label name=\"label_" + n +
            "\" text=\"Lumo\xE6\xB8\xB8\xE6\x88\x8F\xE6\xB5\x8F\xE8\xA7\x88\xE5\x99\xA8 &amp; "
            "\xE5\xAE\x89\xE8\xA3\x85\" font=\"0\" textcolor=\"#FF444444\" align=\"center\" />\n";
    text += "      <CheckBox name=\"check_" + n +
            "\" width=\"16\" height=\"16\" normalimage=\"check.png\" selectedimage=\"checked.png\" "
            "selected=\"true\" />\n";
    text += "      <Edit name=\"edit_" + n +
            "\" height=\"30\" textpadding=\"4,6,4,4\" bordercolor=\"#FFCCCCCC\" bordersize=\"1\" "
            "/>\n";
    text += "      <Control height=\"20\" />\n";
    text += "    </VerticalLayout>\n";
  }
  return text + "  </TabLayout>\n</Window>\n";
}

const std::string& TheLayout() {
  static const std::string layout = Layout(100 * 1024);
  return layout;
}

void LoadUtf8(benchmark::State& state) {
  const std::string& layout = TheLayout();
  for (auto _ : state) {
    Veneer::CXmlDocument document;
    if (!document.LoadUtf8(layout.data(), layout.size())) state.SkipWithError("not parsed");
    benchmark::DoNotOptimize(document.Root().FirstChild().Name());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * layout.size()));
}
BENCHMARK(LoadUtf8);

// The parse alone, from the same layout already in UTF-16.
void LoadText(benchmark::State& state) {
  const std::string& layout = TheLayout();
  Veneer::XmlString text(layout.size(), 0);
  const auto* bytes = reinterpret_cast<const unsigned char*>(layout.data()) + 3;  // after the BOM
  text.resize(Veneer::DecodeUtf8(bytes, layout.size() - 3, text.data()));
  for (auto _ : state) {
    Veneer::CXmlDocument document;
    if (!document.LoadText(text.c_str())) state.SkipWithError("not parsed");
    benchmark::DoNotOptimize(document.Root().FirstChild().Name());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * layout.size()));
}
BENCHMARK(LoadText);

void PugixmlLoadBuffer(benchmark::State& state) {
  const std::string& layout = TheLayout();
  for (auto _ : state) {
    pugi::xml_document document;
    if (!document.load_buffer(layout.data(), layout.size(), pugi::parse_default,
                              pugi::encoding_utf8)) {
      state.SkipWithError("not parsed");
    }
    benchmark::DoNotOptimize(document.first_child().first_child().name());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * layout.size()));
}
BENCHMARK(PugixmlLoadBuffer);

}  // namespace

BENCHMARK_MAIN();
