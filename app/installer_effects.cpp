#include "app/installer_effects.h"

#include <shellapi.h>

#include "app/browser_launch.h"
#include "app/web_page_address.h"
#include "install/download_worker.h"
#include "install/file_system.h"
#include "install/package_runner.h"
#include "install/private_messages.h"

namespace lumo {

InstallerEffects::InstallerEffects(LocationControls& pathBox, const ServiceHosts& hosts)
    : hosts_(hosts), system_(nullptr), location_(pathBox, system_) {}

void InstallerEffects::BindWindow(HWND window) {
  window_ = window;
  system_.SetOwner(window);
}

std::wstring InstallerEffects::GetInstallPath() {
  return location_.GetInstallPath();
}

SpaceVerdict InstallerEffects::UpdateFreeSpace() {
  return location_.UpdateFreeSpace();
}

SpaceVerdict InstallerEffects::BrowseForFolder() {
  return location_.BrowseForFolder();
}

bool InstallerEffects::CreateDirectoryChain(const std::wstring& path) {
  return ::lumo::CreateDirectoryChain(path);
}

bool InstallerEffects::LaunchInstalledBrowser() {
  return ::lumo::LaunchInstalledBrowser();
}

void InstallerEffects::OpenWebPage(WebPage page) {
  const std::wstring address = WebPageAddress(page, hosts_.website, hosts_.serviceSite);
  ShellExecuteW(nullptr, L"open", L"IExplore.exe", address.c_str(), nullptr, SW_SHOWNORMAL);
}

void InstallerEffects::StartDownloadWorker() {
  if (!::lumo::StartDownloadWorker(window_, hosts_))
    PostMessageW(window_, WM_DOWNLOAD_FAILED, 0, 0);
}

void InstallerEffects::StartPackageRunner() {
  InstallOptions options = ChosenOptions();
  options.installFolder = GetInstallPath();
  if (!::lumo::StartPackageRunner(window_, options)) PostMessageW(window_, WM_INSTALL_FAILED, 0, 0);
}

void InstallerEffects::Quit() {
  PostQuitMessage(0);
}

void InstallerEffects::EndAtOnce() {
  ExitProcess(0);
}

}  // namespace lumo
