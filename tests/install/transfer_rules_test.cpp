#include "install/transfer_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumo {
namespace {

TEST(TransferRules, PercentIsCutTowardZero) {
  struct Case {
    std::uint32_t received, announced;
    int percent;
  };
  const Case cases[] = {{131072, 1000000, 13},
                        {262144, 1000000, 26},
                        {1000000, 1000000, 100},
                        {999999, 1000000, 99},
                        {1500000, 1000000, 150},
                        {5, 0, 0},
                        {4294967295u, 4294967295u, 100},
                        {1000001, 1000000, 100},
                        {1000000000, 1, std::numeric_limits<int>::max()},
                        {4294967295u, 1, std::numeric_limits<int>::max()},
                        {21474837, 1, std::numeric_limits<int>::max()},
                        {21474836, 1, 2147483600}};
  for (const auto& c : cases) {
    EXPECT_EQ(DownloadPercent(c.received, c.announced), c.percent)
        << c.received << '/' << c.announced;
  }
}

TEST(TransferRules, ABodyShorterThanAnnouncedIsIncomplete) {
  EXPECT_TRUE(BodyIsComplete(0, 0));
  EXPECT_TRUE(BodyIsComplete(100, 0));
  EXPECT_TRUE(BodyIsComplete(100, 100));
  EXPECT_TRUE(BodyIsComplete(101, 100));
  EXPECT_FALSE(BodyIsComplete(99, 100));
  EXPECT_FALSE(BodyIsComplete(0, 1));
}

TEST(TransferRules, OnlyHttpsUrlsAreFetched) {
  EXPECT_TRUE(IsHttpsUrl(L"https://localhost/p.exe"));
  EXPECT_TRUE(IsHttpsUrl(L"HTTPS://HOST/p.exe"));
  EXPECT_FALSE(IsHttpsUrl(L"http://localhost/p.exe"));
  EXPECT_FALSE(IsHttpsUrl(L"https:/x"));
  EXPECT_FALSE(IsHttpsUrl(L"ftp://x"));
  EXPECT_FALSE(IsHttpsUrl(L""));
  EXPECT_FALSE(IsHttpsUrl(L" https://x"));
}

}  // namespace
}  // namespace lumo
