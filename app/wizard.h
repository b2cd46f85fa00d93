// The install wizard: the installer's states, the events that move it and
// what each transition does, in order, through WizardEffects. The installer
// window turns its notifications and messages into these events; nothing
// here knows a control or a window. Runs on the window's thread only.
// Platform-neutral.
//
//   MainPage --custom link--> CustomPage --back--> MainPage
//   MainPage / CustomPage --install (folder made, space enough)--> DownloadPage
//   DownloadPage --WM_DOWNLOAD_DONE--> BusyView --WM_INSTALL_DONE--> ResultPage
//   DownloadPage --WM_DOWNLOAD_FAILED--> NetworkErrorPage
//   BusyView --WM_INSTALL_FAILED--> FailedPage
#pragma once

#include <cstdint>

#include "app/install_location.h"
#include "app/wizard_effects.h"

namespace lumo {

struct WizardState {
  View view = View::FramedView;
  Page page = Page::MainPage;
  // An existing installation was found, so the folder can't be changed.
  bool pathLocked = true;
  // The last free-space verdict: at least 500 MiB free.
  bool enoughSpace = true;
  // The installation has come to an end (download failed, package ran or
  // failed to start); closing no longer asks. Never cleared.
  bool finished = false;
  bool agreement = true;  // the agreement check box; the skin creates it selected
  bool closeEnabled = true;
  // Quit has been asked for: controls do nothing more while the message loop
  // winds down (a second click must not start a second browser).
  bool quitting = false;
};

class Wizard {
 public:
  explicit Wizard(WizardEffects& effects) : effects_(effects) {}
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  const WizardState& state() const { return state_; }

  // Window initialisation, once the path box is filled.
  void Initialize(const LocationStart& location);

  // The user's actions. Each acts only where its control is on screen and
  // enabled (the close button is disabled during the download, the busy view
  // shows no control at all); elsewhere it does nothing.
  void AgreementChanged(bool selected);  // "check_set_argee"
  void CustomLinkClicked();              // "custom_btn"
  void AgreementLinkClicked();           // "license_btn"
  void InstallClicked();                 // "install_btn", "btn_custominstall"
  void BackClicked();                    // "btn_back"
  void PathTextChanged();                // "install_path_edit"
  void BrowseClicked();                  // "change_folder_btn"
  void PrivacyLinkClicked();             // "experience_plan_btn"
  void StartBrowserClicked();            // "open_btn"
  void HelpLinkClicked();                // "install_error_btn"
  void ErrorOkClicked();                 // "btn_error_exit"
  void FailedOkClicked();                // "install_failed_btn"
  void CloseClicked();                   // "btnMainInstallPageClose"
  void MinimizeClicked();                // "btnMin"

  // Window messages, in any state. The window swallows each: none goes on to
  // the default processing.
  void SystemCloseCommand();    // WM_SYSCOMMAND with SC_CLOSE: minimises instead
  void CloseMessage();          // WM_CLOSE: ends the process at once
  void CaptionDoubleClicked();  // WM_NCLBUTTONDBLCLK: no maximise or restore

  // The private messages (install/private_messages.h), in any state. False for
  // any other message id.
  bool PrivateMessage(unsigned int message, std::uintptr_t wParam);

 private:
  // The framed view is up and quit hasn't been asked for.
  bool TakesClicks() const;
  // ... and shows `page`.
  bool Shows(Page page) const;
  void ApplySpaceVerdict(SpaceVerdict verdict);
  void InstallRequest();
  void CloseRequest();
  void Finish(Page page);
  void Quit();
  // Each changes the state and shows the change.
  void SelectView(View view);
  void SelectPage(Page page);
  void EnableCloseButton(bool enabled);

  WizardEffects& effects_;
  WizardState state_;
};

}  // namespace lumo
