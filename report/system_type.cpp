#include "report/system_type.h"

#include <cstdio>

namespace lumo {

std::string SystemTypeNameFor(unsigned long platformId, unsigned long major, unsigned long minor,
                              const std::function<unsigned long()>& ntMajorVersion) {
  if (platformId != kWin32NtPlatform) return "";
  if (major == 5) return minor == 1 || minor == 2 ? "WinXP" : "";
  if (major == 6) {
    if (minor == 0) return "";
    if (minor == 1) return "Win7";
    return ntMajorVersion() == 10 ? "Win10" : "Win8";
  }
  return major >= 10 ? "Win10" : "";
}

std::string FileVersionText(std::uint32_t versionMs, std::uint32_t versionLs) {
  char text[24];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned>(versionMs >> 16),
                static_cast<unsigned>(versionMs & 0xFFFF), static_cast<unsigned>(versionLs >> 16),
                static_cast<unsigned>(versionLs & 0xFFFF));
  return text;
}

}  // namespace lumo
