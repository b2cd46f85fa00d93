// The headless installation's stand-in for the installer window: it carries
// out the wizard's effects on a message-only window and plain fields instead
// of skinned controls, and prints each one as a line, so that a whole
// installation can be driven and watched without a skin.
#pragma once

#include <windows.h>

#include <string>

#include "app/install_location.h"
#include "app/windows_location_system.h"
#include "app/wizard.h"
#include "app/wizard_effects.h"
#include "install/install_options.h"
#include "install/service_hosts.h"

namespace lumo::headless {

class HeadlessWindow final : public WizardEffects, public LocationControls {
 public:
  HeadlessWindow(const ServiceHosts& hosts, const InstallOptions& choices);
  ~HeadlessWindow();
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  // Window initialisation, then `pathText` typed into the path box (when not
  // empty), then a click on the install button; runs until the wizard quits
  // and gives the exit code the installation ended with.
  int Install(const std::wstring& pathText);

  // WizardEffects.
  void SelectView(View view) override;
  void SelectPage(Page page) override;
  void EnableCloseButton(bool enabled) override;
  void EnableEntryButtons(bool enabled) override;
  void UpdateProgress(int percent) override;
  void OpenWebPage(WebPage page) override;
  bool ShowMessageDialog(bool withCancel, const std::wstring& text) override;
  std::wstring GetInstallPath() override;
  SpaceVerdict UpdateFreeSpace() override;
  SpaceVerdict BrowseForFolder() override;
  bool CreateDirectoryChain(const std::wstring& path) override;
  bool LaunchInstalledBrowser() override;
  void StartDownloadWorker() override;
  void StartPackageRunner() override;
  void Minimize() override;
  void ShowMinimized() override;
  void ShowNormal() override;
  void Quit() override;
  void EndAtOnce() override;

  // LocationControls.
  std::wstring PathText() const override { return pathText_; }
  void SetPathText(const std::wstring& text) override { pathText_ = text; }
  void EnablePathBox(bool enabled) override;
  void SetFreeSpaceLabel(const std::wstring& text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Print(const std::string& line) const;

  ServiceHosts hosts_;
  InstallOptions choices_;
  HWND window_ = nullptr;
  std::wstring pathText_;
  WindowsLocationSystem system_;
  InstallLocation location_;
  Wizard wizard_;
  Page page_ = Page::MainPage;
  int exitCode_ = 0;
};

}  // namespace lumo::headless
