// The shared resources of a paint manager: fonts, images, default attribute
// lists and option groups. Lookups fall back to the managers whose resources
// this one shares.
#include <algorithm>

#include "ui/core/paint_manager.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

// Measures with the window's device context, or the screen's before the
// manager has a window.
void Measure(FontRecord& record, HDC windowDc) {
  if (record.metrics.tmHeight != 0) return;
  if (windowDc) {
    FontTable::EnsureMeasured(record, windowDc);
  } else {
    ScopedWindowDc screen(nullptr);
    FontTable::EnsureMeasured(record, screen.get());
  }
}

}  // namespace

HFONT PaintManager::RegisterFont(const FontDescription& description) {
  return fonts_.Register(description, windowDc_.get());
}

bool PaintManager::SetStandardFont(const FontDescription& description) {
  return fonts_.SetStandard(description, windowDc_.get());
}

const FontRecord& PaintManager::DefaultFont() {
  PaintManager& root = ResourceRoot();
  FontRecord& record = root.fonts_.Default();
  Measure(record, root.windowDc_.get());
  return record;
}

const FontRecord& PaintManager::FontRecordOf(int index) {
  FontRecord* record = fonts_.At(index);
  if (!record) return DefaultFont();
  Measure(*record, windowDc_.get());
  return *record;
}

HFONT PaintManager::FindFont(const FontDescription& description) {
  for (PaintManager* manager = this; manager; manager = manager->resourceParent_) {
    if (FontRecord* record = manager->fonts_.Find(description)) return record->font.get();
  }
  return nullptr;
}

const FontRecord& PaintManager::FontRecordOf(HFONT font) {
  for (PaintManager* manager = this; manager; manager = manager->resourceParent_) {
    if (FontRecord* record = manager->fonts_.Of(font)) {
      Measure(*record, manager->windowDc_.get());
      return *record;
    }
  }
  return DefaultFont();
}

const ImageEntry* PaintManager::RegisterImage(const std::wstring& name,
                                              const std::wstring& resourceType, DWORD maskColour) {
  auto entry = CRenderer::LoadImageEntry(name, resourceType, maskColour);
  if (!entry) return nullptr;
  entry->resourceType = resourceType;
  entry->maskColour = maskColour;
  images_.Insert(name, std::move(entry));  // an entry already there is kept
  return images_.Find(name)->get();
}

const ImageEntry* PaintManager::FindImage(const std::wstring& name) {
  for (PaintManager* manager = this; manager; manager = manager->resourceParent_) {
    if (auto* entry = manager->images_.Find(name)) return entry->get();
  }
  return nullptr;
}

void PaintManager::SetDefaultAttributes(const std::wstring& className,
                                        const std::wstring& attributes) {
  defaultAttributes_.Set(className, attributes);
}

const std::wstring* PaintManager::GetDefaultAttributes(const std::wstring& className) {
  for (PaintManager* manager = this; manager; manager = manager->resourceParent_) {
    if (const std::wstring* list = manager->defaultAttributes_.Find(className)) return list;
  }
  return nullptr;
}

bool PaintManager::AddToOptionGroup(const std::wstring& group, CControlUI* option) {
  std::vector<CControlUI*>* members = optionGroups_.Find(group);
  if (!members) {
    optionGroups_.Set(group, {});
    members = optionGroups_.Find(group);
  }
  if (std::find(members->begin(), members->end(), option) != members->end()) return false;
  members->push_back(option);
  return true;
}

void PaintManager::RemoveFromOptionGroup(const std::wstring& group, CControlUI* option) {
  std::vector<CControlUI*>* members = optionGroups_.Find(group);
  if (!members) return;
  members->erase(std::remove(members->begin(), members->end(), option), members->end());
  if (members->empty()) optionGroups_.Remove(group);
}

const std::vector<CControlUI*>* PaintManager::OptionGroupOf(const std::wstring& group) {
  return optionGroups_.Find(group);
}

}  // namespace Veneer
