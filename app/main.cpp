// The installer's entry point: one installer at a time, then the installer
// window and the framework's message loop until the wizard quits.
#include <windows.h>

#include "app/installer_window.h"
#include "app/single_instance.h"
#include "ui/controls/shadow_window.h"
#include "ui/core/module_instance.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Held until the message loop has ended.
  const lumo::InstanceMutex mutex;
  if (mutex.AnotherInstanceRuns()) {
    lumo::ActivateFirstInstance();
    return 0;
  }
  Veneer::SetModuleInstance(instance);
  Veneer::CShadowUI::Initialize(instance);

  // Creation builds the skin and runs the window's initialisation; the
  // object deletes itself with its window.
  auto* installer = new lumo::CBrowserPlugInstallWnd();
  const HWND window =
      installer->Create(nullptr, lumo::kInstallerTitle, WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        WS_EX_STATICEDGE | WS_EX_APPWINDOW, 0, 0, 0, 0);
  if (window == nullptr) return 0;
  installer->CenterOnMonitor();
  if (IsWindow(window)) ShowWindow(window, SW_SHOWNORMAL);
  Veneer::PaintManager::RunMessageLoop();
  return 0;
}
