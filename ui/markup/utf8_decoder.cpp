#include "ui/markup/utf8_decoder.h"

#include <cstdint>
#include <cstring>

namespace Veneer {
namespace {

constexpr XmlChar kReplacement = 0xFFFD;
constexpr size_t kBlock = 16;

bool IsAscii(const unsigned char* bytes) {
  uint64_t words[2];
  std::memcpy(words, bytes, sizeof words);
  return ((words[0] | words[1]) & 0x8080808080808080) == 0;
}

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How many continuation bytes follow a start byte; 0 for a byte that can't
// start a sequence.
size_t ContinuationCount(unsigned char start) {
  if (start >= 0xC2 && start <= 0xDF) return 1;
  if (start >= 0xE0 && start <= 0xEF) return 2;
  if (start >= 0xF0 && start <= 0xF4) return 3;
  return 0;
}

// False when the second byte makes the sequence overlong, a surrogate or a
// value above U+10FFFF.
bool SecondByteFits(unsigned char start, unsigned char second) {
  switch (start) {
    case 0xE0: return second >= 0xA0;
    case 0xED: return second <= 0x9F;
    case 0xF0: return second >= 0x90;
    case 0xF4: return second <= 0x8F;
    default: return true;
  }
}

size_t Put(uint32_t value, XmlChar* out) {
  if (value < 0x10000) {
    out[0] = static_cast<XmlChar>(value);
    return 1;
  }
  value -= 0x10000;
  out[0] = static_cast<XmlChar>(0xD800 + (value >> 10));
  out[1] = static_cast<XmlChar>(0xDC00 + (value & 0x3FF));
  return 2;
}

}  // namespace

size_t DecodeUtf8(const unsigned char* bytes, size_t size, XmlChar* out) {
  size_t in = 0;
  size_t written = 0;
  while (in < size) {
    // Layouts are mostly ASCII: a block at a time while no byte of it has its
    // top bit set.
    while (size - in >= kBlock && IsAscii(bytes + in)) {
      unsigned char block[kBlock];
      std::memcpy(block, bytes + in, kBlock);
      for (size_t k = 0; k < kBlock; ++k) out[written + k] = block[k];
      in += kBlock;
      written += kBlock;
    }
    if (in == size) break;
    const unsigned char start = bytes[in++];
    if (start < 0x80) {
      out[written++] = start;
      continue;
    }
    const size_t count = ContinuationCount(start);
    if (count > 0 && size - in < count) {
      in = size;
    } else if (count > 0 && IsContinuation(bytes[in])) {
      if (!SecondByteFits(start, bytes[in])) {
        ++in;
      } else {
        uint32_t value = start & (0x3F >> count);
        size_t taken = 0;
        for (; taken < count && IsContinuation(bytes[in]); ++taken) {
          value = (value << 6) | (bytes[in++] & 0x3F);
        }
        if (taken == count) {
          written += Put(value, out + written);
          continue;
        }
      }
    }
    out[written++] = kReplacement;
  }
  return written;
}

}  // namespace Veneer
