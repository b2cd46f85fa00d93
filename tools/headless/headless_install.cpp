// headless_install: a whole installation without the skinned window. The
// install wizard runs on a message-only window: the install button is
// clicked, every message the workers post is printed in arrival order and
// handed to the wizard, and so is every effect the wizard has; on the result
// page the start button is clicked, on the error pages their OK button. The
// exit code tells how it ended: 0 installed, 1 download failed, 2 the package
// could not be started.
//
//   headless_install [--config-host H] [--stats-host H] [--options PEDT]
//                    [--temp-folder T] PATH_BOX_TEXT
//
// The hosts default to the build's; --options gives the experience plan,
// default browser, taskbar and desktop flags as four "0"/"1" characters. The
// program carries the installer's version resource, so the configuration
// service's version entries apply to it as to the installer. At the end it
// prints the package path it used.
#include <windows.h>

#include <cstdio>
#include <string>

#include "install/download_worker.h"
#include "install/package_path.h"
#include "tools/headless/headless_window.h"
#include "tools/text/utf8_text.h"

namespace {

bool ParseArguments(int argc, wchar_t** argv, lumo::ServiceHosts& hosts,
                    lumo::InstallOptions& options, std::wstring& pathText) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring name = argv[i];
    if (i + 1 < argc && name == L"--config-host") {
      hosts.configuration = lumo::tools::Utf8(argv[++i]);
    } else if (i + 1 < argc && name == L"--temp-folder") {
      // The program's own TMP and TEMP, which the temporary-folder query reads.
      SetEnvironmentVariableW(L"TMP", argv[++i]);
      SetEnvironmentVariableW(L"TEMP", argv[i]);
    } else if (i + 1 < argc && name == L"--stats-host") {
      hosts.statistics = lumo::tools::Utf8(argv[++i]);
    } else if (i + 1 < argc && name == L"--options" && std::wstring(argv[i + 1]).size() == 4) {
      const std::wstring flags = argv[++i];
      options.experiencePlan = flags[0] == L'1';
      options.defaultBrowser = flags[1] == L'1';
      options.taskbarShortcut = flags[2] == L'1';
      options.desktopShortcut = flags[3] == L'1';
    } else if (i + 1 == argc) {
      pathText = name;
    } else {
      return false;
    }
  }
  return !pathText.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  lumo::ServiceHosts hosts = lumo::BuiltInServiceHosts();
  lumo::InstallOptions choices;
  std::wstring pathText;
  if (!ParseArguments(argc, argv, hosts, choices, pathText)) {
    std::fputs(
        "usage: headless_install [--config-host H] [--stats-host H] [--options PEDT] "
        "[--temp-folder T] PATH_BOX_TEXT\n",
        stderr);
    return 64;
  }
  lumo::headless::HeadlessWindow installer(hosts, choices);
  const int exitCode = installer.Install(pathText);
  // The package runner removes the package just after its last message; a
  // window shows the result meanwhile, this program only waits a moment.
  for (int i = 0;
       i < 100 && GetFileAttributesW(lumo::PackagePath.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) {
    Sleep(50);
  }
  std::printf("package path %s\n", lumo::tools::Utf8(lumo::PackagePath).c_str());
  return exitCode;
}
