// Writing the downloaded package so that nobody else can change it before it
// runs. While it is written, the file's only handle denies others writing and
// deletion. Sealing swaps it for a read-only handle with the same denial,
// which the package run needs. When the configuration named the package's
// SHA-256, the bytes are digested as they are written and sealing fails
// unless they match. A file that is not sealed is removed again.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/scoped_handle.h"
#include "install/configuration_reply.h"

namespace lumo {

class PackageFile {
 public:
  PackageFile();
  ~PackageFile();  // removes the file unless it was sealed
  PackageFile(const PackageFile&) = delete;
  PackageFile& operator=(const PackageFile&) = delete;

  // Creates `path` (UTF-16), which must not exist yet: nothing that stands
  // there is followed or replaced. False on failure, leaving no file.
  bool Create(const std::wstring& path, const PackageDigest& expected = PackageDigest());
  // Appends all `size` bytes; false when the write fails or falls short.
  bool Write(const void* bytes, DWORD size);
  // Closes the file for writing and moves its read-only handle into `lock`.
  // False when the close fails or the bytes are not those expected.
  bool Seal(FileHandle& lock);

 private:
  struct Sha256;
  std::wstring path_;
  FileHandle writer_;
  std::unique_ptr<Sha256> sha256_;  // only when a digest was expected
  PackageDigest expected_;
  bool created_ = false;
  bool sealed_ = false;
};

}  // namespace lumo
