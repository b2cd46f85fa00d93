// A skinned window for the framework's tests: a WindowImplBase whose layout
// is given as text (or a file name, or a resource), shown without
// activation, recording what its hooks see.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/core/window_impl_base.h"

namespace Veneer::test {

class SkinnedWindow : public WindowImplBase {
 public:
  // `layout` is what SkinFileName answers: a layout text beginning with "<",
  // a skin file name or a resource number.
  explicit SkinnedWindow(std::wstring layout, SkinSource kind = SkinSource::FromFolder,
                         const wchar_t* resourceId = nullptr);
  ~SkinnedWindow() override;

  // Creates the window as a topmost popup (owned by `owner` if given) and
  // shows it at (x, y) without activating it; false when creation failed.
  bool Open(int x = 100, int y = 100, HWND owner = nullptr);
  HWND hwnd() const { return GetHWND(); }
  PaintManager& manager() { return GetPaintManager(); }
  // The window's rectangle on the screen.
  RECT Rect() const;

  // Creates the controls of names the builder doesn't know.
  std::function<CControlUI*(const wchar_t* name)> createCustom;

  int skinReadyCalls = 0;
  std::vector<WPARAM> defaultKeys;          // what OnDefaultKey was asked
  std::vector<POINT> moves;                 // the window's top-left after each WM_MOVE
  std::vector<std::wstring> notifications;  // "type:sender" of every notification

 protected:
  const wchar_t* WindowClassName() const override { return L"VeneerSkinnedTestWindow"; }
  std::wstring SkinFolder() const override { return L""; }
  std::wstring SkinFileName() const override { return layout_; }
  SkinSource SkinSourceKind() const override { return kind_; }
  const wchar_t* SkinResourceId() const override { return resourceId_; }
  void OnSkinReady() override { ++skinReadyCalls; }
  CControlUI* CreateCustomControl(const wchar_t* name) override;
  LRESULT OnDefaultKey(WPARAM key) override;
  void OnNotification(UiNotification& notification) override;
  LRESULT OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  std::wstring layout_;
  SkinSource kind_;
  const wchar_t* resourceId_;
};

}  // namespace Veneer::test
