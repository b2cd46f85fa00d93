// A rectangle of four ints (left, top, right, bottom; right and bottom
// exclusive) for the platform-neutral geometry; the same layout as RECT.
#pragma once

namespace Veneer {

struct IntRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool IsZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  // True when both are non-empty and overlap.
  constexpr bool Intersects(const IntRect& other) const {
    return !IsEmpty() && !other.IsEmpty() && left < other.right && other.left < right &&
           top < other.bottom && other.top < bottom;
  }
  constexpr IntRect Intersection(const IntRect& other) const {
    return {left > other.left ? left : other.left, top > other.top ? top : other.top,
            right < other.right ? right : other.right,
            bottom < other.bottom ? bottom : other.bottom};
  }
  friend constexpr bool operator==(const IntRect& a, const IntRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend constexpr bool operator!=(const IntRect& a, const IntRect& b) { return !(a == b); }
};

}  // namespace Veneer
