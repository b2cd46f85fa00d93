#include <windows.h>

#include "common/scoped_handle.h"
#include "ui/markup/zip_source.h"

namespace Veneer {
namespace {

class FileBytes final : public ZipSource {
 public:
  FileBytes(lumo::FileHandle file, uint64_t size) : file_(std::move(file)), size_(size) {}

  uint64_t Size() const override { return size_; }

  // Positioned reads: the source keeps no file pointer of its own.
  bool Read(uint64_t offset, void* out, size_t length) const override {
    if (!Contains(offset, length)) return false;
    auto bytes = static_cast<unsigned char*>(out);
    while (length > 0) {
      OVERLAPPED at = {};
      at.Offset = static_cast<DWORD>(offset);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32);
      const DWORD wanted = length > 0x10000000 ? 0x10000000 : static_cast<DWORD>(length);
      DWORD got = 0;
      if (!ReadFile(file_.get(), bytes, wanted, &got, &at) || got == 0) return false;
      bytes += got;
      offset += got;
      length -= got;
    }
    return true;
  }

 private:
  lumo::FileHandle file_;
  uint64_t size_;
};

}  // namespace

std::unique_ptr<ZipSource> FileSource(const wchar_t* path) {
  lumo::FileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) return nullptr;
  return std::make_unique<FileBytes>(std::move(file), static_cast<uint64_t>(size.QuadPart));
}

}  // namespace Veneer
