// The decision rules of the system description, apart from the version
// queries that feed them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lumo {

constexpr unsigned long kWin32NtPlatform = 2;

// "WinXP", "Win7", "Win8", "Win10" or "" for the version numbers the system
// reports. A program that declares itself for Windows 7 at the newest is
// told 6.2 by every later system, so for 6.2 and above the true major
// version decides: `ntMajorVersion` is asked only then, and 0 means unknown.
std::string SystemTypeNameFor(unsigned long platformId, unsigned long major, unsigned long minor,
                              const std::function<unsigned long()>& ntMajorVersion);

// "major.minor.build.revision" of a fixed file version's two double words.
std::string FileVersionText(std::uint32_t versionMs, std::uint32_t versionLs);

}  // namespace lumo
