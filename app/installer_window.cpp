#include "app/installer_window.h"

#include "app/format_wide.h"
#include "app/message_dialog.h"
#include "install/private_messages.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/label.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"

namespace lumo {
namespace {

using Veneer::UiNotification;

// Which wizard event a click on each named control is.
struct ClickRoute {
  const wchar_t* sender;
  void (Wizard::*event)();
};

constexpr ClickRoute kClicks[] = {
    {L"custom_btn", &Wizard::CustomLinkClicked},
    {L"btn_back", &Wizard::BackClicked},
    {L"btnMin", &Wizard::MinimizeClicked},
    {L"btnMainInstallPageClose", &Wizard::CloseClicked},
    {L"btn_error_exit", &Wizard::ErrorOkClicked},
    {L"btn_custominstall", &Wizard::InstallClicked},
    {L"install_btn", &Wizard::InstallClicked},
    {L"license_btn", &Wizard::AgreementLinkClicked},
    {L"experience_plan_btn", &Wizard::PrivacyLinkClicked},
    {L"change_folder_btn", &Wizard::BrowseClicked},
    {L"open_btn", &Wizard::StartBrowserClicked},
    {L"install_error_btn", &Wizard::HelpLinkClicked},
    {L"install_failed_btn", &Wizard::FailedOkClicked},
};

const wchar_t kPathBox[] = L"install_path_edit";
const wchar_t kFreeSpace[] = L"freespace";
const wchar_t kInstallButton[] = L"install_btn";
// The window is 60 pixels shorter than the layout's 580 by 420.
constexpr int kWidth = 580;
constexpr int kHeight = 360;

template <typename Control>
Control* As(Veneer::CControlUI* control) {
  return dynamic_cast<Control*>(control);
}

}  // namespace

CBrowserPlugInstallWnd::CBrowserPlugInstallWnd()
    : InstallerEffects(*this, BuiltInServiceHosts()), wizard_(*this) {}

Veneer::CControlUI* CBrowserPlugInstallWnd::Find(const wchar_t* name) {
  return paintManager_.FindControlByName(name);
}

void CBrowserPlugInstallWnd::OnSkinReady() {
  BindWindow(GetHWND());
  CenterOnMonitor();
  pathBox_ = As<Veneer::CEditUI>(Find(kPathBox));
  if (pathBox_ != nullptr && Find(kFreeSpace) != nullptr)
    wizard_.Initialize(Location().Initialize());
  if (FindControls()) {
    customPage_->SetVisible(false);
    pages_->SelectPage(static_cast<int>(Page::MainPage));
    SetWindowPos(GetHWND(), nullptr, 0, 0, kWidth, kHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  } else if (IsWindow(GetHWND())) {
    // A skin without the wizard's controls ends the installer before it shows.
    PostMessageW(GetHWND(), WM_CLOSE, 1, 0);
  }
}

bool CBrowserPlugInstallWnd::FindControls() {
  defaultBrowserBox_ = As<Veneer::CCheckBoxUI>(Find(L"check_set_browser"));
  taskbarBox_ = As<Veneer::CCheckBoxUI>(Find(L"check_set_startbar"));
  desktopBox_ = As<Veneer::CCheckBoxUI>(Find(L"check_set_desktop"));
  experiencePlanBox_ = As<Veneer::CCheckBoxUI>(Find(L"check_set_experience_plan"));
  closeButton_ = As<Veneer::CButtonUI>(Find(L"btnMainInstallPageClose"));
  views_ = As<Veneer::CTabLayoutUI>(Find(L"wizardTabTop"));
  pages_ = As<Veneer::CTabLayoutUI>(Find(L"wizardTab"));
  customLink_ = As<Veneer::CButtonUI>(Find(L"custom_btn"));
  agreementBox_ = As<Veneer::CCheckBoxUI>(Find(L"check_set_argee"));
  header_ = Find(L"parent_container");
  customPage_ = Find(L"vercustom");
  progressBar_ = As<Veneer::CProgressUI>(Find(L"install_progress"));
  progressLabel_ = As<Veneer::CLabelUI>(Find(L"install_Pro_Info"));
  // Every control the wizard touches is required, not only the six the
  // window's own set-up uses: a skin without one would fail later, halfway.
  return defaultBrowserBox_ && taskbarBox_ && desktopBox_ && experiencePlanBox_ && closeButton_ &&
         views_ && pages_ && customLink_ && agreementBox_ && header_ && customPage_ &&
         progressBar_ && progressLabel_ && pathBox_ && Find(kFreeSpace) &&
         As<Veneer::CButtonUI>(Find(kInstallButton));
}

void CBrowserPlugInstallWnd::OnNotification(UiNotification& notification) {
  const std::wstring& sender =
      notification.sender != nullptr ? notification.sender->GetName() : std::wstring();
  if (notification.type == Veneer::Notify::kClick) {
    for (const ClickRoute& route : kClicks) {
      if (sender == route.sender) (wizard_.*route.event)();
    }
  } else if (notification.type == Veneer::Notify::kTextChanged && sender == kPathBox) {
    wizard_.PathTextChanged();
  } else if (notification.type == Veneer::Notify::kSelectChanged && agreementBox_ != nullptr &&
             notification.sender == agreementBox_) {
    wizard_.AgreementChanged(agreementBox_->IsSelected());
  }
  WindowImplBase::OnNotification(notification);
}

LRESULT CBrowserPlugInstallWnd::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCLBUTTONDBLCLK: wizard_.CaptionDoubleClicked(); return 0;
    case WM_CLOSE: wizard_.CloseMessage(); return 0;
    default: return WindowImplBase::RouteWindowMessage(message, wParam, lParam);
  }
}

LRESULT CBrowserPlugInstallWnd::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam,
                                             bool& handled) {
  if ((wParam & 0xFFF0) != SC_CLOSE) {
    return WindowImplBase::OnSysCommand(message, wParam, lParam, handled);
  }
  wizard_.SystemCloseCommand();
  return 0;
}

LRESULT CBrowserPlugInstallWnd::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM,
                                                 bool& handled) {
  // The framework's default processing does nothing with these.
  handled = false;
  wizard_.PrivateMessage(message, wParam);
  return 0;
}

void CBrowserPlugInstallWnd::OnWindowDestroyed(HWND window) {
  WindowImplBase::OnWindowDestroyed(window);
  delete this;
}

void CBrowserPlugInstallWnd::SelectView(View view) {
  views_->SelectPage(static_cast<int>(view));
}

void CBrowserPlugInstallWnd::SelectPage(Page page) {
  pages_->SelectPage(static_cast<int>(page));
}

void CBrowserPlugInstallWnd::EnableCloseButton(bool enabled) {
  closeButton_->SetEnabled(enabled);
}

void CBrowserPlugInstallWnd::EnableEntryButtons(bool enabled) {
  customLink_->SetEnabled(enabled);
  if (Veneer::CControlUI* install = Find(kInstallButton)) install->SetEnabled(enabled);
}

void CBrowserPlugInstallWnd::UpdateProgress(int percent) {
  progressLabel_->SetText(FormatWide(L"正在下载... %d%%", percent));
  if (percent != progressBar_->GetValue() && percent >= progressBar_->GetMinValue() &&
      percent <= progressBar_->GetMaxValue()) {
    progressBar_->SetValue(percent);
  }
}

bool CBrowserPlugInstallWnd::ShowMessageDialog(bool withCancel, const std::wstring& text) {
  return ::lumo::ShowMessageDialog(GetHWND(), withCancel, text);
}

void CBrowserPlugInstallWnd::Minimize() {
  SendMessageW(GetHWND(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CBrowserPlugInstallWnd::ShowMinimized() {
  ShowWindow(GetHWND(), SW_SHOWMINIMIZED);
}

void CBrowserPlugInstallWnd::ShowNormal() {
  if (IsWindow(GetHWND())) ShowWindow(GetHWND(), SW_SHOWNORMAL);
}

std::wstring CBrowserPlugInstallWnd::PathText() const {
  return pathBox_ != nullptr ? pathBox_->GetText() : std::wstring();
}

void CBrowserPlugInstallWnd::SetPathText(const std::wstring& text) {
  pathBox_->SetText(text);
}

void CBrowserPlugInstallWnd::EnablePathBox(bool enabled) {
  pathBox_->SetEnabled(enabled);
}

void CBrowserPlugInstallWnd::SetFreeSpaceLabel(const std::wstring& text) {
  if (Veneer::CControlUI* label = Find(kFreeSpace)) label->SetText(text);
}

InstallOptions CBrowserPlugInstallWnd::ChosenOptions() {
  InstallOptions options;
  options.experiencePlan = experiencePlanBox_->IsSelected();
  options.defaultBrowser = defaultBrowserBox_->IsSelected();
  options.taskbarShortcut = taskbarBox_->IsSelected();
  options.desktopShortcut = desktopBox_->IsSelected();
  return options;
}

}  // namespace lumo
