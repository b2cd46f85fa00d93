// The wizard's effects that are the same however the wizard is shown: the
// install folder, the web pages, the two workers, the browser launch and the
// ends of the message loop and of the process. The installer window and the
// headless installation derive from it and add the effects on their own
// controls (pages, buttons, progress, dialogs, the window's show state).
#pragma once

#include <windows.h>

#include <string>

#include "app/install_location.h"
#include "app/windows_location_system.h"
#include "app/wizard_effects.h"
#include "install/install_options.h"
#include "install/service_hosts.h"

namespace lumo {

class InstallerEffects : public WizardEffects {
 public:
  InstallerEffects(const InstallerEffects&) = delete;
  InstallerEffects& operator=(const InstallerEffects&) = delete;

  std::wstring GetInstallPath() override;
  SpaceVerdict UpdateFreeSpace() override;
  SpaceVerdict BrowseForFolder() override;
  bool CreateDirectoryChain(const std::wstring& path) override;
  bool LaunchInstalledBrowser() override;
  // "IExplore.exe" with the page's address, whatever the default browser is;
  // a page that can't be opened is not reported.
  void OpenWebPage(WebPage page) override;
  // A worker whose thread can't be created reports the failure it would
  // have posted, so the wizard never waits for a worker that isn't there.
  void StartDownloadWorker() override;
  void StartPackageRunner() override;
  void Quit() override;       // PostQuitMessage(0)
  void EndAtOnce() override;  // ExitProcess(0)

 protected:
  // `pathBox`: the path box and the free-space label of the derived class,
  // not used before window initialisation.
  InstallerEffects(LocationControls& pathBox, const ServiceHosts& hosts);
  ~InstallerEffects() = default;

  // The window the workers post to and the folder dialog is modal to.
  void BindWindow(HWND window);
  HWND BoundWindow() const { return window_; }
  InstallLocation& Location() { return location_; }
  // The four option boxes; the install folder is added here.
  virtual InstallOptions ChosenOptions() = 0;

 private:
  ServiceHosts hosts_;
  HWND window_ = nullptr;
  WindowsLocationSystem system_;
  InstallLocation location_;
};

}  // namespace lumo
