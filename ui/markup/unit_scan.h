// Scans of a parsed document's text for the first of a few code units, four
// units at a time. The text must be readable for three units past the NUL
// that ends it (kXmlTextPadding), as every document's text is.
#pragma once

#include <cstdint>
#include <cstring>

#include "ui/markup/xml_char.h"

namespace Veneer {
namespace detail {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the first unit is the lowest lane");

constexpr uint64_t kLanes = 0x0001000100010001;
constexpr uint64_t kTops = 0x8000800080008000;

// The top bit of each 16-bit lane of `v` that is zero: it survives both the
// borrow of the subtraction and the mask. A borrow can also mark lanes above
// a zero lane, never below it, so the lowest mark is exact.
inline uint64_t ZeroLanes(uint64_t v) {
  return (v - kLanes) & ~v & kTops;
}

inline uint64_t Block(const XmlChar* p) {
  uint64_t block;
  std::memcpy(&block, p, sizeof block);
  return block;
}

template <typename Unit>
Unit* AtLowestMark(Unit* p, uint64_t marks) {
  return p + __builtin_ctzll(marks) / 16;
}

}  // namespace detail

// The first unit from `p` on that is NUL, `a` or `b`.
template <typename Unit>
Unit* FindNulOr(Unit* p, XmlChar a, XmlChar b) {
  const uint64_t as = a * detail::kLanes;
  const uint64_t bs = b * detail::kLanes;
  for (;; p += 4) {
    const uint64_t block = detail::Block(p);
    const uint64_t marks =
        detail::ZeroLanes(block) | detail::ZeroLanes(block ^ as) | detail::ZeroLanes(block ^ bs);
    if (marks != 0) return detail::AtLowestMark(p, marks);
  }
}

// The first NUL from `p` on.
inline const XmlChar* FindNul(const XmlChar* p) {
  for (;; p += 4) {
    const uint64_t marks = detail::ZeroLanes(detail::Block(p));
    if (marks != 0) return detail::AtLowestMark(p, marks);
  }
}

}  // namespace Veneer
