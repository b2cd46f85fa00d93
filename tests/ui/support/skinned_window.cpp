#include "tests/ui/support/skinned_window.h"

#include "ui/controls/control.h"

namespace Veneer::test {

SkinnedWindow::SkinnedWindow(std::wstring layout, SkinSource kind, const wchar_t* resourceId)
    : layout_(std::move(layout)), kind_(kind), resourceId_(resourceId) {}

SkinnedWindow::~SkinnedWindow() {
  if (hwnd()) DestroyWindow(hwnd());
}

// Topmost, so that windows of tests running beside this one don't cover it;
// shown without activation (see TestWindow).
bool SkinnedWindow::Open(int x, int y, HWND owner) {
  if (!Create(owner, L"Veneer skinned test", WS_POPUP, WS_EX_TOPMOST, x, y, 200, 120)) {
    return false;
  }
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd());
  return true;
}

RECT SkinnedWindow::Rect() const {
  RECT rect = {};
  GetWindowRect(hwnd(), &rect);
  return rect;
}

CControlUI* SkinnedWindow::CreateCustomControl(const wchar_t* name) {
  return createCustom ? createCustom(name) : nullptr;
}

LRESULT SkinnedWindow::OnDefaultKey(WPARAM key) {
  defaultKeys.push_back(key);
  return WindowImplBase::OnDefaultKey(key);
}

void SkinnedWindow::OnNotification(UiNotification& notification) {
  const std::wstring sender = notification.sender ? notification.sender->GetName() : L"";
  notifications.push_back(notification.type + L":" + sender);
  WindowImplBase::OnNotification(notification);
}

LRESULT SkinnedWindow::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (message == WM_MOVE) moves.push_back(POINT{Rect().left, Rect().top});
  return WindowImplBase::OnPrivateMessage(message, wParam, lParam, handled);
}

}  // namespace Veneer::test
