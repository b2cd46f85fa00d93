// The download worker: on a thread of its own it sends the install event
// report, asks the configuration service which package to fetch, downloads
// that package to PackagePath and seals it against replacement. It reports
// only by posting WM_DOWNLOAD_PROGRESS after every chunk, then either
// WM_DOWNLOAD_DONE or exactly one WM_DOWNLOAD_FAILED, to `window`.
#pragma once

#include <windows.h>

#include "install/service_hosts.h"

namespace lumo {

// Starts the worker; its thread handle is dropped at once and nobody waits
// for it. False when the thread can't be created.
bool StartDownloadWorker(HWND window, const ServiceHosts& hosts = BuiltInServiceHosts());

}  // namespace lumo
