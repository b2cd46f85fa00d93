// Lets a window create the controls of layout elements that the builder
// does not know.
#pragma once

namespace Veneer {

class CControlUI;

class IDialogBuilderCallback {
 public:
  virtual ~IDialogBuilderCallback() = default;
  // A new control for the element name (the caller owns it), or nullptr to
  // skip the element with everything inside it.
  virtual CControlUI* CreateCustomControl(const wchar_t* elementName) = 0;
};

}  // namespace Veneer
