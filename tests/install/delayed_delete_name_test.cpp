#include "install/delayed_delete_name.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(DelayedDeleteName, CutsAfterTheFirstTmpOrAppendsOne) {
  struct Case {
    const wchar_t* path;
    std::uint32_t tick;
    const wchar_t* name;
  };
  const Case cases[] = {
      {L"C:\\Temp\\123.exe", 0xabc, L"C:\\Temp\\123.exe.tmpabc"},
      {L"C:\\Temp\\123.tmp", 0x1f, L"C:\\Temp\\123.tmp1f"},
      {L"C:\\Temp\\a.tmp.b.tmp.exe", 0x10, L"C:\\Temp\\a.tmp10"},
      {L"C:\\Temp\\A.TMP", 0, L"C:\\Temp\\A.TMP.tmp0"},  // the match is case-sensitive
      {L"C:\\Temp\\x", 0xffffffff, L"C:\\Temp\\x.tmpffffffff"},
  };
  for (const auto& c : cases) EXPECT_EQ(DelayedDeleteName(c.path, c.tick), c.name);
}

}  // namespace
}  // namespace lumo
