#include "ui/core/window_impl_base.h"

#include <windowsx.h>

#include "ui/controls/control.h"
#include "ui/core/value_syntax.h"
#include "ui/core/window_attention.h"
#include "ui/core/window_hit_test.h"
#include "ui/markup/layout_builder.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

constexpr wchar_t kLayoutResourceType[] = L"xml";

LRESULT HitTestCode(WindowZone zone) {
  switch (zone) {
    case WindowZone::kLeft: return HTLEFT;
    case WindowZone::kRight: return HTRIGHT;
    case WindowZone::kTop: return HTTOP;
    case WindowZone::kTopLeft: return HTTOPLEFT;
    case WindowZone::kTopRight: return HTTOPRIGHT;
    case WindowZone::kBottom: return HTBOTTOM;
    case WindowZone::kBottomLeft: return HTBOTTOMLEFT;
    case WindowZone::kBottomRight: return HTBOTTOMRIGHT;
    case WindowZone::kClient: break;
  }
  return HTCLIENT;
}

// The base behaviour of most hooks: the message goes on.
LRESULT NotHandled(bool& handled) {
  handled = false;
  return 0;
}

MONITORINFO NearestMonitor(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor;
}

}  // namespace

// Every "click" reaches OnClickNotice.
const NotifyMapEntry WindowImplBase::kNotifyEntries[] = {
    {Notify::kClick, L"", NotifyKind::kNotification, nullptr,
     AsNotifyHandler(&WindowImplBase::OnClickNotice)},
    {},
};
const NotifyMap WindowImplBase::kNotifyMap = {&CNotifyPump::kNotifyMap, kNotifyEntries};

LRESULT WindowImplBase::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kAttentionRegister: Attention::Register(reinterpret_cast<HWND>(lParam)); return 0;
    case kAttentionStart: Attention::Start(GetHWND()); return 0;
    case WM_SETCURSOR:
      if (HIWORD(lParam) == WM_LBUTTONDOWN) Attention::OwnerPressed(GetHWND());
      break;
    default: break;
  }
  bool handled = true;
  LRESULT result = RouteToHook(message, wParam, lParam, handled);
  if (handled) return result;
  handled = false;
  result = OnPrivateMessage(message, wParam, lParam, handled);
  if (handled) return result;
  if (paintManager_.ProcessMessage(message, wParam, lParam, result)) return result;
  return CWindowWnd::RouteWindowMessage(message, wParam, lParam);
}

LRESULT WindowImplBase::RouteToHook(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  using Hook = LRESULT (WindowImplBase::*)(UINT, WPARAM, LPARAM, bool&);
  Hook hook = nullptr;
  switch (message) {
    case WM_CREATE: hook = &WindowImplBase::OnWindowCreate; break;
    case WM_DESTROY: hook = &WindowImplBase::OnDestroy; break;
    case WM_SIZE: hook = &WindowImplBase::OnSize; break;
    case WM_SETFOCUS: hook = &WindowImplBase::OnSetFocus; break;
    case WM_KILLFOCUS: hook = &WindowImplBase::OnKillFocus; break;
    case WM_CLOSE: hook = &WindowImplBase::OnClose; break;
    case WM_ERASEBKGND: hook = &WindowImplBase::OnEraseBkgnd; break;
    case WM_GETMINMAXINFO: hook = &WindowImplBase::OnGetMinMaxInfo; break;
    case WM_NCCALCSIZE: hook = &WindowImplBase::OnNcCalcSize; break;
    case WM_NCHITTEST: hook = &WindowImplBase::OnNcHitTest; break;
    case WM_NCPAINT: hook = &WindowImplBase::OnNcPaint; break;
    case WM_NCACTIVATE: hook = &WindowImplBase::OnNcActivate; break;
    case WM_KEYDOWN: hook = &WindowImplBase::OnKeyDown; break;
    case WM_CHAR: hook = &WindowImplBase::OnChar; break;
    case WM_SYSCOMMAND: hook = &WindowImplBase::OnSysCommand; break;
    case WM_MOUSEMOVE: hook = &WindowImplBase::OnMouseMove; break;
    case WM_LBUTTONDOWN: hook = &WindowImplBase::OnLButtonDown; break;
    case WM_LBUTTONUP: hook = &WindowImplBase::OnLButtonUp; break;
    case WM_MOUSEWHEEL: hook = &WindowImplBase::OnMouseWheel; break;
    case WM_MOUSEHOVER: hook = &WindowImplBase::OnMouseHover; break;
    case WM_MOUSELEAVE: hook = &WindowImplBase::OnMouseLeave; break;
    default: handled = false; return 0;
  }
  return (this->*hook)(message, wParam, lParam, handled);
}

void WindowImplBase::OnWindowDestroyed(HWND) {
  paintManager_.RemoveEarlyMessageHook(this);
  paintManager_.RemoveListener(this);
}

void WindowImplBase::OnNotification(UiNotification& notification) {
  DispatchNotification(notification);
}

LRESULT WindowImplBase::FilterMessage(UINT message, WPARAM wParam, LPARAM, bool&) {
  if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    return OnDefaultKey(wParam);
  }
  return 0;
}

CControlUI* WindowImplBase::CreateCustomControl(const wchar_t*) {
  return nullptr;
}

void WindowImplBase::OnClickNotice(UiNotification& notification) {
  const std::wstring& name = notification.sender ? notification.sender->GetName() : L"";
  const HWND window = GetHWND();
  if (!window) return;
  if (name == L"closebtn") {
    PostMessageW(window, WM_CLOSE, 1, 0);
  } else if (name == L"minbtn") {
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name == L"maxbtn") {
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else if (name == L"restorebtn") {
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  }
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnEraseBkgnd(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 1;
}

// The inactive frame is never drawn.
LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& handled) {
  if (IsIconic(GetHWND())) handled = false;
  return wParam == 0 ? TRUE : FALSE;
}

// The whole window is client area; maximised, it fills the work area.
LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM lParam, bool&) {
  if (!IsZoomed(GetHWND())) return 0;
  const MONITORINFO monitor = NearestMonitor(GetHWND());
  auto* proposed = reinterpret_cast<RECT*>(lParam);
  *proposed = {0, 0, monitor.rcWork.right - monitor.rcWork.left,
               monitor.rcWork.bottom - monitor.rcWork.top};
  return WVR_REDRAW;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&) {
  return 0;
}

// Resize edges from the skin's size box, the caption band drags the window
// except through the controls that take a press themselves.
LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool&) {
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(GetHWND(), &point);
  RECT clientRect;
  GetClientRect(GetHWND(), &clientRect);
  const IntRect client = ToIntRect(clientRect);
  if (!IsZoomed(GetHWND())) {
    const WindowZone zone =
        SizeBoxZone(point.x, point.y, client, ToIntRect(paintManager_.GetSizeBox()));
    if (zone != WindowZone::kClient) return HitTestCode(zone);
  }
  if (InCaptionBand(point.x, point.y, client, ToIntRect(paintManager_.GetCaption()))) {
    CControlUI* control = paintManager_.FindControlAt(point);
    if (control && !TakesPressInCaption(control->UiClassName())) return HTCAPTION;
  }
  return HTCLIENT;
}

// The work area bounds a maximised window; the manager then applies the
// skin's own limits.
LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled) {
  const MONITORINFO monitor = NearestMonitor(GetHWND());
  RECT work = monitor.rcWork;
  OffsetRect(&work, -monitor.rcMonitor.left, -monitor.rcMonitor.top);
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMaxPosition = {work.left, work.top};
  info->ptMaxTrackSize = {work.right - work.left, work.bottom - work.top};
  info->ptMinTrackSize = {paintManager_.GetMinSize().cx, paintManager_.GetMinSize().cy};
  handled = false;
  return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnMouseLeave(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

// The window region follows the size, with the skin's round corners.
LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  const HWND window = GetHWND();
  if (IsIconic(window)) return 0;
  RECT rect;
  GetWindowRect(window, &rect);
  const SIZE corner = paintManager_.GetRoundCorner();
  ScopedRegion region(CreateRoundRectRgn(0, 0, rect.right - rect.left + 1,
                                         rect.bottom - rect.top + 1, corner.cx, corner.cy));
  // The system owns the region once it is the window's.
  if (region && SetWindowRgn(window, region.get(), TRUE)) region.release();
  return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool&) {
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    SendMessageW(GetHWND(), WM_CLOSE, 0, 0);
    return 0;
  }
  return CallPreviousProc(message, wParam, lParam);
}

LRESULT WindowImplBase::OnWindowCreate(UINT, WPARAM, LPARAM, bool&) {
  // 1. No native caption or frame: the whole window is client area.
  const HWND window = GetHWND();
  SetWindowLongW(window, GWL_STYLE, GetStyle() | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  RECT client;
  GetClientRect(window, &client);
  SetWindowPos(window, nullptr, client.left, client.top, client.right - client.left,
               client.bottom - client.top, SWP_FRAMECHANGED | SWP_NOACTIVATE);
  // 2. The manager paints the window and sees its queued messages first.
  paintManager_.AttachWindow(window);
  paintManager_.AddEarlyMessageHook(this);
  // 3, 4. The skin's location; a skin in a missing resource leaves the
  // window empty.
  const std::wstring folder = SkinFolder();
  const std::wstring archive = SkinArchiveName();
  SkinRequest request;
  request.folder = folder.c_str();
  request.kind = SkinSourceKind();
  request.archiveName = archive.c_str();
  request.resourceId = SkinResourceId();
  if (!SkinLocation::Process().PrepareForWindow(request)) return 0;
  // 5, 6. The tree; a window without one can't go on.
  CControlUI* root = BuildSkin();
  if (!root) {
    MessageBoxW(nullptr, kSkinLoadFailed, SkinFileName().c_str(), MB_ICONERROR);
    ExitProcess(1);
  }
  // 7.
  paintManager_.SetRoot(root);
  paintManager_.AddListener(this);
  OnSkinReady();
  return 0;
}

CControlUI* WindowImplBase::BuildSkin() {
  CLayoutBuilder builder;
  const std::wstring file = SkinFileName();
  if (SkinSourceKind() == SkinSource::FromResource) {
    return builder.Build(MAKEINTRESOURCEW(ParseInt(file)), kLayoutResourceType, this,
                         &paintManager_, nullptr);
  }
  return builder.Build(file.c_str(), nullptr, this, &paintManager_, nullptr);
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LRESULT WindowImplBase::OnPrivateMessage(UINT, WPARAM, LPARAM, bool& handled) {
  return NotHandled(handled);
}

LONG WindowImplBase::GetStyle() const {
  return GetWindowLongW(GetHWND(), GWL_STYLE) & ~WS_CAPTION;
}

}  // namespace Veneer
