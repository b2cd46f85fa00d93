#include "install/package_path.h"

namespace lumo {

std::wstring PackagePath;

}  // namespace lumo
