#include "app/launch_command.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/app/classes_registry.h"

namespace lumo {
namespace {

using test::Utf16Bytes;

const wchar_t kGameKey[] = L"SOFTWARE\\LumoGameBrowser";
const wchar_t kEarlierKey[] = L"SOFTWARE\\LumoBrowser";

// What one of the two keys holds: nothing, the key alone, or a value.
struct Stored {
  enum Kind { Absent, KeyOnly, Value } kind;
  DWORD type;
  std::string data;
};

Stored Absent() {
  return {Stored::Absent, 0, ""};
}
Stored KeyOnly() {
  return {Stored::KeyOnly, 0, ""};
}
// A string value with its terminating NUL.
Stored Text(const std::wstring& text, DWORD type = REG_SZ) {
  return {Stored::Value, type, Utf16Bytes(text.c_str(), text.size() + 1)};
}
Stored Raw(DWORD type, const std::string& data) {
  return {Stored::Value, type, data};
}

class LaunchCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteBrowserKeys(); }
  void TearDown() override { test::DeleteBrowserKeys(); }

  static void Store(const wchar_t* key, const Stored& stored) {
    if (stored.kind == Stored::KeyOnly) {
      ASSERT_TRUE(test::CreateClassesKey(key));
    } else if (stored.kind == Stored::Value) {
      ASSERT_TRUE(
          test::WriteClassesValue(key, L"InstallerSuccessLaunchCmdLine", stored.type, stored.data));
    }
  }
};

TEST_F(LaunchCommandTest, TheTwoSearchesFindTheirCommand) {
  const std::wstring quoted = L"\"C:\\Program Files (x86)\\LumoBrowser\\Nebrix.exe\"";
  const std::wstring game = L"C:\\Games\\LumoGameBrowser\\Nebrix.exe";
  const std::wstring earlier = L"D:\\Old\\LumoBrowser\\Nebrix.exe";
  const DWORD number = 1;
  const std::wstring longFolder = L"C:\\" + std::wstring(300, L'L') + L"\\LumoGameBrowser";
  struct Case {
    const char* name;
    Stored gameKey, earlierKey;
    std::wstring existingDir, launchCommand;
  };
  const Case cases[] = {
      {"neither key", Absent(), Absent(), L"", L""},
      {"the earlier key alone, quoted", Absent(), Text(quoted),
       L"C:\\Program Files (x86)\\LumoGameBrowser", quoted},
      {"the earlier key alone, unquoted", Absent(), Text(earlier), L"D:\\Old\\LumoGameBrowser",
       earlier},
      {"both keys: the current one", Text(game), Text(earlier), L"C:\\Games\\LumoGameBrowser",
       game},
      {"current key without the value", KeyOnly(), Text(earlier), L"D:\\Old\\LumoGameBrowser",
       earlier},
      // An empty or non-string value stops the folder search, not the launch's.
      {"current key with an empty value", Text(L""), Text(earlier), L"", earlier},
      {"current key with a number",
       Raw(REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)), Text(earlier), L"",
       earlier},
      {"a command that names another program", Text(L"\"D:\\Apps\\Other.exe\""), Absent(),
       L"D:\\Apps\\Other.exe", L"\"D:\\Apps\\Other.exe\""},
      {"an expand string stays unexpanded",
       Text(L"%ProgramFiles%\\LumoGameBrowser\\Nebrix.exe", REG_EXPAND_SZ), Absent(),
       L"%ProgramFiles%\\LumoGameBrowser", L"%ProgramFiles%\\LumoGameBrowser\\Nebrix.exe"},
      {"a multi-string gives its first string",
       Raw(REG_MULTI_SZ, Utf16Bytes(L"C:\\Games\\LumoGameBrowser\\Nebrix.exe\0other\0", 43)),
       Absent(), L"C:\\Games\\LumoGameBrowser", game},
      {"a NUL inside a string ends it",
       Raw(REG_SZ, Utf16Bytes(L"C:\\Games\\LumoGameBrowser\\Nebrix.exe\0junk", 41)), Absent(),
       L"C:\\Games\\LumoGameBrowser", game},
      {"no terminating NUL", Raw(REG_SZ, Utf16Bytes(game.c_str(), game.size())), Absent(),
       L"C:\\Games\\LumoGameBrowser", game},
      {"longer than the first query", Text(longFolder + L"\\Nebrix.exe"), Absent(), longFolder,
       longFolder + L"\\Nebrix.exe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::DeleteBrowserKeys();
    Store(kGameKey, c.gameKey);
    Store(kEarlierKey, c.earlierKey);
    EXPECT_EQ(FindExistingInstallDir(), c.existingDir);
    EXPECT_EQ(FindLaunchCommand(), c.launchCommand);
  }
}

}  // namespace
}  // namespace lumo
