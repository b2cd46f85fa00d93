#include "ui/render/image_description.h"

#include <algorithm>

#include "ui/core/value_syntax.h"

namespace Veneer {
namespace {

bool IsSpaceOrControl(wchar_t c) {
  return c <= L' ';
}

class DescriptionParser {
 public:
  DescriptionParser(const IntRect& rect, std::vector<ImageDraw>& draws, ImageDraw& current)
      : rect_(rect), draws_(draws), current_(current) {}

  // One text: pairs of key='value', single blanks between them.
  void Parse(std::wstring_view text) {
    std::size_t pos = 0;
    int counter = 0;
    const auto skip = [&] {
      while (pos < text.size() && IsSpaceOrControl(text[pos])) ++pos;
    };
    while (true) {
      skip();
      const std::size_t keyStart = pos;
      while (pos < text.size() && text[pos] != L'=' && !IsSpaceOrControl(text[pos])) ++pos;
      const std::wstring_view key = text.substr(keyStart, pos - keyStart);
      skip();
      if (pos >= text.size() || text[pos] != L'=') return;
      ++pos;
      skip();
      if (pos >= text.size() || text[pos] != L'\'') return;
      const std::size_t close = text.find(L'\'', ++pos);
      if (close == std::wstring_view::npos) return;
      const std::wstring_view value = text.substr(pos, close - pos);
      if (!value.empty()) Apply(key, value, counter);
      pos = close + 1;
      if (pos + 1 >= text.size() || text[pos] != L' ') return;
      ++pos;
    }
  }

 private:
  void Apply(std::wstring_view key, std::wstring_view value, int& counter) {
    if (key == L"file" || key == L"res" || key == L"restype") {
      if (counter > 0) draws_.push_back(current_);
      if (key == L"restype") {
        current_.resourceType = value;
      } else {
        current_.name = value;
      }
      if (key != L"res") ++counter;
    } else if (key == L"dest") {
      const IntRect d = ParseIntRect(value);
      current_.dest = {rect_.left + d.left, rect_.top + d.top,
                       std::min(rect_.left + d.right, rect_.right),
                       std::min(rect_.top + d.bottom, rect_.bottom)};
    } else if (key == L"source") {
      current_.source = ParseIntRect(value);
    } else if (key == L"corner") {
      current_.corners = ParseIntRect(value);
    } else if (key == L"mask") {
      current_.maskColour = ParseColour(value);
    } else if (key == L"fade") {
      current_.fade = static_cast<std::uint8_t>(ParseInt(value));  // modulo 256
    } else if (key == L"hole") {
      current_.hole = ParseBool(value);
    } else if (key == L"xtiled") {
      current_.tileX = ParseBool(value);
    } else if (key == L"ytiled") {
      current_.tileY = ParseBool(value);
    }
  }

  const IntRect& rect_;
  std::vector<ImageDraw>& draws_;
  ImageDraw& current_;
};

}  // namespace

std::vector<ImageDraw> ParseImageDescription(std::wstring_view text, std::wstring_view modify,
                                             const IntRect& rect) {
  std::vector<ImageDraw> draws;
  ImageDraw current;
  current.name = text;
  current.dest = rect;
  DescriptionParser parser(rect, draws, current);
  parser.Parse(text);
  if (!modify.empty()) parser.Parse(modify);
  draws.push_back(current);
  return draws;
}

std::optional<std::uint16_t> ResourceIdOf(std::wstring_view name) {
  if (name.empty() || name.front() < L'0' || name.front() > L'9') return std::nullopt;
  std::uint32_t id = 0;
  for (std::size_t i = 0; i < name.size() && name[i] >= L'0' && name[i] <= L'9'; ++i) {
    id = (id * 10 + (name[i] - L'0')) & 0xFFFF;
  }
  return static_cast<std::uint16_t>(id);
}

}  // namespace Veneer
