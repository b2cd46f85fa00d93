// The bytes of a resource of a module, mapped for as long as the module is
// loaded (for the program itself: the whole process).
#pragma once

#include <windows.h>

namespace Veneer {

// None when the resource is missing, can't be loaded or is empty.
inline const unsigned char* LockedResource(HMODULE module, const wchar_t* type, const wchar_t* id,
                                           DWORD* size) {
  const HRSRC resource = id != nullptr ? FindResourceW(module, id, type) : nullptr;
  const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  *size = loaded != nullptr ? SizeofResource(module, resource) : 0;
  return *size > 0 ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
}

}  // namespace Veneer
