// A fresh folder under the temporary folder for one test, removed with all
// its contents when the object goes.
#pragma once

#include <string>

namespace lumo::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const std::wstring& path() const { return path_; }
  // path() + "\" + relative.
  std::wstring operator/(const std::wstring& relative) const;

 private:
  std::wstring path_;
};

// Writes `contents` to a new file at `path`; false on failure.
bool WriteFile(const std::wstring& path, const std::string& contents);
bool FileExists(const std::wstring& path);
// The folder of the running test executable, without a trailing backslash.
std::wstring ExecutableFolder();
// The root ("Y:\") of a drive letter that nothing maps, or "".
std::wstring MissingDrive();

}  // namespace lumo::test
