// accessibility_probe: the installer's windows as a screen reader reads and
// operates them, from another process, through oleacc, for the end-to-end
// tests on the Linux side.
//
//   accessibility_probe tree HWND           the window's accessible tree
//   accessibility_probe press HWND NAME     the default action of the first
//                                           object named NAME
//   accessibility_probe events MS MARK      the WinEvents of every window;
//                                           creates the file MARK once the
//                                           hook is in place, and listens
//                                           until MARK is gone, MS ms at most
//
// `tree` prints one line an object, "role 'name' states = value", indented
// by two blanks a level; `events` one line an event, "focus 'name'"; all
// UTF-8. `press` prints nothing and fails when there is no such object or
// the action is refused.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "tests/ui/support/assistive_client.h"

namespace {

using Veneer::test::ComPtr;

void PrintLine(const std::wstring& line) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size - 1 : 0, '\0');
  if (size > 1)
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, text.data(), size, nullptr, nullptr);
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

HWND WindowOf(const wchar_t* text) {
  return reinterpret_cast<HWND>(std::wcstoull(text, nullptr, 16));
}

int Tree(HWND window) {
  ComPtr<IAccessible> client = Veneer::test::ClientObject(window);
  if (!client) return 1;
  for (const std::wstring& line : Veneer::test::WalkTree(client.Get())) PrintLine(line);
  return 0;
}

int Press(HWND window, const std::wstring& name) {
  ComPtr<IAccessible> client = Veneer::test::ClientObject(window);
  if (!client) return 1;
  ComPtr<IAccessible> object = Veneer::test::FindByName(client.Get(), name);
  if (!object) return 2;
  return SUCCEEDED(object->accDoDefaultAction(Veneer::test::Self())) ? 0 : 3;
}

// The events come as messages to this thread while it waits.
int Events(DWORD milliseconds, const wchar_t* mark) {
  Veneer::test::WinEventLog log;
  HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(file);
  size_t printed = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds &&
         GetFileAttributesW(mark) != INVALID_FILE_ATTRIBUTES) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    for (; printed < log.events.size(); ++printed) PrintLine(log.events[printed].line);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Veneer::test::ComThread com;
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"tree" && argc == 3) return Tree(WindowOf(argv[2]));
  if (command == L"press" && argc == 4) return Press(WindowOf(argv[2]), argv[3]);
  if (command == L"events" && argc == 4) return Events(std::wcstoul(argv[2], nullptr, 10), argv[3]);
  std::fputs("usage: accessibility_probe tree HWND | press HWND NAME | events MS MARK\n", stderr);
  return 64;
}
