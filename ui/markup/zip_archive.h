// A ZIP archive opened for reading: from a file, or from a memory block that
// the caller keeps alive for the archive's lifetime (it is not copied).
//
// Single-disk archives only, with any bytes before the archive (a
// self-extracting stub); entries stored or deflated, neither encrypted nor
// ZIP64. Every offset and size read from the archive is checked against the
// archive's bounds: a damaged archive fails to open or to extract, it never
// makes a read outside the file or the block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/markup/xml_char.h"

namespace Veneer {

// Results of ExtractEntry. Callers take kZipOk and kZipMore alike as
// success (ZipSucceeded); the other values only say why it failed.
enum ZipResult : uint32_t {
  kZipOk = 0,               // the entry ended before the buffer was full
  kZipMore = 0x600,         // the buffer is full (also when the entry filled it exactly)
  kZipNoEntry = 0x100,      // no entry has that index
  kZipUnsupported = 0x200,  // a method other than stored or deflated, or encrypted
  kZipDamaged = 0x300,      // the local header, the sizes or the data are inconsistent
  kZipReadFailed = 0x400,   // the file could not be read
};

inline bool ZipSucceeded(uint32_t result) {
  return result == kZipOk || result == kZipMore;
}

struct ZipEntryInfo {
  uint32_t index = 0;  // in the central directory
  XmlString name;      // the stored name from the ANSI code page, at most 259 units
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
};

class ZipSource;

class ZipArchive {
 public:
  // None when the block holds no readable archive.
  static std::unique_ptr<ZipArchive> OpenMemory(const void* data, size_t size);
#if defined(_WIN32)
  // Opens an existing file for reading, shared with other readers.
  static std::unique_ptr<ZipArchive> OpenFile(const wchar_t* path);
#endif
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // The first entry whose stored name equals `name` converted to the ANSI
  // code page with "\" read as "/", ASCII letters compared without regard to
  // case. Names of 256 units or more are never found.
  bool FindEntry(const XmlChar* name, ZipEntryInfo* info) const;
  // Fills `buffer` with the entry's uncompressed bytes, reading the archive
  // in chunks of 16384 bytes, up to `size` bytes or the entry's end. The
  // CRC-32 of the bytes is not verified.
  uint32_t ExtractEntry(uint32_t index, void* buffer, size_t size) const;
  // Releases the file or the block; the archive then has no entries.
  void Close();

 private:
  struct Entry;
  explicit ZipArchive(std::unique_ptr<ZipSource> source);
  static std::unique_ptr<ZipArchive> Open(std::unique_ptr<ZipSource> source);
  bool ReadDirectory();
  bool ReadEntries(const std::vector<unsigned char>& directory, uint32_t count);
  uint32_t Inflate(const Entry& entry, uint64_t offset, unsigned char* out, size_t size) const;
  uint32_t Copy(const Entry& entry, uint64_t offset, unsigned char* out, size_t size) const;

  std::unique_ptr<ZipSource> source_;
  std::vector<Entry> entries_;
  std::string names_;   // every stored name, back to back
  uint64_t shift_ = 0;  // bytes before the archive
};

}  // namespace Veneer
