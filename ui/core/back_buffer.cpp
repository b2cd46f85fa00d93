#include "ui/core/back_buffer.h"

#include <utility>

#include "ui/render/dib_section.h"

namespace Veneer {

bool BackBuffer::Ensure(HDC compatible, SIZE size) {
  if (dc_ && size.cx == size_.cx && size.cy == size_.cy) return true;
  Drop();
  ScopedMemoryDc dc(CreateCompatibleDC(compatible));
  if (!dc) return false;
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateTopDownDib(size.cx, size.cy, &bits));
  if (!bitmap) return false;
  previous_ = SelectObject(dc.get(), bitmap.get());
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  pixels_ = static_cast<std::uint32_t*>(bits);
  size_ = size;
  return true;
}

void BackBuffer::Drop() {
  if (dc_) SelectObject(dc_.get(), previous_);
  bitmap_.reset();
  dc_.reset();
  pixels_ = nullptr;
  size_ = {0, 0};
}

}  // namespace Veneer
