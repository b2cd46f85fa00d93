// The vocabulary shared by the paint manager and the control tree: control
// flags, tree search, and the container interface. The control's own virtual
// operations are declared with CControlUI (ui/controls/control.h).
#pragma once

#include <windows.h>

namespace Veneer {

class CControlUI;

// Bits of CControlUI::GetFlags.
constexpr UINT TabStop = 0x1;     // takes part in Tab navigation
constexpr UINT SetsCursor = 0x2;  // sets the mouse cursor itself on the set-cursor event

// Flags of CControlUI::SearchTree.
constexpr UINT FindVisible = 0x1;
constexpr UINT FindEnabled = 0x2;
constexpr UINT FindHitTest = 0x4;         // the data points to a POINT
constexpr UINT FindTopFirst = 0x8;        // children last to first
constexpr UINT FindMeFirst = 0x80000000;  // containers before their children

// Returns the control that ends the search, or nullptr to go on.
using ControlVisitor = CControlUI* (*)(CControlUI* control, void* data);

// What a container offers besides being a control. AddChild and
// InsertChildAt take ownership of the child when they succeed; the remove
// operations delete the child (at once or through the manager's delayed
// cleanup).
class IContainerUI {
 public:
  virtual ~IContainerUI() = default;
  virtual CControlUI* ChildAt(int index) const = 0;       // nullptr when out of range
  virtual int ChildIndexOf(CControlUI* child) const = 0;  // -1 when absent
  virtual bool MoveChildTo(CControlUI* child, int index) = 0;
  virtual int ChildCount() const = 0;
  virtual bool AddChild(CControlUI* child) = 0;
  virtual bool InsertChildAt(CControlUI* child, int index) = 0;
  virtual bool RemoveChild(CControlUI* child) = 0;
  virtual bool RemoveChildAt(int index) = 0;
  virtual void RemoveAllChildren() = 0;
};

}  // namespace Veneer
