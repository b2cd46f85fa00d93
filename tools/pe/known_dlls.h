// The DLLs that Windows always takes from the system, whatever lies beside
// the program: the known DLLs common to Windows 7 and to current Windows (10
// and 11), and ntdll, which every process has mapped before it starts.
// wininet, urlmon and iertutil were known DLLs on Windows 7 and are no longer;
// gdiplus and combase are on current Windows only. Platform-neutral.
#pragma once

#include <string>

namespace lumo::pe {

// Case-insensitive, with the ".dll" suffix: "KERNEL32.dll" is known.
bool IsKnownDll(const std::string& name);

}  // namespace lumo::pe
