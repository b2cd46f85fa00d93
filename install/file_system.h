// File-system helpers around the install folder and the package (UTF-16,
// backslash separators). None of them shows anything to the user.
#pragma once

#include <string>

namespace lumo {

// True if `path` names an existing directory; one trailing backslash is
// ignored, so C:\Games\ and C:\Games answer alike and C:\ means the drive.
bool DirectoryExists(const std::wstring& path);

// Creates the missing directories of `path`, nearest the existing ancestor
// first. True if the directory exists afterwards; directories created before
// a failure stay.
bool CreateDirectoryChain(const std::wstring& path);

// "major.minor.build.revision" of the file's version resource, or "".
std::wstring GetFileVersionString(const std::wstring& path);

// Removes the file at PackagePath and then PackageFolder, the private folder
// that holds it; a file that can't be deleted (still locked) is moved aside
// and scheduled for deletion at the next restart, and so is its folder then.
void DeletePackageFile();
void ScheduleDeleteOnRestart();

}  // namespace lumo
