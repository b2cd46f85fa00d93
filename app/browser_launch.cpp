#include "app/browser_launch.h"

#include <windows.h>

#include "app/format_wide.h"
#include "app/launch_command.h"
#include "app/launch_command_text.h"
#include "common/scoped_handle.h"
#include "install/browser_contract.h"

namespace lumo {
namespace {

constexpr DWORD kCreationFlags = CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS;
static_assert(kCreationFlags == 0x08000020);

// The desktop shell's process token, opened for duplication; empty when
// there is no shell or its token can't be had.
KernelHandle ShellProcessToken() {
  const HWND shell = GetShellWindow();
  DWORD processId = 0;
  if (shell == nullptr || GetWindowThreadProcessId(shell, &processId) == 0 || processId == 0) {
    return KernelHandle();
  }
  const KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  KernelHandle token;
  if (!process || !OpenProcessToken(process.get(), TOKEN_DUPLICATE, token.receive())) {
    return KernelHandle();
  }
  return token;
}

}  // namespace

bool LaunchInstalledBrowser() {
  const std::wstring command = FindLaunchCommand();
  if (command.empty()) return false;
  const std::wstring application = ApplicationFromLaunchCommand(command);
  LaunchUnelevated(application,
                   FormatWide(L"\"%s\" %s", application.c_str(), contract::kLaunchTypeSwitch));
  return true;
}

bool LaunchUnelevated(const std::wstring& application, const std::wstring& commandLine) {
  const KernelHandle shellToken = ShellProcessToken();
  if (!shellToken) return false;
  KernelHandle token;
  if (!DuplicateTokenEx(shellToken.get(), TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation,
                        TokenPrimary, token.receive())) {
    return false;
  }

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION created = {};
  std::wstring writableCommandLine = commandLine;  // the call may write into it
  if (!CreateProcessWithTokenW(token.get(), 0, application.c_str(), writableCommandLine.data(),
                               kCreationFlags, nullptr, nullptr, &startup, &created)) {
    return false;
  }
  // Neither waited for nor watched.
  const KernelHandle thread(created.hThread);
  const KernelHandle process(created.hProcess);
  return true;
}

}  // namespace lumo
