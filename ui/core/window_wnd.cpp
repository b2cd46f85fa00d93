#include "ui/core/window_wnd.h"

#include "ui/core/module_instance.h"
#include "ui/core/window_placement.h"

namespace Veneer {
namespace {

// The window property that binds a superclassed window to its object.
constexpr wchar_t kObjectProperty[] = L"WndX";

bool Registered(ATOM atom) {
  return atom != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CWindowWnd::Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                        int width, int height) {
  const bool registered = SuperclassName() ? RegisterSuperclass() : RegisterWindowClass();
  if (!registered) return nullptr;
  // The handle is stored at WM_NCCREATE. Not here: a window that fails half
  // way is destroyed before CreateWindowExW returns, and its object may
  // delete itself then.
  return CreateWindowExW(exStyle, WindowClassName(), title, style, x, y, width, height, parent,
                         nullptr, ModuleInstance(), this);
}

// A window that outlives its object is unbound first, so that none of its
// messages reaches the object any more, and then destroyed.
CWindowWnd::~CWindowWnd() {
  if (!hwnd_) return;
  const HWND window = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  // The binding's kind is no longer known here, where the object has lost
  // its derived part: undo whichever points to it.
  if (GetPropW(window, kObjectProperty) == this) RemovePropW(window, kObjectProperty);
  if (GetWindowLongPtrW(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  DestroyWindow(window);
}

bool CWindowWnd::RegisterWindowClass() {
  WNDCLASSW wc = {};
  wc.style = WindowClassStyle();
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = WindowClassName();
  return Registered(RegisterClassW(&wc));
}

bool CWindowWnd::RegisterSuperclass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(nullptr, SuperclassName(), &wc) &&
      !GetClassInfoExW(ModuleInstance(), SuperclassName(), &wc)) {
    return false;
  }
  previousProc_ = wc.lpfnWndProc;
  wc.lpfnWndProc = ControlProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = WindowClassName();
  return Registered(RegisterClassExW(&wc));
}

void CWindowWnd::CenterOnMonitor() {
  RECT window;
  GetWindowRect(hwnd_, &window);
  const HWND owner = GetWindow(hwnd_, GW_OWNER);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(owner ? owner : hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  RECT area = work;
  if (owner) GetWindowRect(owner, &area);
  const int x =
      CenteredStart({area.left, area.right}, {work.left, work.right}, window.right - window.left);
  const int y =
      CenteredStart({area.top, area.bottom}, {work.top, work.bottom}, window.bottom - window.top);
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallPreviousProc(message, wParam, lParam);
}

LRESULT CWindowWnd::CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(previousProc_, hwnd_, message, wParam, lParam);
}

void CWindowWnd::OnWindowDestroyed(HWND) {}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Route(Binding::UserData, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Route(Binding::Property, hwnd, message, wParam, lParam);
}

// Binds the object at WM_NCCREATE, routes every later message to it and
// unbinds it at WM_NCDESTROY, after the previous procedure has seen it.
LRESULT CWindowWnd::Route(Binding binding, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* object = nullptr;
  if (message == WM_NCCREATE) {
    object = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    object->hwnd_ = hwnd;
    if (binding == Binding::UserData) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    } else {
      SetPropW(hwnd, kObjectProperty, object);
    }
  } else if (binding == Binding::UserData) {
    object = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  } else {
    object = static_cast<CWindowWnd*>(GetPropW(hwnd, kObjectProperty));
  }
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message != WM_NCDESTROY) return object->RouteWindowMessage(message, wParam, lParam);

  const LRESULT result = object->CallPreviousProc(message, wParam, lParam);
  if (binding == Binding::UserData) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  } else {
    RemovePropW(hwnd, kObjectProperty);
  }
  object->hwnd_ = nullptr;
  object->OnWindowDestroyed(hwnd);
  return result;
}

}  // namespace Veneer
