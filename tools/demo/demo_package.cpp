// The demo package: the other side of the installer's package contract. It
// reads its five switches, installs the demo browser it carries as
// Nebrix.exe into the install folder, leaves the browser's launch command in
// the registry, makes a desktop shortcut when asked, writes a receipt of what
// it received into the install folder, and exits with the chosen code
// (LUMO_DEMO_PACKAGE_EXIT), when a test lets it go on (LUMO_DEMO_PACKAGE_HOLD).
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "install/browser_contract.h"
#include "tools/demo/demo_receipt.h"
#include "tools/demo/package_switches.h"

#ifndef LUMO_DEMO_PACKAGE_EXIT_CODE
#define LUMO_DEMO_PACKAGE_EXIT_CODE 0
#endif

namespace {

constexpr int kEmbeddedBrowserId = 1;

bool ExtractBrowser(const std::wstring& target) {
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(kEmbeddedBrowserId), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return false;
  const DWORD size = SizeofResource(nullptr, resource);
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  return CloseHandle(file) && ok;
}

bool WriteLaunchCommand(const std::wstring& browser) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, lumo::contract::kLaunchCommandKeys[0], 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring command = L"\"" + browser + L"\"";
  const LONG result = RegSetValueExW(key, lumo::contract::kLaunchCommandValue, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(command.c_str()),
                                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool CreateDesktopShortcut(const std::wstring& browser) {
  wchar_t desktop[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop))) return false;
  if (FAILED(CoInitialize(nullptr))) return false;
  bool saved = false;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    link->SetPath(browser.c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      const std::wstring path = std::wstring(desktop) + L"\\Lumo Game Browser.lnk";
      saved = SUCCEEDED(file->Save(path.c_str(), TRUE));
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return saved;
}

// LUMO_DEMO_PACKAGE_HOLD names a file: the package waits (at most a minute)
// until it exists, so that a test can look at the installer while a package
// runs.
void WaitForRelease() {
  wchar_t gate[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LUMO_DEMO_PACKAGE_HOLD", gate, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  for (int i = 0; i < 3000 && GetFileAttributesW(gate) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(20);
}

int ExitCode() {
  const char* chosen = std::getenv("LUMO_DEMO_PACKAGE_EXIT");
  return chosen != nullptr ? std::atoi(chosen) : LUMO_DEMO_PACKAGE_EXIT_CODE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring commandLine = GetCommandLineW();
  lumo::demo::PackageSwitches switches;
  lumo::demo::Receipt receipt;
  receipt.Add(L"command line", commandLine);
  WaitForRelease();
  const int exitCode = ExitCode();
  if (!lumo::demo::ParsePackageSwitches(commandLine, switches)) {
    receipt.Add(L"result", L"malformed switches");
    receipt.Save(L"package-receipt.txt");
    return 3;
  }
  const std::wstring browser = switches.installPath + lumo::contract::kBrowserProgramSuffix;
  SHCreateDirectoryExW(nullptr, switches.installPath.c_str(), nullptr);
  receipt.Add(L"install path", switches.installPath);
  receipt.AddFlag(L"experience plan", switches.experiencePlan);
  receipt.AddFlag(L"default browser", switches.defaultBrowser);
  receipt.AddFlag(L"taskbar shortcut", switches.taskbarShortcut);
  receipt.AddFlag(L"desktop shortcut", switches.desktopShortcut);
  receipt.AddFlag(L"browser installed", ExtractBrowser(browser));
  receipt.AddFlag(L"launch command written", WriteLaunchCommand(browser));
  if (switches.desktopShortcut) {
    receipt.AddFlag(L"desktop shortcut created", CreateDesktopShortcut(browser));
  }
  receipt.Add(L"exit code", std::to_wstring(exitCode));
  receipt.Save(switches.installPath + L"\\package-receipt.txt");
  return exitCode;
}
