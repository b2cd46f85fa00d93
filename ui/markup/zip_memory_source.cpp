#include <cstring>

#include "ui/markup/zip_source.h"

namespace Veneer {
namespace {

class MemoryBlock final : public ZipSource {
 public:
  MemoryBlock(const void* data, size_t size)
      : data_(static_cast<const unsigned char*>(data)), size_(size) {}

  uint64_t Size() const override { return size_; }

  bool Read(uint64_t offset, void* out, size_t length) const override {
    if (!Contains(offset, length)) return false;
    if (length > 0) std::memcpy(out, data_ + offset, length);
    return true;
  }

 private:
  const unsigned char* data_;
  size_t size_;
};

}  // namespace

std::unique_ptr<ZipSource> MemorySource(const void* data, size_t size) {
  return std::make_unique<MemoryBlock>(data, data != nullptr ? size : 0);
}

}  // namespace Veneer
