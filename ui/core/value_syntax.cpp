#include "ui/core/value_syntax.h"

#include <climits>

namespace Veneer {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r');
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

int ParseInt(std::wstring_view text, std::size_t* end) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    negative = text[pos] == L'-';
    ++pos;
  }
  const std::size_t digits = pos;
  long long value = 0;
  for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
    if (value <= INT_MAX) value = value * 10 + (text[pos] - L'0');
  }
  if (pos == digits) {
    if (end) *end = 0;
    return 0;
  }
  if (end) *end = pos;
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

void ParseIntList(std::wstring_view text, int* values, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t end = 0;
    values[i] = pos < text.size() ? ParseInt(text.substr(pos), &end) : 0;
    pos += end + 1;  // the separator
  }
}

IntRect ParseIntRect(std::wstring_view text) {
  int v[4];
  ParseIntList(text, v, 4);
  return {v[0], v[1], v[2], v[3]};
}

std::uint32_t ParseColour(std::wstring_view text) {
  if (!text.empty() && text.front() == L'#') text.remove_prefix(1);
  std::uint64_t value = 0;
  for (wchar_t c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) break;
    value = value * 16 + digit;
    if (value > UINT32_MAX) return UINT32_MAX;
  }
  return static_cast<std::uint32_t>(value);
}

AttributeList ParseAttributeList(std::wstring_view text) {
  AttributeList pairs;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t equals = text.find(L'=', pos);
    if (equals == std::wstring_view::npos || equals + 1 >= text.size() ||
        text[equals + 1] != L'"') {
      break;
    }
    const std::size_t close = text.find(L'"', equals + 2);
    if (close == std::wstring_view::npos) break;
    pairs.emplace_back(std::wstring(text.substr(pos, equals - pos)),
                       std::wstring(text.substr(equals + 2, close - equals - 2)));
    pos = close + 1;
    if (pos >= text.size() || text[pos] != L' ') break;
    ++pos;
  }
  return pairs;
}

}  // namespace Veneer
