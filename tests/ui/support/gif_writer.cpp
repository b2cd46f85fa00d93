#include "tests/ui/support/gif_writer.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace Veneer::test {
namespace {

class Bytes {
 public:
  void Byte(unsigned value) { data.push_back(static_cast<std::uint8_t>(value)); }
  void Word(unsigned value) {
    Byte(value & 0xFF);
    Byte(value >> 8);
  }
  void Text(const char* text) {
    while (*text) Byte(static_cast<unsigned char>(*text++));
  }
  std::vector<std::uint8_t> data;
};

// LZW with a clear code before every pixel: the code table never grows, so
// every code stays 3 bits wide (minimum code size 2, clear 4, end 5).
std::vector<std::uint8_t> PixelCodes(int pixels, unsigned index) {
  std::vector<std::uint8_t> packed;
  unsigned bits = 0, count = 0;
  const auto put = [&](unsigned code) {
    bits |= code << count;
    count += 3;
    while (count >= 8) {
      packed.push_back(static_cast<std::uint8_t>(bits & 0xFF));
      bits >>= 8;
      count -= 8;
    }
  };
  for (int i = 0; i < pixels; ++i) {
    put(4);
    put(index);
  }
  put(5);
  if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
  return packed;
}

}  // namespace

bool WriteGif(const std::wstring& path, int width, int height,
              const std::vector<GifFrame>& frames) {
  std::vector<std::uint32_t> palette;
  for (const GifFrame& f : frames) {
    if (std::find(palette.begin(), palette.end(), f.colour) == palette.end()) {
      palette.push_back(f.colour);
    }
  }
  if (palette.size() > 4) return false;
  palette.resize(4, 0);
  Bytes gif;
  gif.Text("GIF89a");
  gif.Word(width);
  gif.Word(height);
  gif.Byte(0xF1);  // a global table of 4 colours
  gif.Byte(0);
  gif.Byte(0);
  for (std::uint32_t c : palette) {
    gif.Byte(c >> 16);
    gif.Byte((c >> 8) & 0xFF);
    gif.Byte(c & 0xFF);
  }
  gif.Byte(0x21);  // loop for ever
  gif.Byte(0xFF);
  gif.Byte(11);
  gif.Text("NETSCAPE2.0");
  gif.Byte(3);
  gif.Byte(1);
  gif.Word(0);
  gif.Byte(0);
  for (const GifFrame& f : frames) {
    gif.Byte(0x21);  // graphic control: the delay
    gif.Byte(0xF9);
    gif.Byte(4);
    gif.Byte(0x04);
    gif.Word(f.delay);
    gif.Byte(0);
    gif.Byte(0);
    gif.Byte(0x2C);  // the frame over the whole picture
    gif.Word(0);
    gif.Word(0);
    gif.Word(width);
    gif.Word(height);
    gif.Byte(0);
    gif.Byte(2);
    const auto index = static_cast<unsigned>(std::find(palette.begin(), palette.end(), f.colour) -
                                             palette.begin());
    const std::vector<std::uint8_t> codes = PixelCodes(width * height, index);
    for (size_t at = 0; at < codes.size(); at += 255) {
      const size_t n = std::min<size_t>(255, codes.size() - at);
      gif.Byte(static_cast<unsigned>(n));
      gif.data.insert(gif.data.end(), codes.begin() + at, codes.begin() + at + n);
    }
    gif.Byte(0);
  }
  gif.Byte(0x3B);
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  const bool written = std::fwrite(gif.data.data(), 1, gif.data.size(), file) == gif.data.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace Veneer::test
