// The package run: on a thread of its own, the downloaded package is started
// elevated and hidden with the user's choices on its command line, and waited
// for without a time limit. Exactly one message goes to `window`:
// WM_INSTALL_DONE once the package's process has ended (whatever its exit
// code) or WM_INSTALL_FAILED when it can't be started. Then the package lock
// is released and the file removed.
#pragma once

#include <windows.h>

#include "install/install_options.h"

namespace lumo {

// `options` are taken on the UI thread when WM_DOWNLOAD_DONE arrives, so the
// thread reads nothing of the window. False when the thread can't start.
bool StartPackageRunner(HWND window, const InstallOptions& options);

}  // namespace lumo
