#include "tools/headless/headless_window.h"

#include <cstdio>

#include "install/private_messages.h"
#include "tools/text/utf8_text.h"

namespace lumo::headless {
namespace {

using tools::Utf8;

// The user's clicks on the pages that end an installation, posted so that
// they come after the transition that showed the page.
constexpr UINT kClickOpen = WM_APP + 1;
constexpr UINT kClickErrorOk = WM_APP + 2;
constexpr UINT kClickFailedOk = WM_APP + 3;

const char* PageName(Page page) {
  static const char* const kNames[] = {"MainPage",   "CustomPage",       "DownloadPage",
                                       "ResultPage", "NetworkErrorPage", "FailedPage"};
  return kNames[static_cast<int>(page)];
}

const char* PrivateMessageName(UINT message) {
  switch (message) {
    case WM_DOWNLOAD_PROGRESS: return "WM_DOWNLOAD_PROGRESS";
    case WM_DOWNLOAD_DONE: return "WM_DOWNLOAD_DONE";
    case WM_DOWNLOAD_FAILED: return "WM_DOWNLOAD_FAILED";
    case WM_INSTALL_DONE: return "WM_INSTALL_DONE";
    case WM_INSTALL_FAILED: return "WM_INSTALL_FAILED";
    case WM_ACTIVATE_INSTANCE: return "WM_ACTIVATE_INSTANCE";
    default: return nullptr;
  }
}

}  // namespace

HeadlessWindow::HeadlessWindow(const ServiceHosts& hosts, const InstallOptions& choices)
    : InstallerEffects(*this, hosts), choices_(choices), wizard_(*this) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.lpszClassName = L"LumoHeadlessInstall";
  RegisterClassW(&windowClass);
  window_ = CreateWindowW(L"LumoHeadlessInstall", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          nullptr, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  BindWindow(window_);
}

HeadlessWindow::~HeadlessWindow() {
  DestroyWindow(window_);
}

int HeadlessWindow::Install(const std::wstring& pathText) {
  LocationStart start = Location().Initialize();
  if (!pathText.empty()) {
    SetPathText(pathText);
    start.space = UpdateFreeSpace();
  }
  wizard_.Initialize(start);
  Print("path box " + Utf8(pathText_) + (start.pathLocked ? " (locked)" : ""));
  wizard_.InstallClicked();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return exitCode_;
}

LRESULT CALLBACK HeadlessWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<HeadlessWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (const char* name = PrivateMessageName(message)) {
    self->Print(std::string(name) + " " + std::to_string(wParam));
    self->wizard_.PrivateMessage(message, wParam);
    return 0;
  }
  switch (message) {
    case kClickOpen:
      self->wizard_.StartBrowserClicked();
      // No launch command keeps the wizard on its page; this driver leaves.
      if (!self->wizard_.state().quitting) PostQuitMessage(self->exitCode_);
      return 0;
    case kClickErrorOk: self->wizard_.ErrorOkClicked(); return 0;
    case kClickFailedOk: self->wizard_.FailedOkClicked(); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

void HeadlessWindow::Print(const std::string& line) const {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void HeadlessWindow::SelectView(View view) {
  Print(view == View::BusyView ? "view BusyView" : "view FramedView");
}

void HeadlessWindow::SelectPage(Page page) {
  Print(std::string("page ") + PageName(page));
  switch (page) {
    case Page::ResultPage: PostMessageW(window_, kClickOpen, 0, 0); break;
    case Page::NetworkErrorPage:
      exitCode_ = 1;
      PostMessageW(window_, kClickErrorOk, 0, 0);
      break;
    case Page::FailedPage:
      exitCode_ = 2;
      PostMessageW(window_, kClickFailedOk, 0, 0);
      break;
    default: break;
  }
}

void HeadlessWindow::EnableCloseButton(bool enabled) {
  Print(enabled ? "close button enabled" : "close button disabled");
}

void HeadlessWindow::EnableEntryButtons(bool enabled) {
  Print(enabled ? "entry buttons enabled" : "entry buttons disabled");
}

void HeadlessWindow::UpdateProgress(int) {}  // the message line says it all

bool HeadlessWindow::ShowMessageDialog(bool withCancel, const std::wstring& text) {
  Print("message " + Utf8(text) + (withCancel ? " (OK chosen)" : ""));
  return true;
}

bool HeadlessWindow::LaunchInstalledBrowser() {
  const bool found = InstallerEffects::LaunchInstalledBrowser();
  Print(found ? "browser launch attempted" : "browser launch: no launch command");
  return found;
}

void HeadlessWindow::StartDownloadWorker() {
  Print("install folder " + Utf8(GetInstallPath()));
  InstallerEffects::StartDownloadWorker();
}

void HeadlessWindow::Minimize() {
  Print("minimise");
}
void HeadlessWindow::ShowMinimized() {
  Print("minimised");
}
void HeadlessWindow::ShowNormal() {
  Print("shown normally");
}
void HeadlessWindow::Quit() {
  PostQuitMessage(exitCode_);
}

void HeadlessWindow::EnablePathBox(bool enabled) {
  if (!enabled) Print("path box locked");
}

void HeadlessWindow::SetFreeSpaceLabel(const std::wstring& text) {
  Print("free space " + Utf8(text));
}

}  // namespace lumo::headless
