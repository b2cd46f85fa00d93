// Conversions between the platform-neutral IntRect and the Win32 RECT.
#pragma once

#include <windows.h>

#include "ui/core/int_rect.h"

namespace Veneer {

inline IntRect ToIntRect(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
          static_cast<int>(r.bottom)};
}

inline RECT ToRECT(const IntRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace Veneer
