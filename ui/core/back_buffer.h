// The off-screen picture of a window's client area: a 32-bit top-down DIB
// section selected into a memory device context, kept between paints.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/render/gdi_handles.h"

namespace Veneer {

class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer() { Drop(); }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Makes the buffer `size` big, keeping it when it is already; false when
  // it can't be created.
  bool Ensure(HDC compatible, SIZE size);
  void Drop();

  HDC dc() const { return dc_.get(); }
  SIZE size() const { return size_; }
  // Rows top to bottom, size().cx pixels each, 0x00RRGGBB in the low bytes.
  const std::uint32_t* pixels() const { return pixels_; }

 private:
  ScopedMemoryDc dc_;
  ScopedBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  SIZE size_ = {0, 0};
};

}  // namespace Veneer
