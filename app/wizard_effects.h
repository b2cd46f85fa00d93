// Everything the install wizard does to the world outside its own state goes
// through this interface: the installer window implements it on its controls
// and threads, a headless driver on whatever stands in for them. Every call
// comes on the window's thread, in the order the wizard's transitions give.
// Platform-neutral.
#pragma once

#include <string>

#include "app/free_space.h"

namespace lumo {

// The top-level views ("wizardTabTop"), by index.
enum class View { FramedView = 0, BusyView = 1 };

// The pages of the framed view ("wizardTab"), by index.
enum class Page {
  MainPage = 0,
  CustomPage = 1,
  DownloadPage = 2,
  ResultPage = 3,
  NetworkErrorPage = 4,
  FailedPage = 5,
};

enum class WebPage { Agreement, Privacy, ErrorHelp };

class WizardEffects {
 public:
  // The controls.
  virtual void SelectView(View view) = 0;
  virtual void SelectPage(Page page) = 0;
  virtual void EnableCloseButton(bool enabled) = 0;
  // The install button of the main page and the link to the custom page.
  virtual void EnableEntryButtons(bool enabled) = 0;
  // The progress label shows any value; the bar only 0 to 100.
  virtual void UpdateProgress(int percent) = 0;
  virtual void OpenWebPage(WebPage page) = 0;
  // Modal; true when the user chose OK.
  virtual bool ShowMessageDialog(bool withCancel, const std::wstring& text) = 0;

  // The install folder (InstallLocation's operations of the same names).
  // The two updates give the new free-space verdict; Unchanged leaves the
  // wizard's enoughSpace as it was.
  virtual std::wstring GetInstallPath() = 0;
  virtual SpaceVerdict UpdateFreeSpace() = 0;
  virtual SpaceVerdict BrowseForFolder() = 0;
  // True if the folder exists afterwards.
  virtual bool CreateDirectoryChain(const std::wstring& path) = 0;
  // True when a launch command was found and a start attempted.
  virtual bool LaunchInstalledBrowser() = 0;

  // The workers, each on a new thread whose handle is dropped and that
  // nobody waits for. DownloadWorker gets the window's handle; PackageRunner
  // the window, or the InstallOptions taken now (nothing can change them
  // while the busy view shows).
  virtual void StartDownloadWorker() = 0;
  virtual void StartPackageRunner() = 0;

  // The window.
  virtual void Minimize() = 0;       // the minimise button: WM_SYSCOMMAND, SC_MINIMIZE
  virtual void ShowMinimized() = 0;  // ShowWindow(SW_SHOWMINIMIZED)
  virtual void ShowNormal() = 0;     // ShowWindow(SW_SHOWNORMAL), if the window exists
  virtual void Quit() = 0;           // PostQuitMessage(0): the message loop ends
  virtual void EndAtOnce() = 0;      // ExitProcess(0)

 protected:
  ~WizardEffects() = default;
};

}  // namespace lumo
