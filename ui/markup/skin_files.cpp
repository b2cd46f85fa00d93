// Reading skin files through the location: layouts, pictures, animations.
#include <algorithm>

#include "common/scoped_handle.h"
#include "ui/markup/byte_buffer.h"
#include "ui/markup/program_resource.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

SkinRead ReadWholeFile(const std::wstring& path, size_t limit, std::vector<unsigned char>* bytes) {
  lumo::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) return SkinRead::kOpenFailed;
  if (size.QuadPart == 0) return SkinRead::kEmpty;
  // One read of a DWORD's worth at most, whatever the caller's limit.
  if (static_cast<uint64_t>(size.QuadPart) > limit || size.QuadPart > MAXDWORD) {
    return SkinRead::kTooLarge;
  }
  const auto wanted = static_cast<DWORD>(size.QuadPart);
  if (!TryResize(bytes, wanted)) return SkinRead::kShortRead;
  DWORD got = 0;
  if (!ReadFile(file.get(), bytes->data(), wanted, &got, nullptr) || got < wanted) {
    bytes->clear();
    return SkinRead::kShortRead;
  }
  return SkinRead::kDone;
}

}  // namespace

SkinRead SkinLocation::ReadSkinFile(const wchar_t* name, size_t limit,
                                    std::vector<unsigned char>* bytes) const {
  bytes->clear();
  if (!archiveName_.empty()) return ReadFromArchive(name, limit, bytes);
  return ReadWholeFile(resourceFolder_ + name, limit, bytes);
}

// The archive is kept open from the moment it is named: a name whose archive
// could not be opened has no archive at all.
SkinRead SkinLocation::ReadFromArchive(const wchar_t* name, size_t limit,
                                       std::vector<unsigned char>* bytes) const {
  const ZipArchive* archive = archive_.get();
  if (archive == nullptr) return SkinRead::kNoArchive;
  ZipEntryInfo entry;
  if (!archive->FindEntry(name, &entry)) return SkinRead::kNotInArchive;
  if (entry.uncompressedSize == 0) return SkinRead::kEmpty;
  if (entry.uncompressedSize > limit) return SkinRead::kTooLarge;
  if (!TryResize(bytes, entry.uncompressedSize) ||
      !ZipSucceeded(archive->ExtractEntry(entry.index, bytes->data(), bytes->size()))) {
    bytes->clear();
    return SkinRead::kUnzipFailed;
  }
  return SkinRead::kDone;
}

bool SkinLocation::ReadSkinOrPlainFile(const wchar_t* name,
                                       std::vector<unsigned char>* bytes) const {
  return ReadSkinFile(name, SIZE_MAX, bytes) == SkinRead::kDone ||
         ReadWholeFile(name, SIZE_MAX, bytes) == SkinRead::kDone;
}

bool SkinLocation::ReadResource(const wchar_t* type, const wchar_t* id,
                                std::vector<unsigned char>* bytes) const {
  bytes->clear();
  DWORD size = 0;
  const unsigned char* data = LockedResource(ResourceModule(), type, id, &size);
  if (data == nullptr || !TryResize(bytes, size)) return false;
  std::copy(data, data + size, bytes->begin());
  return true;
}

}  // namespace Veneer
