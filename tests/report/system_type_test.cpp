#include "report/system_type.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(SystemTypeNameFor, FollowsTheVersionTable) {
  struct Case {
    const char* system;
    unsigned long platform, major, minor, ntMajor;
    const char* name;
    bool asksNtMajor;
  };
  const Case cases[] = {
      {"Windows 98", 1, 4, 10, 0, "", false},
      {"Windows NT 4", 2, 4, 0, 0, "", false},
      {"Windows 2000", 2, 5, 0, 0, "", false},
      {"Windows XP", 2, 5, 1, 0, "WinXP", false},
      {"Windows Server 2003", 2, 5, 2, 0, "WinXP", false},
      {"unknown 5.3", 2, 5, 3, 0, "", false},
      {"Windows Vista, Server 2008", 2, 6, 0, 0, "", false},
      {"Windows 7", 2, 6, 1, 0, "Win7", false},
      {"Windows 8", 2, 6, 2, 6, "Win8", true},
      {"Windows 8.1, reported as 6.2", 2, 6, 2, 6, "Win8", true},
      {"Windows 8.1 told the truth", 2, 6, 3, 6, "Win8", true},
      {"Windows 10 or 11, reported as 6.2", 2, 6, 2, 10, "Win10", true},
      {"6.2 without RtlGetNtVersionNumbers", 2, 6, 2, 0, "Win8", true},
      {"unknown 7.0", 2, 7, 0, 0, "", false},
      {"unknown 9.9", 2, 9, 9, 0, "", false},
      {"Windows 10 or 11 told the truth", 2, 10, 0, 0, "Win10", false},
      {"a later major", 2, 11, 3, 0, "Win10", false},
      {"Windows 10 on another platform", 3, 10, 0, 10, "", false},
  };
  for (const auto& c : cases) {
    bool asked = false;
    const std::string name = SystemTypeNameFor(c.platform, c.major, c.minor, [&] {
      asked = true;
      return c.ntMajor;
    });
    EXPECT_EQ(name, c.name) << c.system;
    EXPECT_EQ(asked, c.asksNtMajor) << c.system;
  }
}

TEST(FileVersionText, PrintsTheFourHalvesWithoutPadding) {
  EXPECT_EQ(FileVersionText(0x00060001, 0x1DB1600A), "6.1.7601.24586");
  EXPECT_EQ(FileVersionText(0x000A0000, 0x4A610001), "10.0.19041.1");
  EXPECT_EQ(FileVersionText(0xFFFFFFFF, 0), "65535.65535.0.0");
}

}  // namespace
}  // namespace lumo
