#include "ui/markup/layout_builder.h"

#include <cwchar>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/container.h"
#include "ui/controls/control.h"
#include "ui/controls/edit.h"
#include "ui/controls/gif_anim.h"
#include "ui/controls/horizontal_layout.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/markup/layout_window_attributes.h"
#include "ui/markup/skin_location.h"

namespace Veneer {
namespace {

// The longest "source" of an "Include" that is read.
constexpr size_t kMaxIncludeSource = 499;

template <typename Control>
CControlUI* Make() {
  return new Control;
}

struct ElementClass {
  std::wstring_view name;
  CControlUI* (*create)();
};

const ElementClass kElementClasses[] = {
    {L"Control", Make<CControlUI>},
    {L"Container", Make<CContainerUI>},
    {L"VerticalLayout", Make<CVerticalLayoutUI>},
    {L"HorizontalLayout", Make<CHorizontalLayoutUI>},
    {L"TabLayout", Make<CTabLayoutUI>},
    {L"Label", Make<CLabelUI>},
    {L"Button", Make<CButtonUI>},
    {L"Option", Make<COptionUI>},
    {L"CheckBox", Make<CCheckBoxUI>},
    {L"Edit", Make<CEditUI>},
    {L"Progress", Make<CProgressUI>},
    {L"GifAnim", Make<CGifAnimUI>},
};

bool IsResourceElement(std::wstring_view name) {
  return name == L"Image" || name == L"Font" || name == L"Default";
}

// A control that is not kept is deleted attached to the manager, so that
// the manager forgets whatever its subtree registered while it was built.
void Discard(CControlUI* control, PaintManager* manager) {
  if (manager) control->Attach(manager, nullptr, false);
  delete control;
}

struct Attributes {
  explicit Attributes(CXmlNode node) : node_(node) {}
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (int i = 0; i < node_.AttributeCount(); ++i) {
      visit(std::wstring_view(node_.AttributeName(i)), std::wstring(node_.AttributeValue(i)));
    }
  }
  CXmlNode node_;
};

void RegisterImage(CXmlNode element, PaintManager& manager) {
  std::wstring name, resourceType;
  DWORD mask = 0;
  Attributes(element).ForEach([&](std::wstring_view attribute, const std::wstring& value) {
    if (attribute == L"name") name = value;
    if (attribute == L"restype") resourceType = value;
    if (attribute == L"mask") mask = ParseColour(value);
  });
  if (!name.empty()) manager.RegisterImage(name, resourceType, mask);
}

void RegisterFont(CXmlNode element, PaintManager& manager) {
  FontDescription font;
  font.size = 12;
  bool isDefault = false;
  Attributes(element).ForEach([&](std::wstring_view attribute, const std::wstring& value) {
    if (attribute == L"name") font.face = value;
    if (attribute == L"size") font.size = ParseInt(value);
    if (attribute == L"bold") font.bold = ParseBool(value);
    if (attribute == L"underline") font.underline = ParseBool(value);
    if (attribute == L"italic") font.italic = ParseBool(value);
    if (attribute == L"default") isDefault = ParseBool(value);
  });
  if (font.face.empty()) return;
  manager.RegisterFont(font);
  if (isDefault) manager.SetStandardFont(font);
}

// The first list of a name is kept.
void RegisterDefault(CXmlNode element, PaintManager& manager) {
  std::wstring name, value;
  Attributes(element).ForEach([&](std::wstring_view attribute, const std::wstring& text) {
    if (attribute == L"name") name = text;
    if (attribute == L"value") value = text;
  });
  if (!name.empty() && !manager.GetDefaultAttributes(name)) {
    manager.SetDefaultAttributes(name, value);
  }
}

}  // namespace

CControlUI* CLayoutBuilder::Build(const wchar_t* source, const wchar_t* resourceType,
                                  IDialogBuilderCallback* callback, PaintManager* manager,
                                  CControlUI* parent) {
  if (!Load(source, resourceType)) return nullptr;
  return BuildLoaded(callback, manager, parent);
}

bool CLayoutBuilder::Load(const wchar_t* source, const wchar_t* resourceType) {
  if (!source) return false;
  if (IS_INTRESOURCE(source)) {
    fromResource_ = true;
    resourceType_ = resourceType ? resourceType : L"";
    std::vector<unsigned char> bytes;
    if (!SkinLocation::Process().ReadResource(resourceType_.c_str(), source, &bytes)) return false;
    return document_.LoadUtf8(bytes.data(), bytes.size());
  }
  if (source[0] == L'<') return document_.LoadText(source);
  return document_.LoadSkinFile(source);
}

CControlUI* CLayoutBuilder::BuildLoaded(IDialogBuilderCallback* callback, PaintManager* manager,
                                        CControlUI* parent) {
  callback_ = callback;
  const CXmlNode root = document_.Root();
  if (!root.IsLoaded()) return nullptr;
  if (manager) {
    RegisterResources(root, *manager);
    if (std::wstring_view(root.Name()) == L"Window" && manager->GetWindow()) {
      Attributes(root).ForEach([&](std::wstring_view name, const std::wstring& value) {
        ApplyWindowAttribute(*manager, name, value);
      });
    }
  }
  return BuildChildren(root, parent, manager, nesting_);
}

void CLayoutBuilder::RegisterResources(CXmlNode root, PaintManager& manager) {
  for (CXmlNode element = root.FirstChild(); element.IsLoaded(); element = element.NextSibling()) {
    const std::wstring_view name = element.Name();
    if (name == L"Image") {
      RegisterImage(element, manager);
    } else if (name == L"Font") {
      RegisterFont(element, manager);
    } else if (name == L"Default") {
      RegisterDefault(element, manager);
    }
  }
}

CControlUI* CLayoutBuilder::BuildChildren(CXmlNode node, CControlUI* parent, PaintManager* manager,
                                          int depth) {
  IContainerUI* container = nullptr;
  bool containerLooked = false;
  CControlUI* first = nullptr;
  for (CXmlNode element = node.FirstChild(); element.IsLoaded(); element = element.NextSibling()) {
    const std::wstring_view name = element.Name();
    if (IsResourceElement(name)) continue;
    // Without a parent only the first control has an owner.
    if (!parent && first) break;
    if (name == L"Include") {
      CControlUI* included = BuildInclude(element, parent, manager, depth);
      if (!first) first = included;
      continue;
    }
    std::unique_ptr<CControlUI> control(CreateControl(element.Name()));
    if (!control) continue;
    if (element.HasChildren() && depth < kMaxNesting) {
      BuildChildren(element, control.get(), manager, depth + 1);
    }
    if (parent) {
      if (!containerLooked) {
        container = InterfaceOf<IContainerUI>(parent, L"IContainer");
        containerLooked = true;
      }
      if (!container) {
        Discard(control.release(), manager);
        break;
      }
      if (!container->AddChild(control.get())) {
        Discard(control.release(), manager);
        continue;
      }
    }
    CControlUI* built = control.release();
    if (manager) {
      built->Attach(manager, built->GetParent(), false);
      if (const std::wstring* defaults = manager->GetDefaultAttributes(std::wstring(name))) {
        built->ApplyAttributeText(*defaults);
      }
    }
    Attributes(element).ForEach([&](std::wstring_view attribute, const std::wstring& value) {
      built->ApplyAttribute(std::wstring(attribute), value);
    });
    if (manager) built->Attach(nullptr, built->GetParent(), false);
    if (!first) first = built;
  }
  return first;
}

CControlUI* CLayoutBuilder::BuildInclude(CXmlNode element, CControlUI* parent,
                                         PaintManager* manager, int depth) {
  if (element.AttributeCount() == 0) return nullptr;
  XmlChar source[kMaxIncludeSource + 1] = {};
  if (!element.FindAttribute(L"source", source, kMaxIncludeSource)) return nullptr;
  XmlChar countText[16] = {};
  const int count = element.FindAttribute(L"count", countText, 15) ? ParseInt(countText) : 1;
  CControlUI* first = nullptr;
  for (int i = 0; i < count; ++i) {
    if (includeDepth_ >= kMaxIncludeDepth || budget_->includesLeft <= 0) break;
    --budget_->includesLeft;
    CLayoutBuilder included(budget_, includeDepth_ + 1, depth);
    const wchar_t* type = fromResource_ ? resourceType_.c_str() : nullptr;
    const wchar_t* from =
        fromResource_ ? MAKEINTRESOURCEW(ParseInt(source)) : static_cast<const wchar_t*>(source);
    CControlUI* control = included.Build(from, type, callback_, manager, parent);
    if (!parent) {
      // Without a parent the first included control is this level's.
      first = control;
      break;
    }
  }
  return first;
}

CControlUI* CLayoutBuilder::CreateControl(const XmlChar* name) {
  for (const ElementClass& element : kElementClasses) {
    if (element.name == name) return element.create();
  }
  return callback_ ? callback_->CreateCustomControl(name) : nullptr;
}

}  // namespace Veneer
