#include "tests/support/temp_folder.h"

#include <windows.h>

#include <vector>

namespace lumo::test {
namespace {

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, temp);
  std::wstring base(temp, length);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  for (unsigned attempt = GetTickCount() ^ GetCurrentProcessId();; ++attempt) {
    path_ = base + L"\\lumo-test-" + std::to_wstring(attempt);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() {
  RemoveTree(path_);
}

std::wstring TempFolder::operator/(const std::wstring& relative) const {
  return path_ + L"\\" + relative;
}

bool WriteFile(const std::wstring& path, const std::string& contents) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == contents.size();
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ExecutableFolder() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length =
      GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring path(buffer.data(), length);
  return path.substr(0, path.rfind(L'\\'));
}

std::wstring MissingDrive() {
  for (wchar_t letter = L'Y'; letter > L'D'; --letter) {
    const std::wstring drive = std::wstring(1, letter) + L":\\";
    if (GetDriveTypeW(drive.c_str()) == DRIVE_NO_ROOT_DIR) return drive;
  }
  return L"";
}

}  // namespace lumo::test
