// What the accessible objects report about one control of a tree: its
// name, role, states, description, location and the control under a point.
// The root control stands for the window's client area.
#pragma once

#include <windows.h>

#include <string>

#include "ui/core/accessible_traits.h"

namespace Veneer {

class AccessibleTree;
class CControlUI;

// The text the control shows; for a control whose text is its value, the
// label in front of it; for a picture, its tooltip (or nothing).
std::wstring AccessibleName(const AccessibleTree& tree, CControlUI* control);
// The tooltip, when the name did not come from it.
std::wstring AccessibleDescription(const AccessibleTree& tree, CControlUI* control);
LONG AccessibleRole(const AccessibleTree& tree, CControlUI* control);
LONG AccessibleState(const AccessibleTree& tree, CControlUI* control);
// "Alt+K" for a control with a shortcut, else empty.
std::wstring AccessibleShortcut(CControlUI* control);
// The control's rectangle (the client area for the root) on the screen.
RECT ScreenRect(const AccessibleTree& tree, CControlUI* control);
// The deepest exposed control at a client point inside `control`, the
// topmost where controls overlap; nullptr when the point is outside it.
CControlUI* ExposedControlAt(CControlUI* control, POINT point);
// True while the window, or a native child of it, has the keyboard focus.
bool WindowHasFocus(const AccessibleTree& tree);

}  // namespace Veneer
