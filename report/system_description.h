// The system description of the event report (Windows only): narrow texts,
// computed at every call, "" when they can't be found out.
#pragma once

#include <string>

namespace lumo {

// The file version of kernel32.dll, "major.minor.build.revision". It can
// differ from the version numbers the system reports to the program.
std::string GetOsFileVersion();

// "WinXP", "Win7", "Win8", "Win10" or "".
std::string GetSystemTypeName();

}  // namespace lumo
