// The package's command line: five switches in a fixed order, each after one
// space, the folder inserted verbatim (unquoted even with spaces: the
// package finds its end at the switch that follows). Platform-neutral.
#pragma once

#include <string>

#include "install/install_options.h"

namespace lumo {

std::wstring PackageParameters(const InstallOptions& options);

}  // namespace lumo
