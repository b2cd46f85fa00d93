#include "install/package_path.h"

namespace lumo {

std::wstring PackageFolder;
std::wstring PackagePath;

}  // namespace lumo
