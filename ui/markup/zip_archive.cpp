#include "ui/markup/zip_archive.h"

#include <zlib.h>

#include <algorithm>

#include "ui/markup/byte_buffer.h"
#include "ui/markup/platform_text.h"
#include "ui/markup/zip_source.h"

namespace Veneer {
namespace {

// Record signatures and fixed sizes of the ZIP format.
constexpr uint32_t kEndSignature = 0x06054B50;
constexpr uint32_t kCentralSignature = 0x02014B50;
constexpr uint32_t kLocalSignature = 0x04034B50;
constexpr size_t kEndSize = 22;
constexpr size_t kCentralSize = 46;
constexpr size_t kLocalSize = 30;
// The end record sits in the last 65535 bytes.
constexpr size_t kEndSearch = 65535;

constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kFlagSizesFollow = 0x0008;  // CRC and sizes come after the data
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

constexpr size_t kChunk = 16384;
constexpr size_t kMaxQueryUnits = 255;
constexpr size_t kMaxNameBytes = 259;

uint16_t Read16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Read32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool SameNameIgnoringAsciiCase(const char* stored, const std::string& wanted) {
  for (size_t i = 0; i < wanted.size(); ++i) {
    unsigned char a = static_cast<unsigned char>(stored[i]);
    unsigned char b = static_cast<unsigned char>(wanted[i]);
    if (a >= 'A' && a <= 'Z') a = static_cast<unsigned char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

}  // namespace

struct ZipArchive::Entry {
  uint32_t nameOffset;  // into names_
  uint16_t nameLength;
  uint16_t flags;
  uint16_t method;
  uint32_t crc;
  uint32_t compressedSize;
  uint32_t uncompressedSize;
  uint32_t localOffset;
};

ZipArchive::ZipArchive(std::unique_ptr<ZipSource> source) : source_(std::move(source)) {}
ZipArchive::~ZipArchive() = default;

std::unique_ptr<ZipArchive> ZipArchive::OpenMemory(const void* data, size_t size) {
  return Open(MemorySource(data, size));
}

#if defined(_WIN32)
std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const wchar_t* path) {
  return Open(FileSource(path));
}
#endif

std::unique_ptr<ZipArchive> ZipArchive::Open(std::unique_ptr<ZipSource> source) {
  if (!source) return nullptr;
  std::unique_ptr<ZipArchive> archive(new ZipArchive(std::move(source)));
  if (!archive->ReadDirectory()) return nullptr;
  return archive;
}

void ZipArchive::Close() {
  source_.reset();
  entries_.clear();
  names_.clear();
}

// Finds the end record, scanning back from the end, and reads the central
// directory it points to. Bytes in front of the archive shift every offset.
bool ZipArchive::ReadDirectory() {
  const uint64_t size = source_->Size();
  if (size < kEndSize) return false;
  const size_t tailSize = static_cast<size_t>(std::min<uint64_t>(size, kEndSearch));
  const uint64_t tailStart = size - tailSize;
  std::vector<unsigned char> tail(tailSize);
  if (!source_->Read(tailStart, tail.data(), tailSize)) return false;
  size_t at = tailSize - kEndSize;
  while (Read32(&tail[at]) != kEndSignature) {
    if (at-- == 0) return false;
  }

  const unsigned char* end = &tail[at];
  const uint16_t disk = Read16(end + 4);
  const uint16_t directoryDisk = Read16(end + 6);
  const uint16_t entriesHere = Read16(end + 8);
  const uint16_t entries = Read16(end + 10);
  const uint32_t directorySize = Read32(end + 12);
  const uint32_t directoryOffset = Read32(end + 16);
  if (disk != 0 || directoryDisk != 0 || entriesHere != entries) return false;
  const uint64_t endPosition = tailStart + at;
  const uint64_t directoryEnd = uint64_t{directoryOffset} + directorySize;
  if (directoryEnd > endPosition) return false;
  shift_ = endPosition - directoryEnd;

  std::vector<unsigned char> directory;
  if (!TryResize(&directory, directorySize)) return false;
  if (!source_->Read(directoryOffset + shift_, directory.data(), directorySize)) return false;
  return ReadEntries(directory, entries);
}

// Every record must lie inside the directory: a damaged one fails the open.
bool ZipArchive::ReadEntries(const std::vector<unsigned char>& directory, uint32_t count) {
  entries_.reserve(std::min<size_t>(count, directory.size() / kCentralSize));
  size_t at = 0;
  for (uint32_t i = 0; i < count; ++i) {
    if (directory.size() - at < kCentralSize) return false;
    const unsigned char* record = &directory[at];
    if (Read32(record) != kCentralSignature) return false;
    const uint16_t nameLength = Read16(record + 28);
    const size_t recordSize = kCentralSize + nameLength + Read16(record + 30) + Read16(record + 32);
    if (directory.size() - at < recordSize) return false;
    entries_.push_back({static_cast<uint32_t>(names_.size()), nameLength, Read16(record + 8),
                        Read16(record + 10), Read32(record + 16), Read32(record + 20),
                        Read32(record + 24), Read32(record + 42)});
    names_.append(reinterpret_cast<const char*>(record + kCentralSize), nameLength);
    at += recordSize;
  }
  return true;
}

bool ZipArchive::FindEntry(const XmlChar* name, ZipEntryInfo* info) const {
  size_t length = 0;
  while (name[length] != 0) {
    if (++length > kMaxQueryUnits) return false;
  }
  std::string wanted;
  if (!SystemToAnsi(name, length, kMaxNameBytes, &wanted)) return false;
  std::replace(wanted.begin(), wanted.end(), '\\', '/');
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    const char* stored = names_.data() + entry.nameOffset;
    if (entry.nameLength != wanted.size() || !SameNameIgnoringAsciiCase(stored, wanted)) continue;
    info->index = static_cast<uint32_t>(i);
    info->name = SystemFromAnsi(stored, entry.nameLength);
    if (info->name.size() > kMaxNameBytes) info->name.resize(kMaxNameBytes);
    info->compressedSize = entry.compressedSize;
    info->uncompressedSize = entry.uncompressedSize;
    return true;
  }
  return false;
}

// Checks the local header against the central directory and hands the data
// to the method's reader.
uint32_t ZipArchive::ExtractEntry(uint32_t index, void* buffer, size_t size) const {
  if (index >= entries_.size()) return kZipNoEntry;
  const Entry& entry = entries_[index];
  if ((entry.flags & kFlagEncrypted) || (entry.method != kStored && entry.method != kDeflated)) {
    return kZipUnsupported;
  }
  unsigned char local[kLocalSize];
  const uint64_t localOffset = entry.localOffset + shift_;
  if (!source_->Read(localOffset, local, kLocalSize)) return kZipDamaged;
  if (Read32(local) != kLocalSignature || Read16(local + 8) != entry.method) return kZipDamaged;
  const bool sizesFollow = (Read16(local + 6) & kFlagSizesFollow) != 0;
  if (!sizesFollow &&
      (Read32(local + 14) != entry.crc || Read32(local + 18) != entry.compressedSize ||
       Read32(local + 22) != entry.uncompressedSize)) {
    return kZipDamaged;
  }
  const uint64_t data = localOffset + kLocalSize + Read16(local + 26) + Read16(local + 28);
  if (data > source_->Size() || entry.compressedSize > source_->Size() - data) return kZipDamaged;
  auto out = static_cast<unsigned char*>(buffer);
  return entry.method == kStored ? Copy(entry, data, out, size) : Inflate(entry, data, out, size);
}

uint32_t ZipArchive::Copy(const Entry& entry, uint64_t offset, unsigned char* out,
                          size_t size) const {
  if (entry.compressedSize != entry.uncompressedSize) return kZipDamaged;
  const size_t wanted = std::min<size_t>(size, entry.uncompressedSize);
  for (size_t done = 0; done < wanted;) {
    const size_t chunk = std::min(kChunk, wanted - done);
    if (!source_->Read(offset + done, out + done, chunk)) return kZipReadFailed;
    done += chunk;
  }
  return wanted == size ? kZipMore : kZipOk;
}

// Raw inflate until the buffer is full or the entry's size is produced; the
// stream must deliver that size from the entry's compressed bytes.
uint32_t ZipArchive::Inflate(const Entry& entry, uint64_t offset, unsigned char* out,
                             size_t size) const {
  const size_t wanted = std::min<size_t>(size, entry.uncompressedSize);
  z_stream stream = {};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return kZipDamaged;
  unsigned char chunk[kChunk];
  uint32_t unread = entry.compressedSize;
  uint32_t result = kZipOk;
  stream.next_out = out;
  stream.avail_out = static_cast<uInt>(wanted);
  while (stream.total_out < wanted) {
    if (stream.avail_in == 0) {
      const uInt length = static_cast<uInt>(std::min<size_t>(kChunk, unread));
      if (length == 0 || !source_->Read(offset, chunk, length)) {
        result = length == 0 ? kZipDamaged : kZipReadFailed;
        break;
      }
      offset += length;
      unread -= length;
      stream.next_in = chunk;
      stream.avail_in = length;
    }
    const int status = inflate(&stream, Z_NO_FLUSH);
    if (status == Z_STREAM_END) {
      if (stream.total_out < wanted) result = kZipDamaged;
      break;
    }
    if (status != Z_OK) {
      result = kZipDamaged;
      break;
    }
  }
  inflateEnd(&stream);
  if (result != kZipOk) return result;
  return wanted == size ? kZipMore : kZipOk;
}

}  // namespace Veneer
