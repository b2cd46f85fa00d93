// What the user chose for the installation: the folder (always ending in the
// product folder) and the four options handed to the package.
#pragma once

#include <string>

namespace lumo {

struct InstallOptions {
  std::wstring installPath;
  bool experiencePlan = false;
  bool defaultBrowser = false;
  bool taskbarShortcut = false;
  bool desktopShortcut = false;
};

}  // namespace lumo
