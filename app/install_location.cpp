#include "app/install_location.h"

#include "app/install_path.h"

namespace lumo {

LocationStart InstallLocation::Initialize() {
  std::wstring folder = system_.FindExistingInstallDir();
  const bool locked = !folder.empty();
  if (!locked) folder = system_.ProgramFilesFolder();
  controls_.EnablePathBox(!locked);
  controls_.SetPathText(folder);
  return {locked, UpdateFreeSpace()};
}

SpaceVerdict InstallLocation::UpdateFreeSpace() {
  const FreeSpaceText space =
      FormatFreeSpace(NormalizePath(controls_.PathText()),
                      [this](const std::wstring& root) { return system_.FreeBytes(root); });
  controls_.SetFreeSpaceLabel(space.label);
  return space.verdict;
}

SpaceVerdict InstallLocation::BrowseForFolder() {
  const std::optional<std::wstring> chosen = system_.ChooseFolder();
  if (!chosen) return SpaceVerdict::Unchanged;
  controls_.SetPathText(*chosen);
  return UpdateFreeSpace();
}

std::wstring InstallLocation::GetInstallPath() const {
  return lumo::GetInstallPath(controls_.PathText());
}

}  // namespace lumo
