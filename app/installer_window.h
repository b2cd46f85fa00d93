// The installer's main window: the skinned window of "BrowserInstallWnd.xml"
// bound to the install wizard. It finds the layout's named controls, turns
// their notifications and the workers' messages into wizard events, and
// carries out the wizard's effects on the controls; the effects on the
// system are the installer's shared ones (installer_effects.h).
//
// Created on the heap by the entry point; deletes itself when its native
// window is destroyed. UI thread only.
#pragma once

#include <windows.h>

#include <string>

#include "app/installer_effects.h"
#include "app/wizard.h"
#include "ui/core/window_impl_base.h"

namespace Veneer {
class CButtonUI;
class CCheckBoxUI;
class CControlUI;
class CEditUI;
class CLabelUI;
class CProgressUI;
class CTabLayoutUI;
}  // namespace Veneer

namespace lumo {

class CBrowserPlugInstallWnd final : public Veneer::WindowImplBase,
                                     public InstallerEffects,
                                     public LocationControls {
 public:
  CBrowserPlugInstallWnd();

  // WizardEffects on the controls and the window.
  void SelectView(View view) override;
  void SelectPage(Page page) override;
  void EnableCloseButton(bool enabled) override;
  void EnableEntryButtons(bool enabled) override;
  // "正在下载... N%" in the label; the bar takes N only within its range.
  void UpdateProgress(int percent) override;
  bool ShowMessageDialog(bool withCancel, const std::wstring& text) override;
  void Minimize() override;
  void ShowMinimized() override;
  void ShowNormal() override;

  // LocationControls: "install_path_edit" and "freespace".
  std::wstring PathText() const override;
  void SetPathText(const std::wstring& text) override;
  void EnablePathBox(bool enabled) override;
  void SetFreeSpaceLabel(const std::wstring& text) override;

  void OnNotification(Veneer::UiNotification& notification) override;

 protected:
  const wchar_t* WindowClassName() const override { return L"BrowserPlugInstallWnd"; }
  // A double click on the caption area is swallowed; WM_CLOSE ends the
  // process at once.
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowDestroyed(HWND window) override;
  void OnSkinReady() override;
  std::wstring SkinFolder() const override { return std::wstring(); }
  std::wstring SkinFileName() const override { return L"BrowserInstallWnd.xml"; }
  Veneer::SkinSource SkinSourceKind() const override { return Veneer::SkinSource::FromZipResource; }
  std::wstring SkinArchiveName() const override { return L"skin.zip"; }
  const wchar_t* SkinResourceId() const override { return MAKEINTRESOURCEW(132); }
  // The system close command minimises instead of closing.
  LRESULT OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  // The workers' messages and a second instance's activation.
  LRESULT OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  ~CBrowserPlugInstallWnd() override = default;
  InstallOptions ChosenOptions() override;
  // Looks up the controls the wizard works on; false when one is missing.
  bool FindControls();
  Veneer::CControlUI* Find(const wchar_t* name);

  Wizard wizard_;
  // References into the control tree, which the paint manager owns.
  Veneer::CCheckBoxUI* defaultBrowserBox_ = nullptr;
  Veneer::CCheckBoxUI* taskbarBox_ = nullptr;
  Veneer::CCheckBoxUI* desktopBox_ = nullptr;
  Veneer::CCheckBoxUI* experiencePlanBox_ = nullptr;
  Veneer::CButtonUI* closeButton_ = nullptr;
  Veneer::CTabLayoutUI* views_ = nullptr;
  Veneer::CTabLayoutUI* pages_ = nullptr;
  Veneer::CButtonUI* customLink_ = nullptr;
  Veneer::CCheckBoxUI* agreementBox_ = nullptr;
  Veneer::CControlUI* header_ = nullptr;
  Veneer::CControlUI* customPage_ = nullptr;
  Veneer::CProgressUI* progressBar_ = nullptr;
  Veneer::CLabelUI* progressLabel_ = nullptr;
  Veneer::CEditUI* pathBox_ = nullptr;
};

}  // namespace lumo
