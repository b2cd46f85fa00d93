// The private window messages: the whole contract between the worker threads
// and the installer window. Workers only ever post them (never send) to the
// installer window's handle; the window acts on each whenever it arrives,
// whatever page it shows. Platform-neutral: the ids are plain numbers, and
// private_messages_win.cpp checks them against <windows.h>.
//
// | message                | wParam                         | posted by                     |
// |------------------------|--------------------------------|-------------------------------|
// | WM_DOWNLOAD_PROGRESS   | percent received, 0 to 100     | DownloadWorker, every chunk   |
// |                        | (0 while no length is known)   |                               |
// | WM_DOWNLOAD_DONE       | last percent, not used         | DownloadWorker, once: package |
// |                        |                                | complete, closed, PackagePath |
// |                        |                                | set                           |
// | WM_DOWNLOAD_FAILED     | 0                              | DownloadWorker, once: query   |
// |                        |                                | or download failed            |
// | WM_INSTALL_DONE        | 0                              | PackageRunner, once: the      |
// |                        |                                | package ran and ended         |
// | WM_INSTALL_FAILED      | 0                              | PackageRunner, once: the      |
// |                        |                                | package could not be started  |
// | WM_ACTIVATE_INSTANCE   | 0                              | a second installer, at start  |
//
// lParam is always 0. What the window does on each is the Wizard's
// PrivateMessage (app/wizard.h).
#pragma once

namespace lumo {

// WM_USER of <windows.h>.
inline constexpr unsigned int kWmUser = 0x0400;

inline constexpr unsigned int WM_DOWNLOAD_PROGRESS = kWmUser + 100;
inline constexpr unsigned int WM_DOWNLOAD_DONE = kWmUser + 101;
inline constexpr unsigned int WM_DOWNLOAD_FAILED = kWmUser + 102;
inline constexpr unsigned int WM_INSTALL_DONE = kWmUser + 103;
inline constexpr unsigned int WM_INSTALL_FAILED = kWmUser + 104;
inline constexpr unsigned int WM_ACTIVATE_INSTANCE = kWmUser + 105;

}  // namespace lumo
