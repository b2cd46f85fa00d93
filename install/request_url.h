// The URL a WinINet request stands at: after InternetOpenUrlW, the one its
// redirects ended at.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

namespace lumo {

// "" when the handle can't tell.
std::wstring RequestUrl(HINTERNET request);

}  // namespace lumo
