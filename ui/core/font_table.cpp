#include "ui/core/font_table.h"

#include <cwchar>

namespace Veneer {
namespace {

LOGFONTW StockGuiFont() {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  return font;
}

// The stock GUI font changed as the skin asks; the face name is cut to the
// 31 characters a logical font holds.
LOGFONTW LogicalFont(const FontDescription& description) {
  LOGFONTW font = StockGuiFont();
  wcsncpy(font.lfFaceName, description.face.c_str(), LF_FACESIZE - 1);
  font.lfFaceName[LF_FACESIZE - 1] = L'\0';
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfHeight = -description.size;
  if (description.bold) font.lfWeight += FW_BOLD;
  if (description.underline) font.lfUnderline = TRUE;
  if (description.italic) font.lfItalic = TRUE;
  return font;
}

std::unique_ptr<FontRecord> MakeRecord(const LOGFONTW& logical, const FontDescription& description,
                                       HDC dc) {
  auto record = std::make_unique<FontRecord>();
  record->font.reset(CreateFontIndirectW(&logical));
  if (!record->font) return nullptr;
  record->face = description.face;
  record->size = description.size;
  record->bold = description.bold;
  record->underline = description.underline;
  record->italic = description.italic;
  if (dc) FontTable::EnsureMeasured(*record, dc);
  return record;
}

}  // namespace

FontTable::FontTable() {
  LOGFONTW logical = StockGuiFont();
  logical.lfCharSet = DEFAULT_CHARSET;
  FontDescription description;
  description.face = logical.lfFaceName;
  description.size = -logical.lfHeight;
  description.bold = logical.lfWeight >= FW_BOLD;
  description.underline = logical.lfUnderline != 0;
  description.italic = logical.lfItalic != 0;
  default_ = MakeRecord(logical, description, nullptr);
  // Out of GDI objects: a record without a font, so text is drawn in the
  // device context's own font.
  if (!default_) default_ = std::make_unique<FontRecord>();
}

HFONT FontTable::Register(const FontDescription& description, HDC dc) {
  LOGFONTW logical = LogicalFont(description);
  logical.lfQuality = CLEARTYPE_QUALITY;
  auto record = MakeRecord(logical, description, dc);
  if (!record) return nullptr;
  fonts_.push_back(std::move(record));
  return fonts_.back()->font.get();
}

bool FontTable::SetStandard(const FontDescription& description, HDC dc) {
  auto record = MakeRecord(LogicalFont(description), description, dc);
  if (!record) return false;
  default_ = std::move(record);
  return true;
}

FontRecord* FontTable::At(int index) {
  return index >= 0 && index < Count() ? fonts_[index].get() : nullptr;
}

FontRecord* FontTable::Find(const FontDescription& description) {
  for (auto& record : fonts_) {
    if (record->face == description.face && record->size == description.size &&
        record->bold == description.bold && record->underline == description.underline &&
        record->italic == description.italic) {
      return record.get();
    }
  }
  return nullptr;
}

FontRecord* FontTable::Of(HFONT font) {
  if (default_->font.get() == font) return default_.get();
  for (auto& record : fonts_) {
    if (record->font.get() == font) return record.get();
  }
  return nullptr;
}

void FontTable::EnsureMeasured(FontRecord& record, HDC dc) {
  if (record.metrics.tmHeight != 0) return;
  ScopedSelect select(dc, record.font.get());
  GetTextMetricsW(dc, &record.metrics);
}

}  // namespace Veneer
