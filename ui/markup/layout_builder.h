// Turns a layout document into a tree of controls for a window's paint
// manager. The root element never becomes a control: its "Image", "Font"
// and "Default" children register pictures, fonts and default attribute
// lists with the manager, its attributes set the window's properties when it
// is a "Window", and every other element below it becomes the control of
// its name, with the default attribute list of that name and then its own
// attributes. "Include" splices in another layout, built by a builder of its
// own. A builder serves one build.
//
// Layouts are hostile input: controls nest at most kMaxNesting deep (deeper
// elements are skipped with their contents) and one build includes at most
// kMaxIncludes layouts, kMaxIncludeDepth inside each other, so a layout that
// includes itself ends.
#pragma once

#include <windows.h>

#include <string>

#include "ui/markup/dialog_builder_callback.h"
#include "ui/markup/xml_document.h"
#include "ui/markup/xml_node.h"

namespace Veneer {

class CControlUI;
class IContainerUI;
class PaintManager;

class CLayoutBuilder {
 public:
  static constexpr int kMaxNesting = 64;
  static constexpr int kMaxIncludeDepth = 8;
  static constexpr int kMaxIncludes = 256;

  CLayoutBuilder() = default;
  CLayoutBuilder(const CLayoutBuilder&) = delete;
  CLayoutBuilder& operator=(const CLayoutBuilder&) = delete;

  // Loads the layout from `source` and builds it. `source` is a resource id
  // (MAKEINTRESOURCEW) of `resourceType` in the skin's resource module, a
  // text beginning with "<" (the layout itself), or a skin file name. The
  // callback, the manager and the parent may each be null. nullptr when the
  // layout can't be loaded (Document() tells why) or holds no control.
  CControlUI* Build(const wchar_t* source, const wchar_t* resourceType,
                    IDialogBuilderCallback* callback, PaintManager* manager, CControlUI* parent);
  // Builds the document loaded already: the first control created directly
  // under the root element, or nullptr. Without a parent, that control owns
  // the tree (the caller owns it); the later top-level controls are dropped.
  CControlUI* BuildLoaded(IDialogBuilderCallback* callback, PaintManager* manager,
                          CControlUI* parent);

  CXmlDocument& Document() { return document_; }

 private:
  // What a build and the builds it includes may still spend.
  struct Budget {
    int includesLeft = kMaxIncludes;
  };

  // The builder of a layout included at nesting level `nesting`.
  CLayoutBuilder(Budget* budget, int includeDepth, int nesting)
      : budget_(budget), includeDepth_(includeDepth), nesting_(nesting) {}

  bool Load(const wchar_t* source, const wchar_t* resourceType);
  void RegisterResources(CXmlNode root, PaintManager& manager);
  // The first control built at this level.
  CControlUI* BuildChildren(CXmlNode node, CControlUI* parent, PaintManager* manager, int depth);
  CControlUI* BuildControl(CXmlNode element, CControlUI* parent, PaintManager* manager, int depth);
  // The controls of an "Include" join `parent`; without a parent, the first
  // included control.
  CControlUI* BuildInclude(CXmlNode element, CControlUI* parent, PaintManager* manager, int depth);
  CControlUI* CreateControl(const XmlChar* name);

  CXmlDocument document_;
  IDialogBuilderCallback* callback_ = nullptr;
  bool fromResource_ = false;
  std::wstring resourceType_;
  Budget ownBudget_;
  Budget* budget_ = &ownBudget_;
  int includeDepth_ = 0;
  int nesting_ = 1;  // of the controls directly under the root element
};

}  // namespace Veneer
