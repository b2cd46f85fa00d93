#include "app/registry_reader.h"

#include <gtest/gtest.h>

#include "tests/app/classes_registry.h"

namespace lumo {
namespace {

using test::Utf16Bytes;

// A key of this test process's own, so that tests running side by side
// don't meet.
class RegistryReaderTest : public ::testing::Test {
 protected:
  RegistryReaderTest()
      : key_(L"SOFTWARE\\LumoRegistryReaderTest" + std::to_wstring(GetCurrentProcessId())) {}
  void SetUp() override { test::DeleteClassesKey(key_); }
  void TearDown() override { test::DeleteClassesKey(key_); }

  bool Write(DWORD type, const std::string& data) {
    return test::WriteClassesValue(key_, L"Value", type, data);
  }
  LONG Read(std::wstring& text, DWORD& type) const {
    return RegistryReader(HKEY_CLASSES_ROOT).ReadString(key_, L"Value", text, type);
  }

  const std::wstring key_;
};

const wchar_t kBefore[] = L"(before)";
constexpr DWORD kNoType = 0xBAD;

TEST_F(RegistryReaderTest, ReadsStringValuesAndLeavesOtherTypes) {
  struct Case {
    const char* name;
    DWORD type;
    std::string data;
    std::wstring text;
    DWORD typeOut;
  };
  const DWORD dword = 7;
  const Case cases[] = {
      {"string", REG_SZ, Utf16Bytes(L"C:\\x", 5), L"C:\\x", REG_SZ},
      {"expand string, unexpanded", REG_EXPAND_SZ, Utf16Bytes(L"%ProgramFiles%\\x", 17),
       L"%ProgramFiles%\\x", REG_EXPAND_SZ},
      {"multi-string keeps inner NULs", REG_MULTI_SZ, Utf16Bytes(L"a\0b\0", 5),
       std::wstring(L"a\0b\0", 4), REG_MULTI_SZ},
      {"empty data", REG_SZ, "", L"", REG_SZ},
      {"only a NUL", REG_SZ, Utf16Bytes(L"", 1), L"", REG_SZ},
      {"one byte", REG_SZ, "a", L"", REG_SZ},
      // Nothing makes a writer end its string with a NUL: keep every unit.
      {"no terminating NUL", REG_SZ, Utf16Bytes(L"abc", 3), L"abc", REG_SZ},
      {"odd length after a NUL", REG_SZ, Utf16Bytes(L"ab", 3) + "z", L"ab", REG_SZ},
      {"odd length without a NUL", REG_SZ, Utf16Bytes(L"abc", 3).substr(0, 5), L"ab", REG_SZ},
      {"number", REG_DWORD, std::string(reinterpret_cast<const char*>(&dword), 4), kBefore, 0},
      {"binary", REG_BINARY, Utf16Bytes(L"C:\\x", 5), kBefore, 0},
      {"no type", REG_NONE, "", kBefore, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Write(c.type, c.data));
    std::wstring text = kBefore;
    DWORD type = kNoType;
    EXPECT_EQ(Read(text, type), ERROR_SUCCESS);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(type, c.typeOut);
  }
}

// The first query has room for 260 bytes; a longer value is read again at
// the size the registry reports.
TEST_F(RegistryReaderTest, ReadsLongValuesWhole) {
  for (const std::size_t units : {129u, 130u, 131u, 4000u, 1u << 20}) {
    const std::wstring long_text(units, L'x');
    ASSERT_TRUE(Write(REG_SZ, Utf16Bytes(long_text.c_str(), units + 1)));
    std::wstring text;
    DWORD type = kNoType;
    EXPECT_EQ(Read(text, type), ERROR_SUCCESS) << units;
    EXPECT_EQ(text.size(), units);
    EXPECT_EQ(text, long_text) << units;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  }
}

TEST_F(RegistryReaderTest, ReportsAMissingKeyOrValue) {
  std::wstring text = kBefore;
  DWORD type = kNoType;
  EXPECT_EQ(Read(text, type), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(text, kBefore);
  EXPECT_EQ(type, kNoType);  // untouched: the key wasn't opened

  ASSERT_TRUE(test::CreateClassesKey(key_));
  EXPECT_EQ(Read(text, type), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(text, kBefore);
  EXPECT_EQ(type, 0u);
}

}  // namespace
}  // namespace lumo
