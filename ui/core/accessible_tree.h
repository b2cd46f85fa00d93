// A paint manager's control tree as Microsoft Active Accessibility sees it:
// the window's client object (the root control) answers WM_GETOBJECT, every
// visible control that is more than an empty gap is an object below it, and
// the tree raises the WinEvents that screen readers follow.
//
// Child ids: a positive id is the 1-based index among an object's exposed
// children; a negative id is a control's unique id within the window, the
// one carried by the WinEvents (the convention that screen readers expect of
// windows whose children are not native windows).
//
// Objects handed out stay valid COM objects for as long as clients hold
// them; once their control is deleted (or the manager is), they answer
// CO_E_OBJNOTCONNECTED and never reach the control again.
//
// Only the window's (UI) thread uses the tree.
#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "ui/core/accessible_traits.h"

namespace Veneer {

class AccessibleObject;
class CControlUI;
class PaintManager;

class AccessibleTree {
 public:
  explicit AccessibleTree(PaintManager& manager);
  ~AccessibleTree();  // disconnects every object handed out
  AccessibleTree(const AccessibleTree&) = delete;
  AccessibleTree& operator=(const AccessibleTree&) = delete;

  // The answer to WM_GETOBJECT for the client area of the window or, with
  // a control, of a native window that shows it; 0 for other objects (and
  // controls outside the tree), which the system answers.
  LRESULT AnswerGetObject(WPARAM wParam, LPARAM objectId, CControlUI* control = nullptr);
  // NotifyWinEvent for the control (the client object for the root).
  void Raise(CControlUI* control, DWORD event);
  // The control is being deleted: its object is disconnected.
  void Forget(CControlUI* control);

  // The window is a message dialog: its client object becomes a dialog
  // named `text`, and screen readers are told that it opened.
  void AnnounceDialog(const std::wstring& text);

  // accDoDefaultAction: the click happens when the window next handles
  // kActionMessage, so a client's call never waits for what the click does
  // (a modal dialog, for instance).
  void RequestDefaultAction(CControlUI* control);
  static UINT ActionMessage();
  // Handles ActionMessage: focuses and activates the control, as the press
  // and release of the mouse button do.
  void RunDefaultAction(WPARAM uniqueId);

  // --- What the objects ask ---
  PaintManager& Manager() const { return manager_; }
  // The object for a control of the tree (the client object for the root),
  // with a reference added; nullptr for a control outside the tree.
  AccessibleObject* ObjectOf(CControlUI* control);
  // CHILDID_SELF for the root, else the control's negative unique id.
  LONG ChildIdOf(CControlUI* control);
  // The control of a negative unique id, when it is still in the tree.
  CControlUI* ControlOfChildId(LONG childId) const;
  // The root, or a control whose chain of parents reaches it.
  bool IsInTree(const CControlUI* control) const;
  LONG ClientRole() const { return dialog_ ? ROLE_SYSTEM_DIALOG : ROLE_SYSTEM_CLIENT; }
  // The dialog text when announced, else the window's title.
  std::wstring ClientName() const;

 private:
  struct Entry {
    LONG uniqueId = 0;
    AccessibleObject* object = nullptr;  // one reference, created on demand
  };
  Entry& EntryOf(CControlUI* control);
  bool JoinApartment();

  PaintManager& manager_;
  AccessibleObject* client_ = nullptr;  // one reference, created on demand
  std::unordered_map<CControlUI*, Entry> entries_;
  std::unordered_map<LONG, CControlUI*> byId_;
  LONG lastId_ = 0;
  bool dialog_ = false;
  std::wstring dialogText_;
  // Marshalling the objects needs COM on the window's thread.
  bool apartmentTried_ = false;
  HRESULT apartment_ = E_FAIL;
};

// The exposed children of a control, in document order: visible controls
// whose role is not kRoleIgnored.
std::vector<CControlUI*> ExposedChildren(CControlUI* control);

}  // namespace Veneer
