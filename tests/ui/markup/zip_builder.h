// Writes ZIP archives for the tests, entry by entry, with the knobs the
// reader's checks are about: the method, sizes after the data, bytes in
// front of the archive. The offsets of every record are kept so a test can
// damage exactly the field it means.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Veneer::test {

struct ZipBuilderEntry {
  std::string name;
  std::string data;
  uint16_t method = 8;       // 8: deflated; any other: the data is stored as given
  bool sizesFollow = false;  // CRC and sizes in a descriptor after the data
  uint16_t flags = 0;        // further general-purpose flags
};

struct ZipLayout {
  std::vector<size_t> local;    // offset of each local header
  std::vector<size_t> central;  // offset of each central record
  size_t end = 0;               // offset of the end record
};

class ZipBuilder {
 public:
  ZipBuilder& Add(ZipBuilderEntry entry);
  ZipBuilder& Add(std::string name, std::string data) { return Add({std::move(name), data}); }
  // The archive after `stub`, with `comment` at its end.
  std::string Build(const std::string& stub = "", const std::string& comment = "");
  const ZipLayout& layout() const { return layout_; }

 private:
  std::vector<ZipBuilderEntry> entries_;
  ZipLayout layout_;
};

// Raw deflate, as ZIP entries carry it.
std::string Deflate(const std::string& data);
// Little-endian writes into an archive built above.
void Put16(std::string* archive, size_t offset, uint16_t value);
void Put32(std::string* archive, size_t offset, uint32_t value);

}  // namespace Veneer::test
