// The demo browser, installed by the demo package as Nebrix.exe: it records
// its command line in browser-receipt.txt beside itself and shows it in a
// small window that closes on its own after a few seconds.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "tools/demo/demo_receipt.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\'));
}

LRESULT CALLBACK BrowserProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      InflateRect(&client, -12, -12);
      DrawTextW(dc, GetCommandLineW(), -1, &client, DT_WORDBREAK | DT_NOPREFIX);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

UINT ShownMilliseconds() {
  const char* seconds = std::getenv("LUMO_DEMO_BROWSER_SECONDS");
  return 1000u * static_cast<UINT>(seconds != nullptr ? std::atoi(seconds) : 3);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  lumo::demo::Receipt receipt;
  receipt.Add(L"command line", GetCommandLineW());
  receipt.Save(OwnFolder() + L"\\browser-receipt.txt");

  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = BrowserProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"LumoDemoBrowser";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowW(L"LumoDemoBrowser", L"Lumo demo browser", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, 520, 200, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  SetTimer(window, kCloseTimer, ShownMilliseconds(), nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
