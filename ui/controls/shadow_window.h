// The drop shadow of a skinned window: a layered, click-through window owned
// by the skinned window, drawn with per-pixel alpha around it (from a
// nine-grid image, or computed from the window's outline) and kept in step
// with it by a hook in its window procedure: it follows moves, resizes,
// minimising and restoring, hiding and showing, and goes with it.
//
// Each paint manager holds one; it becomes a window only when the layout
// asks for a shadow ("showshadow") and the manager attaches a tree. UI thread
// only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/controls/shadow_pixels.h"
#include "ui/controls/shadow_style.h"

namespace Veneer {

class PaintManager;

class CShadowUI {
 public:
  // The class of every shadow window.
  static constexpr wchar_t kWindowClass[] = L"HaldenShadowWnd";

  CShadowUI() = default;
  // Destroys the shadow window and unhooks the parent if it still lives.
  virtual ~CShadowUI();
  CShadowUI(const CShadowUI&) = delete;
  CShadowUI& operator=(const CShadowUI&) = delete;

  // Registers the window class, once per process.
  static bool Initialize(HINSTANCE instance);

  // One attribute of the layout's root element (see shadow_style.h); a
  // visible shadow is redrawn after an accepted change.
  ShadowAttribute ApplyAttribute(const std::wstring& name, const std::wstring& value);
  const ShadowStyle& Style() const { return style_; }

  // Makes the shadow window for the manager's window and hooks the window's
  // procedure; nothing when the layout asks for no shadow or the shadow is
  // already there.
  void Create(PaintManager* manager);
  HWND GetHWND() const { return window_; }
  // Renders the shadow and puts it around `parent`.
  void Update(HWND parent);

  // The shadow of a parent window, or nullptr.
  static CShadowUI* Of(HWND parent);

 private:
  enum Status : BYTE { kEnabled = 1, kVisible = 2, kParentVisible = 4 };

  static LRESULT CALLBACK ParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);
  void Follow(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);
  void FollowSize(HWND parent, WPARAM wParam, LPARAM lParam);
  void FollowShow(WPARAM wParam);
  void Show();
  void Hide(BYTE cleared);
  bool DrawImage(HDC dc, int width, int height);
  void DrawComputed(HWND parent, int parentWidth, int parentHeight, void* bits);
  void Unhook();

  PaintManager* manager_ = nullptr;
  HWND window_ = nullptr;
  HWND parent_ = nullptr;
  WNDPROC parentProc_ = nullptr;
  BYTE status_ = 0;
  ShadowStyle style_;
  LPARAM lastParentSize_ = 0;
  bool updatePending_ = false;
};

}  // namespace Veneer
