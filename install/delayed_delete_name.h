// The name a locked package is moved to before it is scheduled for deletion
// at the next restart. Platform-neutral.
#pragma once

#include <cstdint>
#include <string>

namespace lumo {

// `path` cut after its first ".tmp" (or with ".tmp" appended when it has
// none), followed by `tickCount` in lower-case hexadecimal:
// C:\Temp\123.exe at 0xabc gives C:\Temp\123.exe.tmpabc.
std::wstring DelayedDeleteName(const std::wstring& path, std::uint32_t tickCount);

}  // namespace lumo
