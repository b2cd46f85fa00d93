// What the browser's launch command, as the package leaves it in the
// registry, means to the installer. Platform-neutral.
#pragma once

#include <string>

namespace lumo {

// The installation folder the command names: double quotes removed, the
// earlier product name turned into the current one, "\Nebrix.exe" removed.
//   "C:\Program Files (x86)\LumoBrowser\Nebrix.exe" -> C:\Program Files (x86)\LumoGameBrowser
std::wstring InstallDirFromLaunchCommand(const std::wstring& command);

// The browser's program file: the command with its double quotes removed.
std::wstring ApplicationFromLaunchCommand(const std::wstring& command);

}  // namespace lumo
