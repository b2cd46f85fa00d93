// The native editor of an edit control: a superclass of the system "Edit"
// class that lies over the control's text area while it has the focus. It
// closes itself as soon as it loses the keyboard focus, and deletes itself
// when its window is gone.
#pragma once

#include <windows.h>

#include "ui/core/window_wnd.h"
#include "ui/render/gdi_handles.h"

namespace Veneer {

class CEditUI;

class CEditWnd : public CWindowWnd {
 public:
  // Opens the editor of `owner` in its manager's window and gives it the
  // keyboard focus; nullptr when the window can't be created.
  static CEditWnd* Open(CEditUI& owner);
  // Destroys the editor at once without touching its owner (which is
  // going away); the object deletes itself.
  void Abandon();

 protected:
  const wchar_t* WindowClassName() const override { return L"EditWnd"; }
  const wchar_t* SuperclassName() const override { return L"Edit"; }
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowDestroyed(HWND window) override;

 private:
  explicit CEditWnd(CEditUI& owner) : owner_(&owner) {}
  ~CEditWnd() override = default;
  void Initialise();
  LRESULT OnCommand(WPARAM wParam);
  LRESULT OnControlColour(HDC dc);

  CEditUI* owner_;
  ScopedBrush brush_;
  bool initialised_ = false;
};

}  // namespace Veneer
