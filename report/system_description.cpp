#include "report/system_description.h"

#include <windows.h>

#include <vector>

#include "common/scoped_handle.h"
#include "report/system_type.h"

namespace lumo {
namespace {

// The true major version, which the system tells every program alike.
unsigned long NtMajorVersion() {
  using VersionNumbers = void(WINAPI*)(DWORD*, DWORD*, DWORD*);
  DWORD major = 0, minor = 0, build = 0;
  const Library ntdll(LoadLibraryW(L"ntdll.dll"));
  if (!ntdll) return 0;
  const auto numbers = reinterpret_cast<VersionNumbers>(
      reinterpret_cast<void*>(GetProcAddress(ntdll.get(), "RtlGetNtVersionNumbers")));
  if (numbers != nullptr) numbers(&major, &minor, &build);
  return major;
}

}  // namespace

std::string GetOsFileVersion() {
  const wchar_t kFile[] = L"kernel32.dll";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(kFile, &ignored);
  if (size == 0) return std::string();
  std::vector<unsigned char> block(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoW(kFile, 0, size, block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return std::string();
  }
  return FileVersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

std::string GetSystemTypeName() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return std::string();
  return SystemTypeNameFor(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                           NtMajorVersion);
}

}  // namespace lumo
