// The markup parser against pugixml, in the same run, on the same bytes: a
// layout of about 100 KB and one about the size of the installer's window
// layout. Debian builds pugixml for UTF-8 (PUGIXML_WCHAR_MODE off), so its
// document keeps the text in UTF-8 while ours converts it to UTF-16 first.
//
// The fair pair is "parse and read": pugixml builds every attribute while it
// parses, ours maps a node's attributes on first use, so each side parses and
// then reads every element name, attribute name and value. Both sides count
// what they read, and the run stops unless the counts agree.
//
// Prints Google Benchmark's table, then one line per pair to the file named
// by LUMO_BENCH_TABLE (if set): name, figure, anchor and ratio.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

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

const std::string& LargeLayout() {
  static const std::string layout = Layout(100 * 1024);
  return layout;
}

const std::string& SmallLayout() {
  static const std::string layout = Layout(8 * 1024);
  return layout;
}

// What a read of the whole document saw: the strings and their code units.
struct Reading {
  size_t strings = 0;
  size_t units = 0;
  void Add(size_t length) {
    ++strings;
    units += length;
  }
};

template <typename Unit>
size_t Length(const Unit* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

void ReadOurs(const Veneer::CXmlNode& node, Reading* reading) {
  for (Veneer::CXmlNode n = node; n.IsLoaded(); n = n.NextSibling()) {
    reading->Add(Length(n.Name()));
    const int count = n.AttributeCount();
    for (int i = 0; i < count; ++i) {
      reading->Add(Length(n.AttributeName(i)));
      reading->Add(Length(n.AttributeValue(i)));
    }
    if (n.HasChildren()) ReadOurs(n.FirstChild(), reading);
  }
}

void ReadPugixml(const pugi::xml_node& node, Reading* reading) {
  for (pugi::xml_node n = node; n; n = n.next_sibling()) {
    if (n.type() != pugi::node_element) continue;
    reading->Add(Length(n.name()));
    for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
      reading->Add(Length(a.name()));
      reading->Add(Length(a.value()));
    }
    ReadPugixml(n.first_child(), reading);
  }
}

bool LoadOurs(const std::string& layout, Veneer::CXmlDocument* document) {
  return document->LoadUtf8(layout.data(), layout.size());
}

bool LoadPugixml(const std::string& layout, pugi::xml_document* document) {
  return document->load_buffer(layout.data(), layout.size(), pugi::parse_default,
                               pugi::encoding_utf8);
}

size_t StringsOurs(const std::string& layout) {
  Veneer::CXmlDocument document;
  Reading reading;
  if (LoadOurs(layout, &document)) ReadOurs(document.Root(), &reading);
  return reading.strings;
}

size_t StringsPugixml(const std::string& layout) {
  pugi::xml_document document;
  Reading reading;
  if (LoadPugixml(layout, &document)) ReadPugixml(document.first_child(), &reading);
  return reading.strings;
}

void Parse(benchmark::State& state, const std::string* layout) {
  for (auto _ : state) {
    Veneer::CXmlDocument document;
    if (!LoadOurs(*layout, &document)) state.SkipWithError("not parsed");
    benchmark::DoNotOptimize(document.Root().FirstChild().Name());
  }
}

void ParsePugixml(benchmark::State& state, const std::string* layout) {
  for (auto _ : state) {
    pugi::xml_document document;
    if (!LoadPugixml(*layout, &document)) state.SkipWithError("not parsed");
    benchmark::DoNotOptimize(document.first_child().first_child().name());
  }
}

void ParseAndRead(benchmark::State& state, const std::string* layout) {
  for (auto _ : state) {
    Veneer::CXmlDocument document;
    Reading reading;
    if (!LoadOurs(*layout, &document)) state.SkipWithError("not parsed");
    ReadOurs(document.Root(), &reading);
    benchmark::DoNotOptimize(reading);
    state.counters["strings"] = static_cast<double>(reading.strings);
  }
}

void ParseAndReadPugixml(benchmark::State& state, const std::string* layout) {
  for (auto _ : state) {
    pugi::xml_document document;
    Reading reading;
    if (!LoadPugixml(*layout, &document)) state.SkipWithError("not parsed");
    ReadPugixml(document.first_child(), &reading);
    benchmark::DoNotOptimize(reading);
    state.counters["strings"] = static_cast<double>(reading.strings);
  }
}

// Collects the median CPU time of each benchmark while the console shows the
// usual table.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;  // in microseconds
};

using Function = void (*)(benchmark::State&, const std::string*);
constexpr std::pair<const char*, Function> kBenchmarks[] = {
    {"ParseAndRead", ParseAndRead},
    {"ParseAndReadPugixml", ParseAndReadPugixml},
    {"Parse", Parse},
    {"ParsePugixml", ParsePugixml},
};

struct Pair {
  const char* title;
  const char* ours;
  const char* theirs;
};

constexpr Pair kPairs[] = {
    {"parse and read, 100 KB layout (us)", "ParseAndRead/large", "ParseAndReadPugixml/large"},
    {"parse and read, 8 KB layout (us)", "ParseAndRead/small", "ParseAndReadPugixml/small"},
    {"parse only, 100 KB layout (us)", "Parse/large", "ParsePugixml/large"},
};

void WriteTable(const MedianReporter& reporter) {
  const char* path = std::getenv("LUMO_BENCH_TABLE");
  if (path == nullptr) return;
  FILE* table = std::fopen(path, "a");
  if (table == nullptr) return;
  for (const Pair& pair : kPairs) {
    const auto ours = reporter.medians.find(pair.ours);
    const auto theirs = reporter.medians.find(pair.theirs);
    if (ours == reporter.medians.end() || theirs == reporter.medians.end()) continue;
    std::fprintf(table, "%s\t%.1f\tpugixml %.1f\t%.2f\n", pair.title, ours->second, theirs->second,
                 ours->second / theirs->second);
  }
  std::fclose(table);
}

}  // namespace

int main(int argc, char** argv) {
  // glibc gives blocks this large back to the system when they are freed
  // (trimming the heap, unmapping) and faults them in again on the next
  // parse: dozens of page faults per iteration that measure the allocator,
  // not the parsers. Both sides keep their memory instead.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);

  for (const std::string* layout : {&LargeLayout(), &SmallLayout()}) {
    const size_t ours = StringsOurs(*layout);
    const size_t theirs = StringsPugixml(*layout);
    if (ours == 0 || ours != theirs) {
      std::fprintf(stderr, "the parsers read different documents: %zu strings against %zu\n", ours,
                   theirs);
      return 1;
    }
  }
  const struct {
    const char* name;
    const std::string* layout;
  } layouts[] = {{"large", &LargeLayout()}, {"small", &SmallLayout()}};
  for (const auto& layout : layouts) {
    const std::string suffix = std::string("/") + layout.name;
    for (const auto& [name, function] : kBenchmarks) {
      benchmark::RegisterBenchmark((name + suffix).c_str(), function, layout.layout)
          ->Unit(benchmark::kMicrosecond)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
    }
  }
  // The pairs' repetitions take turns, so a change of load on a shared
  // machine falls on both sides; arguments given after it still win.
  std::vector<char*> arguments(argv, argv + argc);
  char interleaving[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleaving);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  WriteTable(reporter);
  benchmark::Shutdown();
  return 0;
}
