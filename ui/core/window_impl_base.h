// The base of every skinned top-level window. It owns the window's paint
// manager, builds the window's layout when the window is created, listens
// to the manager's notifications and filters its queued messages, makes the
// whole window client area, drags and resizes it from the skin's caption and
// size box, handles the standard system buttons ("closebtn", "minbtn",
// "maxbtn", "restorebtn") and shakes a modal dialog when its disabled owner
// is pressed.
//
// Messages go first to the hook of their message (each decides through its
// `handled` flag), then to OnPrivateMessage, then to the manager, and last to
// the previous window procedure.
#pragma once

#include <windows.h>

#include <string>

#include "ui/core/notify_pump.h"
#include "ui/core/paint_manager.h"
#include "ui/core/window_wnd.h"
#include "ui/markup/dialog_builder_callback.h"
#include "ui/markup/skin_location.h"

namespace Veneer {

// The text of the message box shown when a window's layout can't be built.
inline constexpr wchar_t kSkinLoadFailed[] = L"加载资源失败！";

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
 public:
  WindowImplBase() = default;

  PaintManager& GetPaintManager() { return paintManager_; }

  // INotifyUI: the virtual targets of the notification's virtual window,
  // then this window's notification map. Derived windows that override it
  // call it for the standard handling.
  void OnNotification(UiNotification& notification) override;
  // IMessageFilterUI, the key filter: Return and Escape go to OnDefaultKey
  // and on to the focused control.
  LRESULT FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  // IDialogBuilderCallback: the base knows no custom control.
  CControlUI* CreateCustomControl(const wchar_t* elementName) override;

 protected:
  UINT WindowClassStyle() const override { return CS_DBLCLKS; }
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // After WM_NCDESTROY: the window leaves the manager's filters and listeners.
  void OnWindowDestroyed(HWND window) override;

 public:
  ~WindowImplBase() override = default;

 protected:
  // Once the layout is built and attached.
  virtual void OnSkinReady() {}
  virtual void OnClickNotice(UiNotification& notification);
  // The skin's folder relative to the program's folder.
  virtual std::wstring SkinFolder() const = 0;
  // The layout file, or for SkinSource::FromResource the "xml" resource id
  // in decimal.
  virtual std::wstring SkinFileName() const = 0;
  // The answer of the key filter to Return and Escape.
  virtual LRESULT OnDefaultKey(WPARAM key) { return key == VK_ESCAPE ? 1 : 0; }
  virtual SkinSource SkinSourceKind() const { return SkinSource::FromFolder; }
  virtual std::wstring SkinArchiveName() const { return std::wstring(); }
  // The "ZIPRES" resource of a SkinSource::FromZipResource skin, e.g.
  // MAKEINTRESOURCEW(132).
  virtual const wchar_t* SkinResourceId() const { return nullptr; }

  virtual LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnDestroy(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnEraseBkgnd(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcActivate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcCalcSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcPaint(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnNcHitTest(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnGetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseWheel(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseHover(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseLeave(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnChar(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnWindowCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKeyDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnSetFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonDown(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  // Messages without a hook; the base handles none.
  virtual LRESULT OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  // The window's style without a native caption.
  virtual LONG GetStyle() const;

  static const NotifyMapEntry kNotifyEntries[];
  static const NotifyMap kNotifyMap;
  const NotifyMap& GetNotifyMap() const override { return kNotifyMap; }

  PaintManager paintManager_;

 private:
  // The hook of `message`; handled stays false for messages without one.
  LRESULT RouteToHook(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  CControlUI* BuildSkin();
};

}  // namespace Veneer
