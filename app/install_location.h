// The install folder on the custom page: the proposed folder and whether it
// is locked to an existing installation, the free-space label and verdict,
// the folder dialog, and the final install folder. Platform-neutral: the
// controls and the system are reached through the two seams below. Runs on
// the installer window's thread.
#pragma once

#include <optional>
#include <string>

#include "app/free_space.h"

namespace lumo {

// The path box "install_path_edit" and the label "freespace", as the
// installer window shows them (or as a headless driver holds them).
class LocationControls {
 public:
  virtual std::wstring PathText() const = 0;
  virtual void SetPathText(const std::wstring& text) = 0;
  virtual void EnablePathBox(bool enabled) = 0;  // disabled: read-only to the user
  virtual void SetFreeSpaceLabel(const std::wstring& text) = 0;

 protected:
  ~LocationControls() = default;
};

// What the install folder needs from the system (windows_location_system.h
// is the real one).
class LocationSystem {
 public:
  // The folder of an installation found in the registry, or "".
  virtual std::wstring FindExistingInstallDir() = 0;
  // The shell's program-files folder, or "" when it can't be determined.
  virtual std::wstring ProgramFilesFolder() = 0;
  // Total free bytes of the volume with this root ("D:\"), or nothing.
  virtual std::optional<std::uint64_t> FreeBytes(const std::wstring& root) = 0;
  // Lets the user choose a file-system folder; nothing when cancelled.
  virtual std::optional<std::wstring> ChooseFolder() = 0;

 protected:
  ~LocationSystem() = default;
};

// What window initialisation decided: the wizard's pathLocked and the first
// free-space verdict.
struct LocationStart {
  bool pathLocked;
  SpaceVerdict space;
};

class InstallLocation {
 public:
  InstallLocation(LocationControls& controls, LocationSystem& system)
      : controls_(controls), system_(system) {}

  // Window initialisation: proposes the existing installation's folder,
  // locked, or else the program-files folder, open to change; shows it in the
  // path box without the product folder and updates the free space.
  LocationStart Initialize();

  // Sets the free-space label for the path box's (normalised) text and gives
  // the verdict for the wizard's enoughSpace.
  SpaceVerdict UpdateFreeSpace();

  // The folder dialog: a chosen folder replaces the path box's text (without
  // the product folder) and the free space is updated; a cancel changes
  // nothing and gives Unchanged.
  SpaceVerdict BrowseForFolder();

  // The install folder for what the path box shows now (install_path.h).
  // The package runner may ask from its own thread while the busy view
  // shows, where nothing can change the box.
  std::wstring GetInstallPath() const;

 private:
  LocationControls& controls_;
  LocationSystem& system_;
};

}  // namespace lumo
