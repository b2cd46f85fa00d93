// The demo package's reading of the command line the installer gives it:
// five switches in a fixed order, the install folder unquoted, so the folder
// ends only where the switch that follows it begins.
#pragma once

#include <string>

namespace lumo::demo {

struct PackageSwitches {
  std::wstring installPath;
  bool experiencePlan = false;
  bool defaultBrowser = false;
  bool taskbarShortcut = false;
  bool desktopShortcut = false;
};

// Reads the switches from the whole command line (the program's own path
// first). False unless all five are there, in order, each flag "0" or "1",
// with nothing after the last one.
bool ParsePackageSwitches(const std::wstring& commandLine, PackageSwitches& switches);

}  // namespace lumo::demo
