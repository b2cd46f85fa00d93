// The installer's one message dialog: a skinned window ("message.xml") with
// one line of text and an OK button ("确定"), or OK and a cancel button
// ("我再想想"), shown modally over its owner by ShowMessageDialog.
#pragma once

#include <windows.h>

#include <string>

#include "ui/core/window_impl_base.h"

namespace lumo {

// Shows the dialog over `owner`, disabled meanwhile, and returns when the
// dialog is gone: true if and only if the user chose OK. Every message of
// the thread is dispatched meanwhile, so the owner keeps painting and
// handling its workers' messages. A WM_QUIT that arrives ends the dialog and
// is posted again for the caller's loop.
bool ShowMessageDialog(HWND owner, bool withCancel, const std::wstring& text);

// The dialog window; created on the heap, deletes itself when its native
// window is destroyed. It closes itself by posting WM_CLOSE with the
// result: IDOK from "ok_btn", IDIGNORE from "btn_close" and "ignore_btn".
class CMessageDialogWnd final : public Veneer::WindowImplBase {
 public:
  CMessageDialogWnd(std::wstring message, std::wstring okText, bool withCancel);

  void OnNotification(Veneer::UiNotification& notification) override;

 protected:
  const wchar_t* WindowClassName() const override { return L"MessageDialogWnd"; }
  // A double click on the caption area is swallowed.
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowDestroyed(HWND window) override;
  void OnSkinReady() override;
  // The installer window has opened the skin archive of the resources by
  // now, so the layout is read from there.
  std::wstring SkinFolder() const override { return L"skin"; }
  std::wstring SkinFileName() const override { return L"message.xml"; }

 private:
  ~CMessageDialogWnd() override = default;
  void CloseWith(WPARAM result);

  const std::wstring message_;
  const std::wstring okText_;
  const bool withCancel_;
};

}  // namespace lumo
