#include "app/message_dialog.h"

#include "ui/controls/button.h"
#include "ui/core/window_attention.h"

namespace lumo {
namespace {

// Font 1 of the dialog's layout, "Tahoma" 12.
constexpr int kOkFont = 1;

// Runs the thread's messages until the dialog is gone; the dialog's result
// (0 when it was closed otherwise than by its buttons), and whether WM_QUIT
// came first, with its exit code.
struct LoopEnd {
  WPARAM result = 0;
  bool quit = false;
  int exitCode = 0;
};

LoopEnd RunDialogLoop(HWND dialog, HWND owner) {
  LoopEnd end;
  MSG message;
  while (IsWindow(dialog)) {
    if (GetMessageW(&message, nullptr, 0, 0) == 0) {
      end.quit = true;
      end.exitCode = static_cast<int>(message.wParam);
      break;
    }
    if (message.message == WM_CLOSE && message.hwnd == dialog) {
      end.result = message.wParam;
      // The owner is enabled before the dialog goes, so that it is the
      // window the system activates next.
      EnableWindow(owner, TRUE);
      SetFocus(owner);
    }
    if (!Veneer::PaintManager::FilterQueuedMessage(&message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return end;
}

}  // namespace

bool ShowMessageDialog(HWND owner, bool withCancel, const std::wstring& text) {
  auto* dialog = new CMessageDialogWnd(text, L"确定", withCancel);  // deletes itself
  const HWND window =
      dialog->Create(owner, L"MessageWindow", WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE,
                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  if (window == nullptr) return false;
  const HWND realOwner = GetWindow(window, GW_OWNER);
  ShowWindow(window, SW_SHOWNORMAL);
  // Screen readers read the message as the dialog's name when it opens.
  dialog->GetPaintManager().AnnounceDialog(text);
  EnableWindow(realOwner, FALSE);
  SendMessageW(realOwner, Veneer::kAttentionRegister, 0, reinterpret_cast<LPARAM>(window));

  const LoopEnd end = RunDialogLoop(window, realOwner);
  EnableWindow(realOwner, TRUE);
  SetFocus(realOwner);
  if (end.quit) PostQuitMessage(end.exitCode);
  return end.result == IDOK;
}

CMessageDialogWnd::CMessageDialogWnd(std::wstring message, std::wstring okText, bool withCancel)
    : message_(std::move(message)), okText_(std::move(okText)), withCancel_(withCancel) {}

void CMessageDialogWnd::OnSkinReady() {
  Veneer::CControlUI* ok = paintManager_.FindControlByName(L"ok_btn");
  Veneer::CControlUI* text = paintManager_.FindControlByName(L"message_text");
  if (text != nullptr) text->SetText(message_);
  if (auto* button = dynamic_cast<Veneer::CButtonUI*>(ok)) {
    button->SetText(okText_);
    button->SetFont(kOkFont);
    button->Invalidate();
  }
  CenterOnMonitor();
  if (!withCancel_) {
    for (const wchar_t* name : {L"ignore_btn", L"msg_span"}) {
      if (Veneer::CControlUI* control = paintManager_.FindControlByName(name)) {
        control->SetVisible(false);
      }
    }
  }
}

void CMessageDialogWnd::OnNotification(Veneer::UiNotification& notification) {
  if (notification.type == Veneer::Notify::kClick && notification.sender != nullptr) {
    const std::wstring& sender = notification.sender->GetName();
    if (sender == L"btn_close" || sender == L"ignore_btn") CloseWith(IDIGNORE);
    if (sender == L"ok_btn") CloseWith(IDOK);
  }
  WindowImplBase::OnNotification(notification);
}

void CMessageDialogWnd::CloseWith(WPARAM result) {
  if (IsWindow(GetHWND())) PostMessageW(GetHWND(), WM_CLOSE, result, 0);
}

LRESULT CMessageDialogWnd::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCLBUTTONDBLCLK) return 0;
  return WindowImplBase::RouteWindowMessage(message, wParam, lParam);
}

// The nested loop waits in GetMessageW: a destruction that no message of
// its own follows (a close by the system command) must wake it, or the
// owner would stay disabled until the next input.
void CMessageDialogWnd::OnWindowDestroyed(HWND window) {
  WindowImplBase::OnWindowDestroyed(window);
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  delete this;
}

}  // namespace lumo
