#include "app/install_path.h"

#include <gtest/gtest.h>

#include "app/app_string.h"
#include "app/launch_command_text.h"

namespace lumo {
namespace {

struct TextCase {
  std::wstring input;
  std::wstring output;
};

// Wide text to a printable narrow form for failure messages.
std::string Printable(const std::wstring& text) {
  std::string narrow;
  for (const wchar_t unit : text) {
    narrow += unit >= 0x20 && unit < 0x7F ? static_cast<char>(unit) : '?';
  }
  return narrow;
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutSearchingReplacements) {
  struct Case {
    std::wstring text, search, replacement, result;
  };
  const Case cases[] = {
      {L"a/b/c", L"/", L"\\", L"a\\b\\c"},
      {L"aaa", L"a", L"aa", L"aaaaaa"},  // a replacement holding the search text is not searched
      {L"aaaa", L"aa", L"a", L"aa"},     // no second pass over the result
      {L"xabx", L"ab", L"", L"xx"},
      {L"text", L"", L"y", L"text"},  // empty search: unchanged
      {L"", L"a", L"b", L""},
      {L"abab", L"abab", L"", L""},
      {L"ab", L"abc", L"", L"ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.result) << Printable(c.text);
  }
}

TEST(CAppString, TrimsOnlyTheCRuntimesWhiteSpace) {
  struct Case {
    std::wstring text, left, right, both;
  };
  const Case cases[] = {
      {L" \t\n\v\f\rC:\\Games \t\n\v\f\r", L"C:\\Games \t\n\v\f\r", L" \t\n\v\f\rC:\\Games",
       L"C:\\Games"},
      {L"   ", L"", L"", L""},
      {L"", L"", L"", L""},
      {L"a b", L"a b", L"a b", L"a b"},
      // Ideographic and no-break spaces are not the C runtime's white space.
      {L"\u3000x\u00A0", L"\u3000x\u00A0", L"\u3000x\u00A0", L"\u3000x\u00A0"},
  };
  for (const Case& c : cases) {
    CAppString left(c.text), right(c.text), both(c.text);
    EXPECT_TRUE(left.LTrim());
    EXPECT_TRUE(right.RTrim());
    EXPECT_TRUE(both.Trim());
    EXPECT_EQ(left.str(), c.left) << Printable(c.text);
    EXPECT_EQ(right.str(), c.right) << Printable(c.text);
    EXPECT_EQ(both.str(), c.both) << Printable(c.text);
  }
}

TEST(NormalizePath, TrimsTurnsSlashesAndCollapsesBackslashRuns) {
  const TextCase cases[] = {
      {L"D:/Games//", L"D:\\Games\\"},
      {L"  C:\\\\Apps\\\\\\\\LumoGameBrowser\\\\ ", L"C:\\Apps\\LumoGameBrowser\\"},
      {L"\\\\server\\share", L"\\server\\share"},  // a leading pair loses one too
      {L"C:/\\/\\x", L"C:\\x"},
      {L"", L""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(NormalizePath(c.input), c.output) << Printable(c.input);
}

TEST(GetInstallPath, EndsInTheProductFolder) {
  const TextCase cases[] = {
      {L"C:\\Program Files (x86)", L"C:\\Program Files (x86)\\LumoGameBrowser"},
      {L"D:/Games//", L"D:\\Games\\LumoGameBrowser"},
      {L"D:\\Games\\lumogamebrowser\\", L"D:\\Games\\lumogamebrowser"},
      {L" C:\\\\Apps\\\\\\\\LumoGameBrowser\\\\ ", L"C:\\Apps\\LumoGameBrowser"},
      {L"D:\\MyLumoGameBrowser", L"D:\\MyLumoGameBrowser"},  // letters only, no separator check
      {L"LumoGameBrowser", L"LumoGameBrowser\\LumoGameBrowser"},  // not longer than the name
      {L"", L"\\LumoGameBrowser"},
      {L"\\", L"\\LumoGameBrowser"},
      {L"D:\\LUMOGAMEBROWSER", L"D:\\LUMOGAMEBROWSER"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(GetInstallPath(c.input), c.output) << Printable(c.input);
  }
}

TEST(LaunchCommandText, GivesTheFolderAndTheProgram) {
  struct Case {
    std::wstring command, folder, application;
  };
  const Case cases[] = {
      {L"\"C:\\Program Files (x86)\\LumoBrowser\\Nebrix.exe\"",
       L"C:\\Program Files (x86)\\LumoGameBrowser",
       L"C:\\Program Files (x86)\\LumoBrowser\\Nebrix.exe"},
      {L"C:\\Program Files (x86)\\LumoGameBrowser\\Nebrix.exe",
       L"C:\\Program Files (x86)\\LumoGameBrowser",
       L"C:\\Program Files (x86)\\LumoGameBrowser\\Nebrix.exe"},
      {L"\"D:\\Apps\\Browser.exe\" --flag", L"D:\\Apps\\Browser.exe --flag",
       L"D:\\Apps\\Browser.exe --flag"},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InstallDirFromLaunchCommand(c.command), c.folder) << Printable(c.command);
    EXPECT_EQ(ApplicationFromLaunchCommand(c.command), c.application) << Printable(c.command);
  }
}

}  // namespace
}  // namespace lumo
