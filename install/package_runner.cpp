#include "install/package_runner.h"

#include <shellapi.h>

#include <memory>
#include <string>

#include "common/scoped_handle.h"
#include "install/browser_contract.h"
#include "install/detached_thread.h"
#include "install/file_system.h"
#include "install/package_lock.h"
#include "install/package_parameters.h"
#include "install/package_path.h"
#include "install/private_messages.h"

namespace lumo {
namespace {

struct Run {
  HWND window;
  InstallOptions options;
};

// Starts the package and waits for its end; false when it can't start.
bool RunPackage(const InstallOptions& options) {
  const std::wstring parameters = PackageParameters(options);
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = contract::kPackageVerb;
  info.lpFile = PackagePath.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_HIDE;
  if (!ShellExecuteExW(&info)) return false;
  const KernelHandle process(info.hProcess);
  if (process) WaitForSingleObject(process.get(), INFINITE);
  return true;
}

DWORD PackageRunner(Run& run) {
  const bool started = RunPackage(run.options);
  PostMessageW(run.window, started ? WM_INSTALL_DONE : WM_INSTALL_FAILED, 0, 0);
  PackageLock().reset();
  DeletePackageFile();
  return 0;
}

}  // namespace

bool StartPackageRunner(HWND window, const InstallOptions& options) {
  return StartDetachedThread<Run, PackageRunner>(std::make_unique<Run>(Run{window, options}));
}

}  // namespace lumo
