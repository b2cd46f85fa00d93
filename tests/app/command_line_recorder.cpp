// Stands in for the installed browser: writes the command line it was started
// with, as UTF-16, to "<its own path>.cmdline". The file appears whole (it is
// written aside and then renamed), so a test may read it as soon as it exists.
#include <windows.h>

#include <string>

int main() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  const std::wstring record = std::wstring(self, length) + L".cmdline";
  const std::wstring partial = record + L".partial";

  const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const wchar_t* commandLine = GetCommandLineW();
  const DWORD bytes = static_cast<DWORD>(lstrlenW(commandLine) * sizeof(wchar_t));
  DWORD written = 0;
  const bool ok = WriteFile(file, commandLine, bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  return ok && MoveFileW(partial.c_str(), record.c_str()) ? 0 : 1;
}
