// Archive bytes of any kind through OpenMemory, then lookups and extractions
// into buffers smaller than, equal to and larger than the entries.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/markup/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto archive = Veneer::ZipArchive::OpenMemory(data, size);
  if (!archive) return 0;
  static const char16_t* const kNames[] = {u"layout.xml", u"MESSAGE.XML", u"picture.png",
                                           u"a\\b.xml", u""};
  std::vector<unsigned char> buffer;
  for (const char16_t* name : kNames) {
    Veneer::ZipEntryInfo info;
    if (!archive->FindEntry(name, &info)) continue;
    // The sizes are the archive's claims: bounded here, as memory is.
    buffer.assign(info.uncompressedSize < (1u << 16) ? info.uncompressedSize : 1u << 16, 0);
    archive->ExtractEntry(info.index, buffer.data(), buffer.size());
  }
  unsigned char small[7];
  for (uint32_t index = 0; index < 8; ++index) {
    archive->ExtractEntry(index, small, sizeof small);
    buffer.assign(4096, 0);
    archive->ExtractEntry(index, buffer.data(), buffer.size());
  }
  return 0;
}
