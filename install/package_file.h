// Writing the downloaded package so that nobody else can change it before it
// runs. While it is written, the file's only handle denies others writing and
// deletion. Sealing swaps it for a read-only handle with the same denial,
// which the package run needs, and then checks that the bytes on disk are
// the bytes written, so a write slipped in during the swap is caught.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/scoped_handle.h"

namespace lumo {

class PackageFile {
 public:
  PackageFile();
  ~PackageFile();
  PackageFile(const PackageFile&) = delete;
  PackageFile& operator=(const PackageFile&) = delete;

  // Creates `path` anew (UTF-16, replacing an older file). False on failure.
  bool Create(const std::wstring& path);
  // Appends all `size` bytes; false when the write fails or falls short.
  bool Write(const void* bytes, DWORD size);
  // Closes the file for writing and moves its read-only handle into `lock`.
  // False when the close fails or the contents changed.
  bool Seal(FileHandle& lock);

 private:
  struct Digest;
  std::wstring path_;
  FileHandle writer_;
  std::unique_ptr<Digest> digest_;
};

}  // namespace lumo
