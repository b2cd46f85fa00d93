// headless_install: a whole installation without the skinned window. A
// message-only window receives the workers' messages; each is printed in
// arrival order, one line each, and drives the installation on as the
// installer window does: WM_DOWNLOAD_DONE starts the package run, the end of
// the run ends the program.
//
//   headless_install [--config-host H] [--stats-host H] [--options PEDT]
//                    [--temp-folder T] INSTALL_FOLDER
//
// The hosts default to the build's; --options gives the experience plan,
// default browser, taskbar and desktop flags as four "0"/"1" characters. The
// program carries the installer's version resource, so the configuration
// service's version entries apply to it as to the installer. At the end it
// prints the package path it used.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/install_options.h"
#include "app/window_messages.h"
#include "install/download_worker.h"
#include "install/package_path.h"
#include "install/package_runner.h"

namespace {

struct Session {
  lumo::InstallOptions options;
  int exitCode = 0;
};

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

void Print(const char* line, WPARAM value) {
  std::printf("%s %lld\n", line, static_cast<long long>(value));
  std::fflush(stdout);
}

void Finish(Session& session, int exitCode) {
  session.exitCode = exitCode;
  PostQuitMessage(exitCode);
}

LRESULT CALLBACK SessionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_DOWNLOAD_PROGRESS: Print("WM_DOWNLOAD_PROGRESS", wParam); return 0;
    case WM_DOWNLOAD_FAILED:
      Print("WM_DOWNLOAD_FAILED", wParam);
      Finish(*session, 1);
      return 0;
    case WM_DOWNLOAD_DONE:
      Print("WM_DOWNLOAD_DONE", wParam);
      if (!lumo::StartPackageRunner(window, session->options)) Finish(*session, 3);
      return 0;
    case WM_INSTALL_DONE:
      Print("WM_INSTALL_DONE", wParam);
      Finish(*session, 0);
      return 0;
    case WM_INSTALL_FAILED:
      Print("WM_INSTALL_FAILED", wParam);
      Finish(*session, 2);
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool ParseArguments(int argc, wchar_t** argv, lumo::ServiceHosts& hosts,
                    lumo::InstallOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (i + 1 < argc && name == L"--config-host") {
      hosts.configuration = Narrow(argv[++i]);
    } else if (i + 1 < argc && name == L"--temp-folder") {
      // The program's own TMP and TEMP, which the temporary-folder query reads.
      SetEnvironmentVariableW(L"TMP", argv[++i]);
      SetEnvironmentVariableW(L"TEMP", argv[i]);
    } else if (i + 1 < argc && name == L"--stats-host") {
      hosts.statistics = Narrow(argv[++i]);
    } else if (i + 1 < argc && name == L"--options" && std::wstring(argv[i + 1]).size() == 4) {
      const std::wstring flags = argv[++i];
      options.experiencePlan = flags[0] == L'1';
      options.defaultBrowser = flags[1] == L'1';
      options.taskbarShortcut = flags[2] == L'1';
      options.desktopShortcut = flags[3] == L'1';
    } else if (i + 1 == argc) {
      options.installPath = name;
    } else {
      return false;
    }
  }
  return !options.installPath.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Session session;
  session.options = {L"", true, true, true, true};
  lumo::ServiceHosts hosts = lumo::BuiltInServiceHosts();
  if (!ParseArguments(argc, argv, hosts, session.options)) {
    std::fputs(
        "usage: headless_install [--config-host H] [--stats-host H] [--options PEDT] "
        "[--temp-folder T] INSTALL_FOLDER\n",
        stderr);
    return 64;
  }
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = SessionProc;
  windowClass.lpszClassName = L"LumoHeadlessInstall";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"LumoHeadlessInstall", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&session));
  std::printf("install folder %s\n", Narrow(session.options.installPath).c_str());
  if (!lumo::StartDownloadWorker(window, hosts)) return 3;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window);
  // The package runner removes the package just after its last message; a
  // window shows the result meanwhile, this program only waits a moment.
  for (int i = 0;
       i < 100 && GetFileAttributesW(lumo::PackagePath.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
    Sleep(50);
  }
  std::printf("package path %s\n", Narrow(lumo::PackagePath).c_str());
  return session.exitCode;
}
