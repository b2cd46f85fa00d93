// The installer's entry point. Start-up is a skeleton until the installer
// window exists: it returns at once.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return 0;
}
