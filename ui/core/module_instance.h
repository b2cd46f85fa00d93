// The module that window classes are registered with and resources are read
// from: handed to the framework once by the entry point (which makes it the
// skin location's resource module too), the program's own module until then.
#pragma once

#include <windows.h>

namespace Veneer {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();

}  // namespace Veneer
