// Reading and decoding images into premultiplied 32-bit DIB sections.
#include <cstdint>
#include <vector>

#include "ui/markup/skin_location.h"
#include "ui/render/dib_section.h"
#include "ui/render/pixel_format.h"
#include "ui/render/renderer.h"

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

using Bytes = std::vector<unsigned char>;

// The first source that works: the resource of that type when one is named
// (nothing else then), else the skin's file, else the path itself.
bool ReadImageBytes(const std::wstring& source, const std::wstring& resourceType, Bytes& bytes) {
  const SkinLocation& skin = SkinLocation::Process();
  if (resourceType.empty()) return skin.ReadSkinOrPlainFile(source.c_str(), &bytes);
  const auto id = ResourceIdOf(source);
  return id && skin.ReadResource(resourceType.c_str(), MAKEINTRESOURCEW(*id), &bytes);
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
