// Provisional: replaced by the wizard's message table.
#pragma once
constexpr unsigned WM_DOWNLOAD_PROGRESS = 0x0400 + 100;
constexpr unsigned WM_DOWNLOAD_DONE = 0x0400 + 101;
constexpr unsigned WM_DOWNLOAD_FAILED = 0x0400 + 102;
constexpr unsigned WM_INSTALL_DONE = 0x0400 + 103;
constexpr unsigned WM_INSTALL_FAILED = 0x0400 + 104;
constexpr unsigned WM_ACTIVATE_INSTANCE = 0x0400 + 105;
