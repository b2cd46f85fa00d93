#include "tests/skin/skin_layout.h"

// The skin's pictures are PNG files and one GIF animation.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#include <stb_image.h>

#include <fstream>
#include <iterator>

#include "ui/core/value_syntax.h"
#include "ui/markup/xml_document.h"
#include "ui/markup/xml_node.h"
#include "ui/render/image_description.h"

namespace Veneer::test {
namespace {

// Stands for a size the layout leaves open, large enough that no "dest"
// reaches it.
constexpr int kOpen = 1 << 20;

std::wstring Wide(const XmlChar* text) {
  std::wstring wide;
  for (; *text != 0; ++text) wide += static_cast<wchar_t>(*text);
  return wide;
}

XmlString Units(std::wstring_view text) {
  return XmlString(text.begin(), text.end());
}

bool IsResourceElement(std::wstring_view element) {
  return element == L"Font" || element == L"Default" || element == L"Image" ||
         element == L"Include";
}

void ReadAttributes(const CXmlNode& node, LayoutControl* control) {
  for (int i = 0; i < node.AttributeCount(); ++i) {
    control->attributes.emplace_back(Wide(node.AttributeName(i)), Wide(node.AttributeValue(i)));
  }
}

// The size as the layout fixes it; see LayoutControl.
void Measure(LayoutControl* control) {
  if (ParseBool(control->Attribute(L"float"))) {
    const IntRect pos = ParseIntRect(control->Attribute(L"pos"));
    control->width = pos.Width();
    control->height = pos.Height();
    return;
  }
  control->width = ParseInt(control->Attribute(L"width"));
  control->height = ParseInt(control->Attribute(L"height"));
  const LayoutControl& parent = *control->parent;
  const IntRect inset = ParseIntRect(parent.Attribute(L"inset"));
  const IntRect padding = ParseIntRect(control->Attribute(L"padding"));
  // A vertical layout stretches its children's heights and a horizontal one
  // their widths; every container fills the other axis.
  if (control->width == 0 && parent.width > 0 && parent.element != L"HorizontalLayout") {
    control->width = parent.width - inset.left - inset.right - padding.left - padding.right;
  }
  if (control->height == 0 && parent.height > 0 && parent.element != L"VerticalLayout") {
    control->height = parent.height - inset.top - inset.bottom - padding.top - padding.bottom;
  }
}

void ReadChildren(const CXmlNode& node, LayoutControl* parent) {
  for (CXmlNode child = node.FirstChild(); child.IsLoaded(); child = child.NextSibling()) {
    auto control = std::make_unique<LayoutControl>();
    control->element = Wide(child.Name());
    if (IsResourceElement(control->element)) continue;
    control->parent = parent;
    ReadAttributes(child, control.get());
    Measure(control.get());
    ReadChildren(child, control.get());
    parent->children.push_back(std::move(control));
  }
}

}  // namespace

bool SkinArchive::Open(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  bytes_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  zip_ = ZipArchive::OpenMemory(bytes_.data(), bytes_.size());
  return zip_ != nullptr;
}

bool SkinArchive::Read(std::wstring_view name, std::vector<unsigned char>* bytes) const {
  ZipEntryInfo info;
  if (!zip_->FindEntry(Units(name).c_str(), &info)) return false;
  bytes->resize(info.uncompressedSize);
  return ZipSucceeded(zip_->ExtractEntry(info.index, bytes->data(), bytes->size()));
}

std::wstring LayoutControl::Attribute(std::wstring_view name) const {
  for (const auto& [key, value] : attributes) {
    if (key == name) return value;
  }
  return std::wstring();
}

void LayoutControl::Visit(const std::function<void(const LayoutControl&)>& visit) const {
  visit(*this);
  for (const auto& child : children) child->Visit(visit);
}

std::string LayoutControl::Describe() const {
  std::string described = Name().empty() ? Narrow(element) : "\"" + Narrow(Name()) + "\"";
  for (const LayoutControl* up = parent; up != nullptr; up = up->parent) {
    if (!up->Name().empty()) return described + " in \"" + Narrow(up->Name()) + "\"";
  }
  return described;
}

bool Layout::Load(const SkinArchive& archive, std::wstring_view name, std::string* error) {
  std::vector<unsigned char> bytes;
  if (!archive.Read(name, &bytes)) {
    *error = "not in the archive";
    return false;
  }
  CXmlDocument document;
  if (!document.LoadUtf8(bytes.data(), bytes.size())) {
    *error =
        Narrow(Wide(document.ErrorMessage())) + " at " + Narrow(Wide(document.ErrorLocation()));
    return false;
  }
  const CXmlNode root = document.Root();
  window_ = std::make_unique<LayoutControl>();
  window_->element = Wide(root.Name());
  ReadAttributes(root, window_.get());
  int size[2] = {};
  ParseIntList(window_->Attribute(L"size"), size, 2);
  window_->width = size[0];
  window_->height = size[1];
  ReadChildren(root, window_.get());
  return true;
}

std::vector<const LayoutControl*> Layout::Find(std::wstring_view name) const {
  std::vector<const LayoutControl*> found;
  window_->Visit([&](const LayoutControl& control) {
    if (control.Name() == name) found.push_back(&control);
  });
  return found;
}

bool IsImageAttribute(std::wstring_view name) {
  static const wchar_t* const kNames[] = {
      L"bkimage",          L"normalimage",   L"hotimage",         L"pushedimage",
      L"focusedimage",     L"disabledimage", L"foreimage",        L"hotforeimage",
      L"pushedforeimage",  L"selectedimage", L"selectedhotimage", L"selectedpushedimage",
      L"selectedforeimage"};
  for (const wchar_t* known : kNames) {
    if (name == known) return true;
  }
  return false;
}

std::vector<PictureUse> PictureUses(const Layout& layout) {
  std::vector<PictureUse> uses;
  layout.window().Visit([&](const LayoutControl& control) {
    const IntRect rect = {0, 0, control.width > 0 ? control.width : kOpen,
                          control.height > 0 ? control.height : kOpen};
    for (const auto& [attribute, value] : control.attributes) {
      if (!IsImageAttribute(attribute)) continue;
      for (const ImageDraw& draw : ParseImageDescription(value, L"", rect)) {
        PictureUse use;
        use.control = &control;
        use.attribute = attribute;
        use.file = draw.name;
        use.source = draw.source;
        use.corners = draw.corners;
        use.width = draw.dest.Width() < kOpen ? draw.dest.Width() : 0;
        use.height = draw.dest.Height() < kOpen ? draw.dest.Height() : 0;
        uses.push_back(use);
      }
    }
  });
  return uses;
}

std::uint32_t Picture::Pixel(int x, int y) const {
  const unsigned char* p = &frames[0][(static_cast<size_t>(y) * width + x) * 4];
  const auto premultiply = [&](int channel) {
    return static_cast<std::uint32_t>(channel * p[3] / 255);
  };
  return static_cast<std::uint32_t>(p[3]) << 24 | premultiply(p[0]) << 16 | premultiply(p[1]) << 8 |
         premultiply(p[2]);
}

int Picture::Alpha(int x, int y) const {
  return frames[0][(static_cast<size_t>(y) * width + x) * 4 + 3];
}

bool DecodePicture(const std::vector<unsigned char>& bytes, Picture* picture) {
  const auto* data = bytes.data();
  const int size = static_cast<int>(bytes.size());
  int frameCount = 1;
  int* delays = nullptr;
  int components = 0;
  stbi_uc* pixels =
      bytes.size() >= 4 && std::string_view(reinterpret_cast<const char*>(data), 4) == "GIF8"
          ? stbi_load_gif_from_memory(data, size, &delays, &picture->width, &picture->height,
                                      &frameCount, &components, 4)
          : stbi_load_from_memory(data, size, &picture->width, &picture->height, &components, 4);
  if (pixels == nullptr) return false;
  const size_t frameBytes = static_cast<size_t>(picture->width) * picture->height * 4;
  for (int frame = 0; frame < frameCount; ++frame) {
    picture->frames.emplace_back(pixels + frame * frameBytes, pixels + (frame + 1) * frameBytes);
    picture->delays.push_back(delays != nullptr ? delays[frame] : 0);
  }
  stbi_image_free(pixels);
  stbi_image_free(delays);
  return true;
}

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  return narrow;
}

}  // namespace Veneer::test
