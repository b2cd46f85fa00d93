// Counts of the process's GDI objects, windows and kernel handles, for tests
// that open and close many windows and expect nothing left behind.
#pragma once

#include <windows.h>

namespace Veneer::test {

struct Resources {
  DWORD gdi = 0;
  DWORD user = 0;
  DWORD kernel = 0;
};

DWORD CountGdiObjects();
DWORD CountUserObjects();
DWORD CountKernelHandles();
Resources CountResources();

}  // namespace Veneer::test
