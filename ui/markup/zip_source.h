// The bytes an archive is read from: a memory block, or a file on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Veneer {

class ZipSource {
 public:
  virtual ~ZipSource() = default;
  virtual uint64_t Size() const = 0;
  // Copies `length` bytes at `offset` into `out`; false when the range does
  // not lie inside the source or the read fails.
  virtual bool Read(uint64_t offset, void* out, size_t length) const = 0;

 protected:
  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= Size() && length <= Size() - offset;
  }
};

// Reads a caller's block in place; the block must outlive the source.
std::unique_ptr<ZipSource> MemorySource(const void* data, size_t size);
#if defined(_WIN32)
// None when the file can't be opened for reading.
std::unique_ptr<ZipSource> FileSource(const wchar_t* path);
#endif

}  // namespace Veneer
