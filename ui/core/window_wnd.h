// One native window bound to an object: the class is registered on first
// use (the object's own class, or a copy of a system class under a new name),
// the window is created with the object as its creation parameter, and every
// message after WM_NCCREATE reaches the object's RouteWindowMessage.
//
// The object does not own itself: its owner destroys it, typically from
// OnWindowDestroyed, which runs after WM_NCDESTROY has unbound it.
#pragma once

#include <windows.h>

namespace Veneer {

class CWindowWnd {
 public:
  CWindowWnd() = default;
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;

  // Registers the class (an existing class counts as registered) and creates
  // the window; nullptr when either fails.
  HWND Create(HWND parent, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
              int width, int height);

  // Centres the window over its owner, or over the work area of the monitor
  // nearest to it when it has none, keeping it inside that monitor's work
  // area.
  void CenterOnMonitor();

  HWND GetHWND() const { return hwnd_; }

 protected:
  virtual const wchar_t* WindowClassName() const = 0;
  // The system class to copy, or nullptr for a class of the framework's own.
  virtual const wchar_t* SuperclassName() const { return nullptr; }
  virtual UINT WindowClassStyle() const { return 0; }
  // Every message after WM_NCCREATE; the default passes it to the previous
  // window procedure.
  virtual LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // After WM_NCDESTROY: the window is gone and the object unbound.
  virtual void OnWindowDestroyed(HWND window);

 public:
  // Destroys a window that is still there, without routing its last
  // messages to this object.
  virtual ~CWindowWnd();

 protected:
  LRESULT CallPreviousProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  enum class Binding { UserData, Property };

  bool RegisterWindowClass();
  bool RegisterSuperclass();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT Route(Binding binding, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC previousProc_ = ::DefWindowProcW;
};

}  // namespace Veneer
