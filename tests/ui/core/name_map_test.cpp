#include "ui/core/name_map.h"

#include <gtest/gtest.h>

#include <memory>

namespace Veneer {
namespace {

TEST(NameHash, HashesFromTheLastCodeUnitToTheFirst) {
  EXPECT_EQ(NameHash(L""), 0u);
  EXPECT_EQ(NameHash(L"a"), 97u);
  EXPECT_EQ(NameHash(L"ab"), 98u * 33 + 97);
  EXPECT_EQ(NameBucket(L"ab"), (98u * 33 + 97) % 83);
  // 32-bit arithmetic wraps instead of overflowing.
  const std::wstring longName(40, L'z');
  std::uint32_t expected = 0;
  for (int i = 0; i < 40; ++i) expected = expected * 33 + L'z';
  EXPECT_EQ(NameHash(longName), expected);
}

// L"a", L"\u00b4" and L"\u0107" hash to 97, 180 and 263: one bucket.
constexpr wchar_t kFirst[] = L"a";
constexpr wchar_t kSecond[] = L"\u00b4";
constexpr wchar_t kThird[] = L"\u0107";

TEST(NameMap, KeepsCollidingKeysApart) {
  static_assert(NameBucket(kFirst) == NameBucket(kSecond) &&
                NameBucket(kSecond) == NameBucket(kThird));
  NameMap<int> map;
  EXPECT_TRUE(map.Insert(kFirst, 1));
  EXPECT_TRUE(map.Insert(kSecond, 2));
  EXPECT_TRUE(map.Insert(kThird, 3));
  // Finding moves entries around inside the bucket; every key stays found.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(*map.Find(kFirst), 1);
    EXPECT_EQ(*map.Find(kThird), 3);
    EXPECT_EQ(*map.Find(kSecond), 2);
  }
  EXPECT_TRUE(map.Remove(kThird));
  EXPECT_FALSE(map.Remove(kThird));
  EXPECT_EQ(map.Find(kThird), nullptr);
  EXPECT_EQ(*map.Find(kFirst), 1);
  EXPECT_EQ(*map.Find(kSecond), 2);
  EXPECT_EQ(map.Find(L"A"), nullptr);  // exact, case-sensitive comparison
}

TEST(NameMap, InsertRefusesWhatSetReplaces) {
  NameMap<std::unique_ptr<int>> map;
  EXPECT_TRUE(map.Insert(L"logo.png", std::make_unique<int>(1)));
  EXPECT_FALSE(map.Insert(L"logo.png", std::make_unique<int>(2)));
  EXPECT_EQ(**map.Find(L"logo.png"), 1);
  map.Set(L"logo.png", std::make_unique<int>(3));
  map.Set(L"other", std::make_unique<int>(4));
  EXPECT_EQ(**map.Find(L"logo.png"), 3);
  EXPECT_EQ(**map.Find(L"other"), 4);
}

TEST(NameMap, RemoveIfVisitsEveryEntry) {
  NameMap<int> map;
  for (int i = 0; i < 500; ++i) map.Set(std::to_wstring(i), i);
  map.Set(kFirst, 1000);
  map.Set(kSecond, 1001);
  int visited = 0;
  map.RemoveIf([&](std::wstring_view, int value) {
    ++visited;
    return value % 2 == 1;
  });
  EXPECT_EQ(visited, 502);
  EXPECT_EQ(map.Find(L"7"), nullptr);
  EXPECT_EQ(*map.Find(L"8"), 8);
  EXPECT_EQ(*map.Find(kFirst), 1000);
  EXPECT_EQ(map.Find(kSecond), nullptr);
  map.Clear();
  EXPECT_EQ(map.Find(L"8"), nullptr);
}

}  // namespace
}  // namespace Veneer
