// Owning wrappers of GDI objects and device contexts, and scoped changes of
// a device context that undo themselves.
#pragma once

#include <windows.h>

#include "common/scoped_handle.h"

namespace Veneer {

template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { DeleteObject(handle); }
};

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { DeleteDC(handle); }
};

using ScopedBitmap = lumo::ScopedHandle<GdiObjectTraits<HBITMAP>>;
using ScopedFont = lumo::ScopedHandle<GdiObjectTraits<HFONT>>;
using ScopedBrush = lumo::ScopedHandle<GdiObjectTraits<HBRUSH>>;
using ScopedPen = lumo::ScopedHandle<GdiObjectTraits<HPEN>>;
using ScopedRegion = lumo::ScopedHandle<GdiObjectTraits<HRGN>>;
using ScopedMemoryDc = lumo::ScopedHandle<MemoryDcTraits>;

// A device context of a window, released with it.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context until the scope ends.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Narrows the clip region of a device context to its intersection with a
// region until the scope ends, then restores the clip it had before.
class ScopedClip {
 public:
  ScopedClip(HDC dc, HRGN region) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    hadClip_ = GetClipRgn(dc, saved_.get()) == 1;
    ExtSelectClipRgn(dc, region, RGN_AND);
  }
  ~ScopedClip() { SelectClipRgn(dc_, hadClip_ ? saved_.get() : nullptr); }
  ScopedClip(const ScopedClip&) = delete;
  ScopedClip& operator=(const ScopedClip&) = delete;

 private:
  HDC dc_;
  ScopedRegion saved_;
  bool hadClip_ = false;
};

// The GDI colour reference of an ARGB colour: red, green and blue reordered,
// the alpha dropped.
constexpr COLORREF ToColorRef(DWORD argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

}  // namespace Veneer
