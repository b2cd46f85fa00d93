#include "install/file_system.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/scoped_handle.h"
#include "install/delayed_delete_name.h"
#include "install/package_path.h"

namespace lumo {
namespace {

std::wstring WithoutTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace

bool DirectoryExists(const std::wstring& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(WithoutTrailingBackslash(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDirectoryChain(const std::wstring& path) {
  if (DirectoryExists(path)) return true;

  // Walk up to the nearest existing ancestor, collecting the missing names.
  std::wstring existing = path;
  std::vector<std::wstring> missing;
  do {
    existing = WithoutTrailingBackslash(existing);
    if (existing.size() < 2) return false;
    const std::size_t separator = existing.rfind(L'\\', existing.size() - 2);
    if (separator == std::wstring::npos) return false;
    missing.push_back(existing.substr(separator + 1));
    existing.resize(separator);
  } while (!DirectoryExists(existing));

  for (auto name = missing.rbegin(); name != missing.rend(); ++name) {
    existing += L'\\';
    existing += *name;
    if (!CreateDirectoryW(existing.c_str(), nullptr)) return false;
  }
  return true;
}

std::wstring GetFileVersionString(const std::wstring& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::wstring();
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::wstring();

  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
      info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
    return std::wstring();
  }
  wchar_t text[64];
  swprintf(text, sizeof text / sizeof *text, L"%u.%u.%u.%u", HIWORD(info->dwFileVersionMS),
           LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
           LOWORD(info->dwFileVersionLS));
  return text;
}

void DeletePackageFile() {
  WIN32_FIND_DATAW found;
  {
    FindHandle search(FindFirstFileW(PackagePath.c_str(), &found));
    if (!search) return;
  }
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
  if (DeleteFileW(PackagePath.c_str())) return;
  ScheduleDeleteOnRestart();
}

void ScheduleDeleteOnRestart() {
  const std::wstring moved = DelayedDeleteName(PackagePath, GetTickCount());
  if (!MoveFileW(PackagePath.c_str(), moved.c_str())) return;
  MoveFileExW(moved.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

}  // namespace lumo
