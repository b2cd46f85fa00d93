#include "tests/ui/markup/zip_builder.h"

#include <zlib.h>

namespace Veneer::test {
namespace {

void Append16(std::string* out, uint32_t value) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Append32(std::string* out, uint32_t value) {
  Append16(out, value & 0xFFFF);
  Append16(out, value >> 16);
}

struct Packed {
  std::string bytes;
  uint32_t crc;
  uint16_t flags;
};

Packed Pack(const ZipBuilderEntry& entry) {
  const auto* data = reinterpret_cast<const Bytef*>(entry.data.data());
  const uint32_t crc = static_cast<uint32_t>(crc32(0, data, static_cast<uInt>(entry.data.size())));
  const uint16_t flags = static_cast<uint16_t>(entry.flags | (entry.sizesFollow ? 0x0008 : 0));
  return {entry.method == 8 ? Deflate(entry.data) : entry.data, crc, flags};
}

// The fields local headers and central records share, from "version needed"
// to the name's length.
void AppendCommon(std::string* out, const ZipBuilderEntry& entry, const Packed& packed,
                  bool inLocalHeader) {
  const bool hideSizes = inLocalHeader && entry.sizesFollow;
  Append16(out, 20);
  Append16(out, packed.flags);
  Append16(out, entry.method);
  Append32(out, 0x00210000);  // 1 January 1980
  Append32(out, hideSizes ? 0 : packed.crc);
  Append32(out, hideSizes ? 0 : static_cast<uint32_t>(packed.bytes.size()));
  Append32(out, hideSizes ? 0 : static_cast<uint32_t>(entry.data.size()));
  Append16(out, static_cast<uint32_t>(entry.name.size()));
}

}  // namespace

std::string Deflate(const std::string& data) {
  z_stream stream = {};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

ZipBuilder& ZipBuilder::Add(ZipBuilderEntry entry) {
  entries_.push_back(std::move(entry));
  return *this;
}

std::string ZipBuilder::Build(const std::string& stub, const std::string& comment) {
  layout_ = {};
  std::string out = stub;
  std::string directory;
  for (const ZipBuilderEntry& entry : entries_) {
    const Packed packed = Pack(entry);
    const size_t local = out.size();
    layout_.local.push_back(local);
    Append32(&out, 0x04034B50);
    AppendCommon(&out, entry, packed, true);
    Append16(&out, 0);  // extra field
    out += entry.name + packed.bytes;
    if (entry.sizesFollow) {
      Append32(&out, 0x08074B50);
      Append32(&out, packed.crc);
      Append32(&out, static_cast<uint32_t>(packed.bytes.size()));
      Append32(&out, static_cast<uint32_t>(entry.data.size()));
    }
    layout_.central.push_back(directory.size());
    Append32(&directory, 0x02014B50);
    Append16(&directory, 20);  // made by
    AppendCommon(&directory, entry, packed, false);
    Append16(&directory, 0);  // extra field
    Append16(&directory, 0);  // comment
    Append32(&directory, 0);  // disk, internal attributes
    Append32(&directory, 0);  // external attributes
    Append32(&directory, static_cast<uint32_t>(local - stub.size()));
    directory += entry.name;
  }
  const size_t directoryOffset = out.size();
  for (size_t& central : layout_.central) central += directoryOffset;
  out += directory;
  layout_.end = out.size();
  Append32(&out, 0x06054B50);
  Append32(&out, 0);  // this disk, the directory's disk
  Append16(&out, static_cast<uint32_t>(entries_.size()));
  Append16(&out, static_cast<uint32_t>(entries_.size()));
  Append32(&out, static_cast<uint32_t>(directory.size()));
  Append32(&out, static_cast<uint32_t>(directoryOffset - stub.size()));
  Append16(&out, static_cast<uint32_t>(comment.size()));
  return out + comment;
}

void Put16(std::string* archive, size_t offset, uint16_t value) {
  (*archive)[offset] = static_cast<char>(value & 0xFF);
  (*archive)[offset + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string* archive, size_t offset, uint32_t value) {
  Put16(archive, offset, static_cast<uint16_t>(value & 0xFFFF));
  Put16(archive, offset + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace Veneer::test
