// The process-wide path of the downloaded package in the temporary folder.
// The download worker sets it before it posts WM_DOWNLOAD_DONE; the package
// runner and the removal helpers read it afterwards, so the order of the
// posted messages orders every access.
#pragma once

#include <string>

namespace lumo {

extern std::wstring PackagePath;

}  // namespace lumo
