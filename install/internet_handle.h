// Owning wrapper of WinINet handles (the session and each request).
#pragma once

#include <windows.h>
#include <wininet.h>

#include "common/scoped_handle.h"

namespace lumo {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { InternetCloseHandle(handle); }
};

using InternetHandle = ScopedHandle<InternetHandleTraits>;

}  // namespace lumo
