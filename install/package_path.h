// The process-wide place of the downloaded package: a private folder under
// the temporary folder, and the package file in it. The download worker sets
// both before it posts WM_DOWNLOAD_DONE; the package runner and the removal
// helpers read them afterwards, so the order of the posted messages orders
// every access.
#pragma once

#include <string>

namespace lumo {

extern std::wstring PackageFolder;  // "" until a folder has been made
extern std::wstring PackagePath;

}  // namespace lumo
