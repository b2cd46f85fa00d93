// The UTF-8 decoding and the name characters must be the same in every build:
// the Windows build asks Windows and its C runtime, the others use the
// portable decoder and letter table. The same expectations run in both trees,
// and under wine the portable versions are held against Windows' own.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/ui/markup/markup_text.h"
#include "ui/markup/name_chars.h"
#include "ui/markup/platform_text.h"
#include "ui/markup/utf8_decoder.h"

#if defined(_WIN32)
#include <windows.h>

#include <cwctype>

#include "ui/markup/code_page_text.h"
#endif

namespace Veneer {
namespace {

using test::Show;
using test::Text;

XmlString Decode(const std::string& bytes,
                 size_t (*decoder)(const unsigned char*, size_t, XmlChar*)) {
  XmlString out(bytes.size(), 0);
  out.resize(
      decoder(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out.data()));
  return out;
}

TEST(Utf8Decoding, GivesWhatWindowsGives) {
  struct Case {
    std::string bytes;
    std::u16string units;
  };
  const Case cases[] = {
      {"A<b>", u"A<b>"},
      {"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xEF\xBF\xBF", u"\u00E9\u4E2D\U0001F600\uFFFF"},
      {std::string("A\0B", 3), std::u16string(u"A\0B", 3)},
      // Bytes that can't start a sequence, one U+FFFD each.
      {"\x80\xBF", u"\uFFFD\uFFFD"},
      {"\xC0\x80\xC1\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xF5\x80\xFE\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      // Overlong forms, surrogates and values above U+10FFFF end at their second byte.
      {"\xE0\x80\x80", u"\uFFFD\uFFFD"},
      {"\xED\xA0\x80", u"\uFFFD\uFFFD"},
      {"\xF0\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
      // A sequence broken off by a byte that continues nothing.
      {"\xE2\x82\x41", u"\uFFFD\u0041"},
      {"\xE4\xB8<a", u"\uFFFD<a"},
      {"\xE2\x41\x42", u"\uFFFD\u0041\u0042"},
      {"\xF0\x9F\x98<", u"\uFFFD<"},
      // A sequence that would run past the end takes the rest with it.
      {"A\xE2\x41", u"A\uFFFD"},
      {"\xF0\x9F\x98", u"\uFFFD"},
      {"<\xF0\x41\x41", u"<\uFFFD"},
      {"\xC2", u"\uFFFD"},
  };
  for (const Case& c : cases) {
    const XmlString expected = Text(c.units);
    EXPECT_EQ(Show(Decode(c.bytes, SystemUtf8ToUtf16)), Show(expected)) << Show(expected);
    EXPECT_EQ(Show(Decode(c.bytes, DecodeUtf8)), Show(expected)) << Show(expected);
  }
}

TEST(NameChars, AreLettersAndDigitsOfEveryScriptUnderscoreAndColon) {
  struct Case {
    char16_t unit;
    bool inName;
  };
  const Case cases[] = {
      {u'a', true},   {u'Z', true},    {u'7', true},    {u'_', true},    {u':', true},
      {u'-', false},  {u'.', false},   {u' ', false},   {u'=', false},   {u'/', false},
      {0x00B2, true}, {0x00C0, true},  {0x00D7, false}, {0x00E9, true},  {0x0416, true},
      {0x0660, true}, {0x3000, false}, {0x3001, false}, {0x4E2D, true},  {0xAC00, true},
      {0xFF21, true}, {0xFF0C, false}, {0xD800, false}, {0xFFFD, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNameChar(static_cast<XmlChar>(c.unit)), c.inName) << std::hex << c.unit;
  }
}

#if defined(_WIN32)

std::string Bytes(const std::string& bytes) {
  std::string shown;
  char hex[4];
  for (unsigned char b : bytes) {
    snprintf(hex, sizeof hex, "%02X ", b);
    shown += hex;
  }
  return shown;
}

// Every sequence of up to two bytes, sequences of three to five bytes over the
// bytes where UTF-8's rules change, and random runs of them.
TEST(Utf8Decoding, PortableDecoderMatchesMultiByteToWideChar) {
  const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF,
                                 0xC0, 0xC1, 0xC2, 0xDF, 0xE0, 0xE1, 0xEC, 0xED, 0xEE,
                                 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xF8, 0xFE, 0xFF};
  std::vector<std::string> inputs;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) inputs.push_back({char(a), char(b)});
  }
  for (unsigned char a : edges) {
    for (unsigned char b : edges) {
      for (unsigned char c : edges) {
        inputs.push_back({char(a), char(b), char(c)});
        for (unsigned char d : edges) inputs.push_back({char(a), char(b), char(c), char(d), 'A'});
      }
    }
  }
  std::mt19937 random(20240601);
  for (int i = 0; i < 200000; ++i) {
    std::string run(random() % 12, '\0');
    for (char& byte : run)
      byte = char(random() % 3 ? edges[random() % sizeof edges] : 0x80 + random() % 64);
    inputs.push_back(run);
  }
  int mismatches = 0;
  for (const std::string& input : inputs) {
    if (Decode(input, DecodeUtf8) == Decode(input, SystemUtf8ToUtf16)) continue;
    ADD_FAILURE() << Bytes(input) << ": Windows " << Show(Decode(input, SystemUtf8ToUtf16))
                  << ", portable " << Show(Decode(input, DecodeUtf8));
    if (++mismatches == 20) break;
  }
}

// Archive names are converted to the system's ANSI code page, which may be
// UTF-8 (the "use Unicode UTF-8" setting of Windows 10 and 11): that code
// page refuses the flag that keeps look-alikes out of the others.
TEST(ArchiveNameConversion, WorksInTheCodePagesTheSystemMayHave) {
  struct Case {
    UINT codePage;
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {CP_UTF8, u"BrowserInstallWnd.xml", "BrowserInstallWnd.xml"},
      {CP_UTF8, u"\u76AE\u80A4\\caf\u00E9.png", "\xE7\x9A\xAE\xE8\x82\xA4\\caf\xC3\xA9.png"},
      {CP_UTF8, u"\U0001F600", "\xF0\x9F\x98\x80"},
      {1252, u"caf\u00E9.png", "caf\xE9.png"},
      {1252, u"\u0100\u4E2D", "??"},  // no best fit: not "A"
      {936, u"\u76AE\u80A4.xml", "\xC6\xA4\xB7\xF4.xml"},
      // A code page that refuses the flag as Windows' UTF-8 does (wine's takes it).
      {CP_UTF7, u"caf\u00E9.png", "caf+AOk-.png"},
  };
  for (const Case& c : cases) {
    const XmlString text = Text(c.text);
    std::string out;
    EXPECT_TRUE(ToCodePage(c.codePage, text.data(), text.size(), 64, &out))
        << c.codePage << " " << Show(text) << ": error " << GetLastError();
    EXPECT_EQ(Bytes(out), Bytes(c.bytes)) << c.codePage << " " << Show(text);
  }
  std::string out;
  const XmlString longName = Text(u"\u4E2D\u4E2D");
  EXPECT_FALSE(ToCodePage(CP_UTF8, longName.data(), longName.size(), 5, &out));  // 6 bytes
}

// On a difference, prints the runs the C runtime has, in the table's syntax.
TEST(NameChars, TableMatchesTheCRuntime) {
  std::string runs;
  bool differs = false;
  unsigned start = 0;
  for (unsigned unit = 0; unit <= 0x10000; ++unit) {
    const bool alnum = unit < 0x10000 && iswalnum(static_cast<wint_t>(unit));
    if (unit < 0x10000 && alnum != IsAlnumByTable(static_cast<XmlChar>(unit))) differs = true;
    const bool previous = unit > 0 && iswalnum(static_cast<wint_t>(unit - 1));
    if (alnum && !previous) start = unit;
    if (!alnum && previous) {
      char run[32];
      snprintf(run, sizeof run, "{0x%04X, 0x%04X},\n", start, unit - 1);
      runs += run;
    }
  }
  EXPECT_FALSE(differs) << "the C runtime's letters and digits:\n" << runs;
}

#endif

}  // namespace
}  // namespace Veneer
