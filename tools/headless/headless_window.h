// The headless installation's stand-in for the installer window: it shares
// the installer's effects on the system (folder, workers, browser launch),
// carries out those on controls with a message-only window and plain fields
// instead of skinned controls, and prints each one as a line, so that a
// whole installation can be driven and watched without a skin.
#pragma once

#include <windows.h>

#include <string>

#include "app/install_location.h"
#include "app/installer_effects.h"
#include "app/wizard.h"

namespace lumo::headless {

class HeadlessWindow final : public InstallerEffects, public LocationControls {
 public:
  HeadlessWindow(const ServiceHosts& hosts, const InstallOptions& choices);
  ~HeadlessWindow();
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  // Window initialisation, then `pathText` typed into the path box (when not
  // empty), then a click on the install button; runs until the wizard quits
  // and gives the exit code the installation ended with.
  int Install(const std::wstring& pathText);

  // WizardEffects on the controls and the window, printed.
  void SelectView(View view) override;
  void SelectPage(Page page) override;
  void EnableCloseButton(bool enabled) override;
  void EnableEntryButtons(bool enabled) override;
  void UpdateProgress(int percent) override;
  bool ShowMessageDialog(bool withCancel, const std::wstring& text) override;  // OK, always
  void Minimize() override;
  void ShowMinimized() override;
  void ShowNormal() override;
  // The installer's own, with a line each.
  bool LaunchInstalledBrowser() override;
  void StartDownloadWorker() override;
  // Ends the loop with the exit code of the page reached.
  void Quit() override;

  // LocationControls.
  std::wstring PathText() const override { return pathText_; }
  void SetPathText(const std::wstring& text) override { pathText_ = text; }
  void EnablePathBox(bool enabled) override;
  void SetFreeSpaceLabel(const std::wstring& text) override;

 private:
  InstallOptions ChosenOptions() override { return choices_; }
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Print(const std::string& line) const;

  InstallOptions choices_;
  HWND window_ = nullptr;
  std::wstring pathText_;
  Wizard wizard_;
  int exitCode_ = 0;
};

}  // namespace lumo::headless
