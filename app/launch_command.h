// The browser's launch command, which the package leaves under
// HKEY_CLASSES_ROOT (install/browser_contract.h), read for the two uses the
// installer has for it. The two searches differ on purpose in what stops
// them. A command is taken up to its first NUL: a multi-string gives its
// first string, and a NUL inside a value hides what follows from Windows
// anyway.
#pragma once

#include <string>

namespace lumo {

// The folder of an existing installation, or "". The first key that can be
// read decides, even when its value is empty or not a string; a key without
// the value passes the search on.
std::wstring FindExistingInstallDir();

// The command to start the installed browser, or "": the first key that
// gives a non-empty command.
std::wstring FindLaunchCommand();

}  // namespace lumo
