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
LOGFONTW LogicalFont(const FontSpec& spec) {
  LOGFONTW font = StockGuiFont();
  wcsncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
  font.lfFaceName[LF_FACESIZE - 1] = L'\0';
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfHeight = -spec.size;
  if (spec.bold) font.lfWeight += FW_BOLD;
  if (spec.underline) font.lfUnderline = TRUE;
  if (spec.italic) font.lfItalic = TRUE;
  return font;
}

std::unique_ptr<FontRecord> MakeRecord(const LOGFONTW& logical, const FontSpec& spec, HDC dc) {
  auto record = std::make_unique<FontRecord>();
  record->font.reset(CreateFontIndirectW(&logical));
  if (!record->font) return nullptr;
  record->face = spec.face;
  record->size = spec.size;
  record->bold = spec.bold;
  record->underline = spec.underline;
  record->italic = spec.italic;
  if (dc) FontTable::EnsureMeasured(*record, dc);
  return record;
}

}  // namespace

FontTable::FontTable() {
  LOGFONTW logical = StockGuiFont();
  logical.lfCharSet = DEFAULT_CHARSET;
  FontSpec spec;
  spec.face = logical.lfFaceName;
  spec.size = -logical.lfHeight;
  spec.bold = logical.lfWeight >= FW_BOLD;
  spec.underline = logical.lfUnderline != 0;
  spec.italic = logical.lfItalic != 0;
  default_ = MakeRecord(logical, spec, nullptr);
}

HFONT FontTable::Register(const FontSpec& spec, HDC dc) {
  LOGFONTW logical = LogicalFont(spec);
  logical.lfQuality = CLEARTYPE_QUALITY;
  auto record = MakeRecord(logical, spec, dc);
  if (!record) return nullptr;
  fonts_.push_back(std::move(record));
  return fonts_.back()->font.get();
}

bool FontTable::SetStandard(const FontSpec& spec, HDC dc) {
  auto record = MakeRecord(LogicalFont(spec), spec, dc);
  if (!record) return false;
  default_ = std::move(record);
  return true;
}

FontRecord* FontTable::At(int index) {
  return index >= 0 && index < Count() ? fonts_[index].get() : nullptr;
}

FontRecord* FontTable::Find(const FontSpec& spec) {
  for (auto& record : fonts_) {
    if (record->face == spec.face && record->size == spec.size && record->bold == spec.bold &&
        record->underline == spec.underline && record->italic == spec.italic) {
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
