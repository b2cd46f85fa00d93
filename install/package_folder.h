// The folder the package is downloaded into. The temporary folder is
// writable by every process of the user, and the package runs elevated: a
// link planted at a predictable name would make the installer overwrite
// another file, a DLL planted beside the package would run elevated. So the
// package gets a new folder with an unpredictable name that only
// Administrators and SYSTEM can open.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace lumo {

struct LocalFreeDeleter {
  void operator()(void* memory) const { LocalFree(memory); }
};
using SecurityDescriptor = std::unique_ptr<void, LocalFreeDeleter>;

// The folder's security: owner Administrators; a protected DACL (nothing
// inherited from the temporary folder) granting full access to
// Administrators and SYSTEM only, inherited by the package file. Null when
// it can't be made.
SecurityDescriptor PackageFolderSecurity();

// Creates the folder under the temporary folder and sets PackageFolder and
// PackagePath (the folder, "\", the current second in decimal, ".exe").
// False, with both left as they were, when the temporary folder is unknown
// or no new folder can be made. The folder is created with
// PackageFolderSecurity().
bool CreatePackageFolder();

}  // namespace lumo
