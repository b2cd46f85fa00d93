#include "ui/markup/zip_archive.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/ui/markup/markup_text.h"
#include "tests/ui/markup/zip_builder.h"

namespace Veneer {
namespace {

using test::Put16;
using test::Put32;
using test::Show;
using test::Text;
using test::ZipBuilder;
using test::ZipBuilderEntry;

std::unique_ptr<ZipArchive> Open(const std::string& bytes) {
  return ZipArchive::OpenMemory(bytes.data(), bytes.size());
}

// The entry's bytes extracted into a buffer of exactly its size; "(error N)"
// when extraction fails.
std::string Extract(const ZipArchive& archive, std::u16string_view name) {
  ZipEntryInfo info;
  if (!archive.FindEntry(Text(name).c_str(), &info)) return "(not found)";
  std::string bytes(info.uncompressedSize, '\0');
  const uint32_t result = archive.ExtractEntry(info.index, bytes.data(), bytes.size());
  return ZipSucceeded(result) ? bytes : "(error " + std::to_string(result) + ")";
}

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>("layout"[i % 6] + i / 997 % 7);
  return bytes;
}

TEST(ZipArchive, FindsNamesWithoutRegardToCaseOrSlashes) {
  const std::string name255(251, 'n');
  const std::string name256(252, 'n');
  ZipBuilder builder;
  builder.Add("BrowserInstallWnd.xml", "<Window />")
      .Add("images/btn_close.png", "png")
      .Add("Same.xml", "first")
      .Add("same.XML", "second")
      .Add(name255 + ".xml", "255")
      .Add(name256 + ".xml", "256");
  const std::string bytes = builder.Build();
  const auto archive = Open(bytes);
  ASSERT_TRUE(archive);

  struct Case {
    std::u16string query;
    const char* found;
  };
  const Case cases[] = {
      {u"BrowserInstallWnd.xml", "<Window />"},
      {u"BROWSERINSTALLWND.XML", "<Window />"},
      {u"images\\BTN_Close.png", "png"},
      {u"images/btn_close.png", "png"},
      {u"same.xml", "first"},
      {u"btn_close.png", "(not found)"},
      {u"BrowserInstallWnd.xm", "(not found)"},
      {u"", "(not found)"},
      {std::u16string(name255.begin(), name255.end()) + u".xml", "255"},
      {std::u16string(name256.begin(), name256.end()) + u".xml", "(not found)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Extract(*archive, c.query), c.found) << Show(Text(c.query));

  ZipEntryInfo info;
  ASSERT_TRUE(archive->FindEntry(Text(u"IMAGES\\btn_close.png").c_str(), &info));
  EXPECT_EQ(info.index, 1u);
  EXPECT_EQ(Show(info.name), "images/btn_close.png");
  EXPECT_EQ(info.uncompressedSize, 3u);
  EXPECT_EQ(info.compressedSize, test::Deflate("png").size());
}

TEST(ZipArchive, ExtractsUpToTheBufferOrTheEntrysEnd) {
  const std::string data = Pattern(100000);
  ZipBuilder builder;
  builder.Add({"deflated.bin", data, 8})
      .Add({"stored.bin", data, 0})
      .Add({"described.bin", data, 8, true})
      .Add({"empty.bin", "", 8});
  const std::string bytes = builder.Build();
  const auto archive = Open(bytes);
  ASSERT_TRUE(archive);
  for (uint32_t index = 0; index < 3; ++index) {
    struct Case {
      size_t buffer;
      uint32_t result;
    };
    for (const Case c :
         {Case{100, kZipMore}, Case{data.size(), kZipMore}, Case{data.size() + 50, kZipOk}}) {
      std::string out(c.buffer, '#');
      EXPECT_EQ(archive->ExtractEntry(index, out.data(), out.size()), c.result) << index;
      const size_t produced = std::min(c.buffer, data.size());
      EXPECT_EQ(out.substr(0, produced), data.substr(0, produced)) << index;
      EXPECT_EQ(out.substr(produced), std::string(c.buffer - produced, '#')) << index;
    }
  }
  char spare = '#';
  EXPECT_EQ(archive->ExtractEntry(3, &spare, 1), kZipOk);
  EXPECT_EQ(spare, '#');
  EXPECT_EQ(archive->ExtractEntry(4, &spare, 1), kZipNoEntry);
}

TEST(ZipArchive, ReadsAnArchiveBehindAStub) {
  const std::string stub = "MZ" + std::string(70000, '\x90');
  ZipBuilder builder;
  builder.Add("message.xml", "<Window />").Add({"picture.png", Pattern(5000), 0});
  const std::string bytes = builder.Build(stub);
  const auto archive = Open(bytes);
  ASSERT_TRUE(archive);
  EXPECT_EQ(Extract(*archive, u"message.xml"), "<Window />");
  EXPECT_EQ(Extract(*archive, u"picture.png"), Pattern(5000));
}

TEST(ZipArchive, RefusesWhatItDoesNotSupport) {
  ZipBuilder builder;
  builder.Add({"bzip2.xml", "BZh9...", 12})
      .Add({"encrypted.xml", "secret", 0, false, 0x0001})
      .Add("plain.xml", "<a />");
  const std::string bytes = builder.Build();
  const auto archive = Open(bytes);
  ASSERT_TRUE(archive);
  EXPECT_EQ(Extract(*archive, u"bzip2.xml"), "(error " + std::to_string(kZipUnsupported) + ")");
  EXPECT_EQ(Extract(*archive, u"encrypted.xml"), "(error " + std::to_string(kZipUnsupported) + ")");
  EXPECT_EQ(Extract(*archive, u"plain.xml"), "<a />");
}

// The end record is looked for in the last 65535 bytes only.
TEST(ZipArchive, FindsTheEndRecordBeforeAComment) {
  ZipBuilder builder;
  builder.Add("a.xml", "<a />");
  const auto withComment = [&](size_t length) {
    return builder.Build("", std::string(length, 'c'));
  };
  const std::string longest = withComment(65535 - 22);
  const auto archive = Open(longest);
  ASSERT_TRUE(archive);
  EXPECT_EQ(Extract(*archive, u"a.xml"), "<a />");
  EXPECT_FALSE(Open(withComment(65535 - 21)));
}

TEST(ZipArchive, DoesNotOpenADamagedDirectory) {
  ZipBuilder builder;
  builder.Add("a.xml", "<a />").Add("b.xml", "<b />");
  const std::string good = builder.Build();
  const test::ZipLayout layout = builder.layout();
  const size_t end = layout.end;
  const size_t second = layout.central[1];
  struct Case {
    const char* what;
    void (*damage)(std::string*, size_t end, size_t second);
  };
  const Case cases[] = {
      {"no end record", [](std::string* z, size_t e, size_t) { z->resize(e + 21); }},
      {"another disk", [](std::string* z, size_t e, size_t) { Put16(z, e + 4, 1); }},
      {"the directory on another disk",
       [](std::string* z, size_t e, size_t) { Put16(z, e + 6, 1); }},
      {"entries on other disks", [](std::string* z, size_t e, size_t) { Put16(z, e + 8, 1); }},
      {"more entries than records",
       [](std::string* z, size_t e, size_t) {
         Put16(z, e + 8, 3);
         Put16(z, e + 10, 3);
       }},
      {"directory past the end record",
       [](std::string* z, size_t e, size_t) { Put32(z, e + 16, 0x7FFFFFF0); }},
      {"directory larger than the archive",
       [](std::string* z, size_t e, size_t) { Put32(z, e + 12, 0xFFFFFFFF); }},
      {"record signature", [](std::string* z, size_t, size_t s) { Put32(z, s, 0x02014B51); }},
      {"name beyond the directory",
       [](std::string* z, size_t, size_t s) { Put16(z, s + 28, 0xFFFF); }},
      {"extra beyond the directory",
       [](std::string* z, size_t, size_t s) { Put16(z, s + 30, 400); }},
      {"comment beyond the directory",
       [](std::string* z, size_t, size_t s) { Put16(z, s + 32, 9); }},
  };
  ASSERT_TRUE(Open(good));
  for (const Case& c : cases) {
    std::string damaged = good;
    c.damage(&damaged, end, second);
    EXPECT_FALSE(Open(damaged)) << c.what;
  }
  EXPECT_FALSE(ZipArchive::OpenMemory(good.data(), 21));
  EXPECT_FALSE(ZipArchive::OpenMemory(nullptr, 4096));
}

// Writes a CRC or size field (at its local header offset) into both the local
// header and the central record of entry `index`, so they still agree.
void PutBoth(std::string* archive, const test::ZipLayout& layout, size_t index, size_t field,
             uint32_t value) {
  Put32(archive, layout.local[index] + field, value);
  Put32(archive, layout.central[index] + field + 2, value);
}

TEST(ZipArchive, FailsToExtractADamagedEntry) {
  const std::string data = Pattern(40000);
  ZipBuilder builder;
  builder.Add({"deflated.bin", data, 8}).Add({"stored.bin", data, 0});
  const std::string good = builder.Build();
  using Layout = test::ZipLayout;
  struct Case {
    const char* what;
    uint32_t index;
    void (*damage)(std::string*, const Layout&);
  };
  const Case cases[] = {
      {"local header beyond the archive", 0,
       [](std::string* z, const Layout& l) { Put32(z, l.central[0] + 42, 0x7FFFFFFF); }},
      {"local header signature", 0,
       [](std::string* z, const Layout& l) { Put32(z, l.local[0], 0x04034B51); }},
      {"local method", 0, [](std::string* z, const Layout& l) { Put16(z, l.local[0] + 8, 0); }},
      {"local CRC", 0, [](std::string* z, const Layout& l) { Put32(z, l.local[0] + 14, 1); }},
      {"local compressed size", 0,
       [](std::string* z, const Layout& l) { Put32(z, l.local[0] + 18, 1); }},
      {"local size", 0, [](std::string* z, const Layout& l) { Put32(z, l.local[0] + 22, 1); }},
      {"local extra beyond the archive", 0,
       [](std::string* z, const Layout& l) { Put16(z, l.local[0] + 28, 0xFFFF); }},
      {"compressed data beyond the archive", 0,
       [](std::string* z, const Layout& l) { PutBoth(z, l, 0, 18, 0x7FFFFFFF); }},
      {"compressed data cut short", 0,
       [](std::string* z, const Layout& l) { PutBoth(z, l, 0, 18, 100); }},
      {"deflate stream shorter than the entry", 0,
       [](std::string* z, const Layout& l) { PutBoth(z, l, 0, 22, 40001); }},
      {"deflate data", 0,
       [](std::string* z, const Layout& l) { Put32(z, l.local[0] + 30 + 12, 0xFFFFFFFF); }},
      {"stored sizes differ", 1,
       [](std::string* z, const Layout& l) { PutBoth(z, l, 1, 18, 39999); }},
  };
  for (const Case& c : cases) {
    std::string damaged = good;
    c.damage(&damaged, builder.layout());
    const auto archive = Open(damaged);
    ASSERT_TRUE(archive) << c.what;
    std::string out(data.size() + 10, '\0');
    EXPECT_FALSE(ZipSucceeded(archive->ExtractEntry(c.index, out.data(), out.size()))) << c.what;
  }
}

TEST(ZipArchive, HasNoEntriesOnceClosed) {
  ZipBuilder builder;
  builder.Add("a.xml", "<a />");
  const std::string bytes = builder.Build();
  const auto archive = Open(bytes);
  ASSERT_TRUE(archive);
  archive->Close();
  EXPECT_EQ(Extract(*archive, u"a.xml"), "(not found)");
  char out[8];
  EXPECT_EQ(archive->ExtractEntry(0, out, sizeof out), kZipNoEntry);
}

// Archives written by other tools: the skin packer (cmake's libarchive, sizes
// after the data) and Info-ZIP's zip (deflated and stored entries).
TEST(ZipArchive, ReadsArchivesOfOtherTools) {
  for (const char* file : {"packed_skin.zip", "info_zip.zip"}) {
    std::ifstream in(std::string(LUMO_ZIP_CORPUS) + "/" + file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto archive = Open(bytes);
    ASSERT_TRUE(archive) << file;
    EXPECT_EQ(Extract(*archive, u"message.xml").substr(0, 29), "<Window size=\"350,230\"><Label")
        << file;
    EXPECT_EQ(Extract(*archive, u"picture.png").substr(1, 3), "PNG") << file;
  }
}

}  // namespace
}  // namespace Veneer
