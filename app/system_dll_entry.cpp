// The program's own entry point, ahead of the C runtime's start-up. The
// installer runs elevated from wherever it was downloaded to, a folder where
// anyone may drop a DLL, and Windows looks for a DLL in the program's folder
// first. Before anything else runs (static initialisation included), DLLs are
// searched for in System32 only; every DLL that is not one of the system's
// known DLLs is imported with a delay and loaded from there as well.
// The build makes LumoGuiEntry or LumoConsoleEntry the entry point.
#include <windows.h>
#include <delayimp.h>

#include <string>

extern "C" int WinMainCRTStartup();
extern "C" int mainCRTStartup();

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

void SearchSystemFolderOnly() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto setDefaultDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefaultDirectories != nullptr && setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return;
  }
  // Windows 7 without KB2533623: at least the current folder is left out.
  SetDllDirectoryW(L"");
}

// A bare name keeps the activation context's redirection (comctl32 version 6
// of the manifest) and otherwise means System32.
HMODULE LoadSystemLibrary(const char* name) {
  const HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  // A system without the search flags: the full path.
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryA((std::string(folder, length) + "\\" + name).c_str());
}

FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
  if (notification != dliNotePreLoadLibrary) return nullptr;
  return reinterpret_cast<FARPROC>(LoadSystemLibrary(info->szDll));
}

}  // namespace

// Consulted by the C runtime's delay-load helper before it loads a DLL
// (declared by <delayimp.h>).
PfnDliHook __pfnDliNotifyHook2 = LoadDelayedFromSystemFolder;

#ifdef __i386__
#define LUMO_ENTRY __attribute__((force_align_arg_pointer))
#else
#define LUMO_ENTRY
#endif

extern "C" LUMO_ENTRY int LumoGuiEntry() {
  SearchSystemFolderOnly();
  return WinMainCRTStartup();
}

extern "C" LUMO_ENTRY int LumoConsoleEntry() {
  SearchSystemFolderOnly();
  return mainCRTStartup();
}
