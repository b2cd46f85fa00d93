#include "ui/core/value_syntax.h"

#include <gtest/gtest.h>

#include <climits>

namespace Veneer {
namespace {

TEST(ValueSyntax, Integers) {
  struct Case {
    const wchar_t* text;
    int value;
    std::size_t end;
  };
  const Case cases[] = {
      {L"42", 42, 2},
      {L"  -17", -17, 5},
      {L"+8", 8, 2},
      {L"12abc", 12, 2},
      {L"abc", 0, 0},
      {L"", 0, 0},
      {L"-", 0, 0},
      {L" \t 7,", 7, 4},
      {L"99999999999", INT_MAX, 11},
      {L"-99999999999", INT_MIN, 12},
  };
  for (const auto& c : cases) {
    std::size_t end = 99;
    EXPECT_EQ(ParseInt(c.text, &end), c.value) << c.text;
    EXPECT_EQ(end, c.end) << c.text;
  }
}

TEST(ValueSyntax, IntegerListsSkipOneSeparatorAfterEachNumber) {
  struct Case {
    const wchar_t* text;
    IntRect rect;
  };
  const Case cases[] = {
      {L"145,16,436,82", {145, 16, 436, 82}},
      {L"145, 16, 436, 82", {145, 16, 436, 82}},  // blanks after a comma
      {L"-40,10,-10,30", {-40, 10, -10, 30}},
      {L"1;2;3;4", {1, 2, 3, 4}},  // any separator
      {L"1,,3,4", {1, 0, 3, 4}},   // the second comma is read as a number
      {L"5,6", {5, 6, 0, 0}},      // missing numbers are 0
      {L"", {0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIntRect(c.text), c.rect) << c.text;
  int pair[2];
  ParseIntList(L"580,420", pair, 2);
  EXPECT_EQ(pair[0], 580);
  EXPECT_EQ(pair[1], 420);
}

TEST(ValueSyntax, ColoursAndBooleans) {
  EXPECT_EQ(ParseColour(L"#FF444444"), 0xFF444444u);
  EXPECT_EQ(ParseColour(L"FFFF00FF"), 0xFFFF00FFu);
  EXPECT_EQ(ParseColour(L"#ff0000"), 0x00FF0000u);  // six digits: alpha 0
  EXPECT_EQ(ParseColour(L"#12zz"), 0x12u);
  EXPECT_EQ(ParseColour(L"#"), 0u);
  EXPECT_EQ(ParseColour(L"#123456789"), 0xFFFFFFFFu);
  EXPECT_TRUE(ParseBool(L"true"));
  for (const wchar_t* text : {L"True", L"TRUE", L"1", L"yes", L"", L"true "}) {
    EXPECT_FALSE(ParseBool(text)) << text;
  }
}

TEST(ValueSyntax, AttributeListsStopAtTheFirstMalformedPair) {
  struct Case {
    const wchar_t* text;
    AttributeList pairs;
  };
  const Case cases[] = {
      {L"name=\"ok\" width=\"80\"", {{L"name", L"ok"}, {L"width", L"80"}}},
      {L"bkimage=\"file='a.png' corner='2,2,2,2'\"",
       {{L"bkimage", L"file='a.png' corner='2,2,2,2'"}}},
      // A second blank belongs to the next name, which no control knows.
      {L"a=\"1\"  b=\"2\"", {{L"a", L"1"}, {L" b", L"2"}}},
      {L"a=\"1\",b=\"2\"", {{L"a", L"1"}}},  // no blank after the value
      {L"a = \"1\"", {}},                    // no quote right after "="
      {L"a=\"1\" b=\"2", {{L"a", L"1"}}},    // unterminated value
      {L"a=\"\" b=\"x\"", {{L"a", L""}, {L"b", L"x"}}},
      {L"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAttributeList(c.text), c.pairs) << c.text;
}

}  // namespace
}  // namespace Veneer
