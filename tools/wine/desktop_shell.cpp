// desktop_shell: stands in for the desktop shell (explorer.exe on Windows)
// inside the test prefix, where wine runs none: it registers a window of its
// own as the desktop's shell window and waits until it is ended. With it,
// the installer finds a shell process whose token it can start the browser
// with, as on Windows.
#include <windows.h>

#include <cstdio>

// Exported by user32, declared by no header: what the shell itself calls.
extern "C" BOOL WINAPI SetShellWindow(HWND window);

int wmain() {
  HWND window = CreateWindowW(L"STATIC", L"desktop shell", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              nullptr, nullptr);
  if (window == nullptr || !SetShellWindow(window)) {
    std::fputs("desktop_shell: can't become the shell window\n", stderr);
    return 1;
  }
  std::puts("desktop shell ready");
  std::fflush(stdout);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
