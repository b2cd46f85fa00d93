#include "app/windows_location_system.h"

#include <cwchar>

#include "app/launch_command.h"

namespace lumo {
namespace {

// The new-style folder dialog needs a single-threaded COM apartment.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

std::wstring TextOf(const wchar_t (&buffer)[MAX_PATH]) {
  return std::wstring(buffer, wcsnlen(buffer, MAX_PATH));
}

}  // namespace

std::wstring WindowsLocationSystem::FindExistingInstallDir() {
  return lumo::FindExistingInstallDir();
}

std::wstring WindowsLocationSystem::ProgramFilesFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_PROGRAM_FILES, FALSE)) return std::wstring();
  return TextOf(folder);
}

std::optional<std::uint64_t> WindowsLocationSystem::FreeBytes(const std::wstring& root) {
  ULARGE_INTEGER available, total, free;
  if (!GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) return std::nullopt;
  return free.QuadPart;
}

std::optional<std::wstring> WindowsLocationSystem::ChooseFolder() {
  const ComApartment apartment;
  BROWSEINFOW record = FolderDialogRecord(owner_);
  const PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&record);
  if (chosen == nullptr) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool converted = SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  if (!converted) return std::nullopt;
  return TextOf(path);
}

BROWSEINFOW FolderDialogRecord(HWND owner) {
  BROWSEINFOW record = {};
  record.hwndOwner = owner;
  record.lpszTitle = L"请选择安装路径";
  record.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  return record;
}

}  // namespace lumo
