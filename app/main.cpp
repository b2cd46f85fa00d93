// The installer's entry point: one installer at a time, then the installer
// window and the message loop until the wizard quits.
#include <windows.h>

#include "app/single_instance.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const lumo::InstanceMutex mutex;
  if (mutex.AnotherInstanceRuns()) {
    lumo::ActivateFirstInstance();
    return 0;
  }
  return 0;
}
