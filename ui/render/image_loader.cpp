// Reading and decoding images into premultiplied 32-bit DIB sections.
#include <cstdint>
#include <vector>

#include "install/scoped_handle.h"
#include "ui/core/module_instance.h"
#include "ui/render/dib_section.h"
#include "ui/render/pixel_format.h"
#include "ui/render/renderer.h"
#include "ui/render/skin_bytes.h"

#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS 8192  // a skin picture larger than this is hostile
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace Veneer {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool ReadResource(const std::wstring& source, const std::wstring& type, Bytes& bytes) {
  const auto id = ResourceIdOf(source);
  if (!id) return false;
  const HMODULE module = ModuleInstance();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(*id), type.c_str());
  if (!found) return false;
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return false;
  const auto* begin = static_cast<const std::uint8_t*>(data);
  bytes.assign(begin, begin + size);
  return true;
}

bool ReadWholeFile(const std::wstring& path, Bytes& bytes) {
  lumo::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > MAXDWORD) {
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  return ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
         read == bytes.size();
}

// The first source that works: the resource, or the skin, or the path.
bool ReadImageBytes(const std::wstring& source, const std::wstring& resourceType, Bytes& bytes) {
  if (!resourceType.empty()) return ReadResource(source, resourceType, bytes);
  return ReadSkinPicture(source, bytes) || ReadWholeFile(source, bytes);
}

struct DecodedPixels {
  stbi_uc* pixels = nullptr;
  ~DecodedPixels() { stbi_image_free(pixels); }
};

}  // namespace

std::unique_ptr<ImageEntry> CRenderer::LoadImageEntry(const std::wstring& source,
                                                      const std::wstring& resourceType,
                                                      DWORD maskColour) {
  Bytes bytes;
  if (!ReadImageBytes(source, resourceType, bytes) || bytes.size() > INT_MAX) return nullptr;
  int width = 0;
  int height = 0;
  int components = 0;
  DecodedPixels decoded;
  decoded.pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width,
                                         &height, &components, 4);
  Bytes().swap(bytes);
  if (!decoded.pixels) return nullptr;
  auto entry = std::make_unique<ImageEntry>();
  void* bits = nullptr;
  entry->bitmap.reset(CreateTopDownDib(width, height, &bits));
  if (!entry->bitmap) return nullptr;
  entry->width = width;
  entry->height = height;
  entry->hasAlpha =
      ConvertToPremultipliedBgra(decoded.pixels, static_cast<std::size_t>(width) * height,
                                 maskColour, static_cast<std::uint8_t*>(bits));
  return entry;
}

}  // namespace Veneer
