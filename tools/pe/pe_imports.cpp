#include "tools/pe/pe_imports.h"

#include <cstdint>

namespace lumo::pe {
namespace {

constexpr std::uint16_t kPe32 = 0x10b;
constexpr std::uint16_t kPe32Plus = 0x20b;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::size_t kImportDescriptorSize = 20;
constexpr std::size_t kLongestName = 260;

class Image {
 public:
  explicit Image(const std::string& bytes) : bytes_(bytes) {}

  // Little-endian numbers; `ok` turns false for one that leaves the file.
  std::uint32_t U32(std::size_t offset, bool& ok) const {
    return static_cast<std::uint32_t>(Get(offset, 4, ok));
  }
  std::uint16_t U16(std::size_t offset, bool& ok) const {
    return static_cast<std::uint16_t>(Get(offset, 2, ok));
  }

  // Headers: false unless they are those of a PE image and lie in the file.
  bool ReadHeaders() {
    bool ok = true;
    const std::uint32_t pe = U32(0x3c, ok);
    if (!ok || U16(0, ok) != 0x5a4d || U32(pe, ok) != 0x00004550 || !ok) return false;
    const std::size_t coff = static_cast<std::size_t>(pe) + 4;
    sectionCount_ = U16(coff + 2, ok);
    const std::size_t optional = coff + 20;
    sections_ = optional + U16(coff + 16, ok);
    const std::uint16_t magic = U16(optional, ok);
    if (!ok || (magic != kPe32 && magic != kPe32Plus)) return false;
    directoryCount_ = U32(optional + (magic == kPe32 ? 92 : 108), ok);
    directories_ = optional + (magic == kPe32 ? 96 : 112);
    return ok && directories_ + 8 * static_cast<std::uint64_t>(directoryCount_) <= sections_ &&
           sections_ + 40 * static_cast<std::uint64_t>(sectionCount_) <= bytes_.size();
  }

  // The file offset of a relative virtual address, or false.
  bool Offset(std::uint64_t rva, std::size_t& offset) const {
    bool ok = true;
    for (std::size_t i = 0; i < sectionCount_; ++i) {
      const std::size_t section = sections_ + 40 * i;
      const std::uint64_t address = U32(section + 12, ok);
      const std::uint64_t rawSize = U32(section + 16, ok);
      const std::uint64_t rawStart = U32(section + 20, ok);
      if (ok && rva >= address && rva - address < rawSize) {
        const std::uint64_t at = rawStart + (rva - address);
        if (at >= bytes_.size()) return false;
        offset = static_cast<std::size_t>(at);
        return true;
      }
    }
    return false;
  }

  // The directory's start as a file offset; false when it is absent.
  bool Directory(std::uint32_t index, std::size_t& offset) const {
    if (index >= directoryCount_) return false;
    bool ok = true;
    const std::uint32_t rva = U32(directories_ + 8 * index, ok);
    return ok && rva != 0 && Offset(rva, offset);
  }

  bool Name(std::uint64_t rva, std::string& name) const {
    std::size_t at = 0;
    if (!Offset(rva, at)) return false;
    name.clear();
    for (; at < bytes_.size() && name.size() <= kLongestName; ++at) {
      if (bytes_[at] == '\0') return !name.empty();
      name += bytes_[at];
    }
    return false;
  }

 private:
  std::uint64_t Get(std::size_t offset, std::size_t size, bool& ok) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset) {
      ok = false;
      return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
      value = value << 8 | static_cast<unsigned char>(bytes_[offset + i - 1]);
    }
    return value;
  }

  const std::string& bytes_;
  std::size_t sectionCount_ = 0;
  std::size_t sections_ = 0;
  std::size_t directories_ = 0;
  std::uint32_t directoryCount_ = 0;
};

}  // namespace

bool ReadImports(const std::string& bytes, std::vector<std::string>& names) {
  Image image(bytes);
  if (!image.ReadHeaders()) return false;
  names.clear();
  std::size_t at = 0;
  if (!image.Directory(kImportDirectory, at)) return true;  // imports nothing
  // Descriptors follow one another until one whose name field is zero.
  for (;; at += kImportDescriptorSize) {
    bool ok = true;
    const std::uint32_t rva = image.U32(at + 12, ok);
    if (!ok) return false;
    if (rva == 0) return true;
    std::string name;
    if (!image.Name(rva, name)) return false;
    names.push_back(name);
  }
}

}  // namespace lumo::pe
