#include "app/wizard.h"

#include "install/private_messages.h"

namespace lumo {
namespace {

const wchar_t kInvalidFolder[] = L"无效的安装路径";
const wchar_t kTooLittleSpace[] = L"当前盘符空间不足，请选择其他安装路径";
const wchar_t kConfirmExit[] = L"您确定要退出Lumo游戏浏览器的安装吗？";
const wchar_t kFolderLocked[] = L"Lumo游戏浏览器已安装，路径不能修改，建议覆盖安装";

}  // namespace

void Wizard::Initialize(const LocationStart& location) {
  state_.pathLocked = location.pathLocked;
  ApplySpaceVerdict(location.space);
}

void Wizard::AgreementChanged(bool selected) {
  if (!Shows(Page::MainPage)) return;
  state_.agreement = selected;
  effects_.EnableEntryButtons(selected);
}

void Wizard::CustomLinkClicked() {
  if (Shows(Page::MainPage) && state_.agreement) SelectPage(Page::CustomPage);
}

void Wizard::AgreementLinkClicked() {
  if (Shows(Page::MainPage)) effects_.OpenWebPage(WebPage::Agreement);
}

void Wizard::InstallClicked() {
  if ((Shows(Page::MainPage) && state_.agreement) || Shows(Page::CustomPage)) InstallRequest();
}

void Wizard::BackClicked() {
  if (Shows(Page::CustomPage)) SelectPage(Page::MainPage);
}

void Wizard::PathTextChanged() {
  if (Shows(Page::CustomPage)) ApplySpaceVerdict(effects_.UpdateFreeSpace());
}

void Wizard::BrowseClicked() {
  if (!Shows(Page::CustomPage)) return;
  if (state_.pathLocked) {
    effects_.ShowMessageDialog(false, kFolderLocked);
  } else {
    ApplySpaceVerdict(effects_.BrowseForFolder());
  }
}

void Wizard::PrivacyLinkClicked() {
  if (Shows(Page::CustomPage)) effects_.OpenWebPage(WebPage::Privacy);
}

void Wizard::StartBrowserClicked() {
  if (Shows(Page::ResultPage) && effects_.LaunchInstalledBrowser()) Quit();
}

void Wizard::HelpLinkClicked() {
  if (Shows(Page::NetworkErrorPage)) effects_.OpenWebPage(WebPage::ErrorHelp);
}

void Wizard::ErrorOkClicked() {
  if (Shows(Page::NetworkErrorPage)) CloseRequest();
}

void Wizard::FailedOkClicked() {
  if (Shows(Page::FailedPage)) Quit();
}

void Wizard::CloseClicked() {
  if (TakesClicks() && state_.closeEnabled) CloseRequest();
}

void Wizard::MinimizeClicked() {
  if (TakesClicks()) effects_.Minimize();
}

void Wizard::SystemCloseCommand() {
  effects_.ShowMinimized();
}

void Wizard::CloseMessage() {
  effects_.EndAtOnce();
}

void Wizard::CaptionDoubleClicked() {}

bool Wizard::PrivateMessage(unsigned int message, std::uintptr_t wParam) {
  switch (message) {
    case WM_DOWNLOAD_PROGRESS:
      // As the label's "%d" shows it, whatever the worker sent.
      effects_.UpdateProgress(static_cast<int>(wParam));
      return true;
    case WM_DOWNLOAD_DONE:
      SelectView(View::BusyView);
      effects_.StartPackageRunner();
      return true;
    case WM_DOWNLOAD_FAILED:
      EnableCloseButton(true);
      SelectPage(Page::NetworkErrorPage);
      state_.finished = true;
      return true;
    case WM_INSTALL_DONE: Finish(Page::ResultPage); return true;
    case WM_INSTALL_FAILED: Finish(Page::FailedPage); return true;
    case WM_ACTIVATE_INSTANCE: effects_.ShowNormal(); return true;
    default: return false;
  }
}

bool Wizard::TakesClicks() const {
  return !state_.quitting && state_.view == View::FramedView;
}

bool Wizard::Shows(Page page) const {
  return TakesClicks() && state_.page == page;
}

void Wizard::ApplySpaceVerdict(SpaceVerdict verdict) {
  if (verdict != SpaceVerdict::Unchanged) state_.enoughSpace = verdict == SpaceVerdict::Enough;
}

// The folder check comes first: a folder that can't be made is refused as
// such even when its volume is also too full. A folder made here stays when
// the space check then refuses.
void Wizard::InstallRequest() {
  if (!effects_.CreateDirectoryChain(effects_.GetInstallPath())) {
    effects_.ShowMessageDialog(false, kInvalidFolder);
    return;
  }
  if (!state_.enoughSpace) {
    effects_.ShowMessageDialog(false, kTooLittleSpace);
    return;
  }
  EnableCloseButton(false);
  effects_.UpdateProgress(0);
  SelectPage(Page::DownloadPage);
  effects_.StartDownloadWorker();
}

void Wizard::CloseRequest() {
  if (state_.finished || effects_.ShowMessageDialog(true, kConfirmExit)) Quit();
}

void Wizard::Finish(Page page) {
  EnableCloseButton(true);
  SelectView(View::FramedView);
  SelectPage(page);
  state_.finished = true;
}

void Wizard::Quit() {
  state_.quitting = true;
  effects_.Quit();
}

void Wizard::SelectView(View view) {
  state_.view = view;
  effects_.SelectView(view);
}

void Wizard::SelectPage(Page page) {
  state_.page = page;
  effects_.SelectPage(page);
}

void Wizard::EnableCloseButton(bool enabled) {
  state_.closeEnabled = enabled;
  effects_.EnableCloseButton(enabled);
}

}  // namespace lumo
