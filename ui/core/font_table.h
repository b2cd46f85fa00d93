// The fonts of a paint manager: the default font and the skin's fonts in the
// order they were registered, numbered from 0. Each record owns its font.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/render/gdi_handles.h"

namespace Veneer {

struct FontRecord {
  ScopedFont font;
  std::wstring face;
  int size = 0;  // the font height in pixels
  bool bold = false;
  bool underline = false;
  bool italic = false;
  TEXTMETRICW metrics = {};  // a zero height: not measured yet
};

struct FontDescription {
  std::wstring face;
  int size = 0;
  bool bold = false;
  bool underline = false;
  bool italic = false;
};

class FontTable {
 public:
  // Starts with the system GUI font as the default font.
  FontTable();

  // Appends a font; its metrics are measured at once when `dc` is given.
  // nullptr when the font can't be created.
  HFONT Register(const FontDescription& description, HDC dc);
  // Replaces the default font; false (nothing changed) when the font can't
  // be created.
  bool SetStandard(const FontDescription& description, HDC dc);

  int Count() const { return static_cast<int>(fonts_.size()); }
  FontRecord* At(int index);  // nullptr outside the table
  FontRecord& Default() { return *default_; }
  FontRecord* Find(const FontDescription& description);  // exact match of every field
  FontRecord* Of(HFONT font);

  // Fills the metrics of a record that has none yet.
  static void EnsureMeasured(FontRecord& record, HDC dc);

 private:
  std::unique_ptr<FontRecord> default_;
  std::vector<std::unique_ptr<FontRecord>> fonts_;
};

}  // namespace Veneer
