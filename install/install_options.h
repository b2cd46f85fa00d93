// The user's install choices, put on the package's command line. Taken when
// the package runner starts, after the download (the busy view then shows no
// control that could change them), not when the install button is clicked.
#pragma once

#include <string>

namespace lumo {

struct InstallOptions {
  std::wstring installFolder;   // InstallLocation::GetInstallPath: ends in the product folder
  bool experiencePlan = true;   // "check_set_experience_plan"
  bool defaultBrowser = true;   // "check_set_browser"
  bool taskbarShortcut = true;  // "check_set_startbar"
  bool desktopShortcut = true;  // "check_set_desktop"
};

}  // namespace lumo
