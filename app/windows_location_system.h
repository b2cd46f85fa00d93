// The install folder's system side on Windows: the registry's existing
// installation, the program-files folder, the volume's free space and the
// shell's folder dialog.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include "app/install_location.h"

namespace lumo {

class WindowsLocationSystem final : public LocationSystem {
 public:
  // `owner`: the window the folder dialog is modal to.
  explicit WindowsLocationSystem(HWND owner) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  std::wstring FindExistingInstallDir() override;
  // CSIDL_PROGRAM_FILES: for a 32-bit program on 64-bit Windows, the 32-bit one.
  std::wstring ProgramFilesFolder() override;
  // The volume's total free bytes, not only those available to the caller.
  std::optional<std::uint64_t> FreeBytes(const std::wstring& root) override;
  // Modal; the path box's text is not offered as a starting point.
  std::optional<std::wstring> ChooseFolder() override;

 private:
  HWND owner_;
};

// The folder dialog's parameters: modal to `owner`, rooted at the desktop,
// titled "请选择安装路径", file-system folders only, with an edit box, in the
// new style; no display-name buffer and no callback.
BROWSEINFOW FolderDialogRecord(HWND owner);

}  // namespace lumo
