// window_probe: what the test prefix's desktop shows, seen from outside the
// installer, for the end-to-end tests on the Linux side.
//
//   window_probe list          every top-level window, topmost first
//   window_probe watch HWND MS the window's distinct rectangles over MS ms
//
// `list` prints one tab-separated line a window: handle, process id, class,
// title (UTF-8), left, top, right, bottom, flags (v visible, e enabled,
// i minimised, l layered), owner, the active and the focused window of the
// window's thread; then "foreground" and the foreground window. `watch`
// prints each rectangle that differs from the one before it, as
// "left top right bottom".
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
  return result;
}

void* Handle(HWND window) {
  return reinterpret_cast<void*>(window);
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
  wchar_t className[256] = {}, title[512] = {};
  GetClassNameW(window, className, 256);
  GetWindowTextW(window, title, 512);
  RECT rect = {};
  GetWindowRect(window, &rect);
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &process);
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  std::string flags;
  if (IsWindowVisible(window)) flags += 'v';
  if (IsWindowEnabled(window)) flags += 'e';
  if (IsIconic(window)) flags += 'i';
  if (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) flags += 'l';
  std::printf("%p\t%lu\t%s\t%s\t%ld\t%ld\t%ld\t%ld\t%s\t%p\t%p\t%p\n", Handle(window),
              static_cast<unsigned long>(process), Utf8(className).c_str(), Utf8(title).c_str(),
              rect.left, rect.top, rect.right, rect.bottom, flags.empty() ? "-" : flags.c_str(),
              Handle(GetWindow(window, GW_OWNER)), Handle(info.hwndActive), Handle(info.hwndFocus));
  return TRUE;
}

int Watch(HWND window, DWORD milliseconds) {
  RECT last = {};
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) return 1;
    if (!EqualRect(&rect, &last)) {
      std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
      std::fflush(stdout);
      last = rect;
    }
    Sleep(5);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"list" && argc == 2) {
    EnumWindows(PrintWindow, 0);
    std::printf("foreground\t%p\n", Handle(GetForegroundWindow()));
    return 0;
  }
  if (command == L"watch" && argc == 4) {
    const HWND window = reinterpret_cast<HWND>(std::wcstoull(argv[2], nullptr, 16));
    return Watch(window, std::wcstoul(argv[3], nullptr, 10));
  }
  std::fputs("usage: window_probe list | window_probe watch HWND MS\n", stderr);
  return 64;
}
