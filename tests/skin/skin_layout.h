// The skin archive read as the installer reads it (the ZIP reader over the
// archive's bytes, the markup parser over each layout), each layout turned
// into a tree of controls with the sizes its attributes give them, and the
// pictures those controls draw.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/core/int_rect.h"
#include "ui/markup/zip_archive.h"

namespace Veneer::test {

// The packed archive, read whole from its file.
class SkinArchive {
 public:
  bool Open(const std::string& path);
  // The entry's bytes; false when the archive has no such entry or it fails
  // to extract.
  bool Read(std::wstring_view name, std::vector<unsigned char>* bytes) const;
  size_t size() const { return bytes_.size(); }

 private:
  std::vector<unsigned char> bytes_;
  std::unique_ptr<ZipArchive> zip_;
};

// One element of a layout that makes a control; the root stands for the
// window and has the window's "size".
struct LayoutControl {
  std::wstring element;
  std::vector<std::pair<std::wstring, std::wstring>> attributes;
  // What the layout fixes: "pos" for a floating control, else "width" and
  // "height", else the room a parent that fills that axis leaves inside its
  // inset and the control's padding. 0 where the size comes from stretching
  // or from the content.
  int width = 0;
  int height = 0;
  const LayoutControl* parent = nullptr;
  std::vector<std::unique_ptr<LayoutControl>> children;

  // The value, "" when the attribute is absent.
  std::wstring Attribute(std::wstring_view name) const;
  std::wstring Name() const { return Attribute(L"name"); }
  // This control, then its subtree in document order.
  void Visit(const std::function<void(const LayoutControl&)>& visit) const;
  // The name, or the element when the control has none, with the nearest
  // named ancestor: for messages.
  std::string Describe() const;
};

class Layout {
 public:
  // Reads and parses the layout; on failure `error` says why.
  bool Load(const SkinArchive& archive, std::wstring_view name, std::string* error);
  // The root; its controls point back at it, so it stays where it is when
  // the layout moves.
  const LayoutControl& window() const { return *window_; }
  // Every control of that name.
  std::vector<const LayoutControl*> Find(std::wstring_view name) const;

 private:
  std::unique_ptr<LayoutControl> window_ = std::make_unique<LayoutControl>();
};

// One picture as one control draws it.
struct PictureUse {
  const LayoutControl* control = nullptr;
  std::wstring attribute;
  std::wstring file;
  IntRect source;   // all zero: the whole picture
  IntRect corners;  // all zero: no nine-grid
  // The size it is drawn at: its "dest", else the control's; 0 where the
  // layout leaves the control's size open.
  int width = 0;
  int height = 0;
};

// Every picture that the controls of the layout draw, attribute by attribute.
std::vector<PictureUse> PictureUses(const Layout& layout);

// The names of the attributes that hold image descriptions.
bool IsImageAttribute(std::wstring_view name);

// A picture decoded to 8-bit RGBA, or its frames for an animation.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::vector<unsigned char>> frames;  // RGBA rows, top to bottom
  std::vector<int> delays;                         // per frame, in milliseconds
  // The premultiplied RGBA of one pixel of the first frame.
  std::uint32_t Pixel(int x, int y) const;
  int Alpha(int x, int y) const;
};

bool DecodePicture(const std::vector<unsigned char>& bytes, Picture* picture);

// ASCII as it is, anything else as '?': for messages.
std::string Narrow(std::wstring_view text);

}  // namespace Veneer::test
