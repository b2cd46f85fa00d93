#include "tests/ui/support/resource_count.h"

namespace Veneer::test {
namespace {

BOOL CALLBACK CountOwnWindow(HWND hwnd, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == GetCurrentProcessId()) ++*reinterpret_cast<DWORD*>(data);
  return TRUE;
}

}  // namespace

// GetGuiResources and GetProcessHandleCount answer 0 under wine; there the
// objects are counted by probing: wine's GDI accepts a handle's bare table
// index, kernel handles are small multiples of 4, and the USER objects that
// matter are the process's windows.
DWORD CountGdiObjects() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count != 0) return count;
  for (ULONG_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++count;
  }
  return count;
}

DWORD CountUserObjects() {
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (count != 0) return count;
  EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

DWORD CountKernelHandles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0) return count;
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

Resources CountResources() {
  return {CountGdiObjects(), CountUserObjects(), CountKernelHandles()};
}

}  // namespace Veneer::test
