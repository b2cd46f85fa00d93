// Reading the configuration service's reply: a JSON array of entries, each
// with "status" (0: for one installer version, 1: default), "version" and
// "files" (the package URL). Platform-neutral.
#pragma once

#include <string>

namespace lumo {

// The package URL the reply offers to the installer of `installerVersion`:
// the last status-0 entry whose "version" equals it byte for byte, unless
// its "files" is empty; otherwise the last default entry's; otherwise "".
// Text that is not JSON, or not an array (null counts as an empty one),
// offers nothing.
std::string ChoosePackageUrl(const std::string& reply, const std::string& installerVersion);

}  // namespace lumo
