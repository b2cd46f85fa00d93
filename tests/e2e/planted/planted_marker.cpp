// A DLL planted beside a program under the name of a system DLL. When a
// process loads it, it leaves an empty file "<its own path>.loaded" beside
// itself; that is all it does.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) int LumoPlantedProbe() {
  return 42;
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  const std::wstring marker = std::wstring(path, length) + L".loaded";
  const HANDLE file =
      CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
