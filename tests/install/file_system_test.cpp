#include "install/file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/scoped_handle.h"
#include "install/package_path.h"
#include "tests/support/temp_folder.h"

namespace lumo {
namespace {

using test::FileExists;
using test::MissingDrive;
using test::TempFolder;
using test::WriteFile;

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

TEST(DirectoryExists, AnswersForFoldersFilesAndDrives) {
  TempFolder folder;
  ASSERT_TRUE(WriteFile(folder / L"file", "x"));
  struct Case {
    std::wstring path;
    bool exists;
  };
  const Case cases[] = {
      {folder.path(), true},
      {folder.path() + L"\\", true},
      {folder / L"file", false},
      {folder / L"missing", false},
      {L"", false},
      {L"C:\\", true},
      {L"C:", true},
      {MissingDrive(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectoryExists(c.path), c.exists) << Narrow(c.path);
  }
}

TEST(CreateDirectoryChain, CreatesEveryMissingLevel) {
  TempFolder folder;
  EXPECT_TRUE(CreateDirectoryChain(folder / L"Games\\Alpha\\Beta\\"));
  EXPECT_TRUE(DirectoryExists(folder / L"Games\\Alpha\\Beta"));
  // Existing: true, and nothing new appears beside it.
  EXPECT_TRUE(CreateDirectoryChain(folder / L"Games\\Alpha"));
}

TEST(CreateDirectoryChain, CreatesNearestTheAncestorFirstAndKeepsWhatItMadeOnFailure) {
  TempFolder folder;
  // "Bad?" can't be created, so only the level before it can exist.
  EXPECT_FALSE(CreateDirectoryChain(folder / L"Alpha\\Bad?\\Gamma"));
  EXPECT_TRUE(DirectoryExists(folder / L"Alpha"));
}

TEST(CreateDirectoryChain, FailsWithoutCreatingAnything) {
  TempFolder folder;
  ASSERT_TRUE(WriteFile(folder / L"Blocker", "x"));
  ASSERT_TRUE(SetCurrentDirectoryW(folder.path().c_str()));
  const std::wstring cases[] = {L"", L"relative", folder / L"Blocker\\Inner",
                                MissingDrive() + L"Games\\Lumo"};
  for (const auto& path : cases) {
    EXPECT_FALSE(CreateDirectoryChain(path)) << Narrow(path);
  }
  EXPECT_FALSE(FileExists(folder / L"relative"));
  EXPECT_FALSE(DirectoryExists(folder / L"Blocker"));
  SetCurrentDirectoryW(L"C:\\");
}

TEST(GetFileVersionString, ReadsTheFileVersionOrNothing) {
  const std::wstring here = test::ExecutableFolder();
  EXPECT_EQ(GetFileVersionString(here + L"\\versioned_fixture.exe"), L"1.0.0.17");
  EXPECT_EQ(GetFileVersionString(here + L"\\unversioned_fixture.exe"), L"");
  EXPECT_EQ(GetFileVersionString(here + L"\\missing.exe"), L"");
}

class DeletePackageFileTest : public ::testing::Test {
 protected:
  void TearDown() override { PackagePath.clear(); }
  TempFolder folder_;
};

TEST_F(DeletePackageFileTest, DeletesTheFile) {
  PackagePath = folder_ / L"123.exe";
  ASSERT_TRUE(WriteFile(PackagePath, "MZ"));
  DeletePackageFile();
  EXPECT_FALSE(FileExists(PackagePath));
}

TEST_F(DeletePackageFileTest, LeavesAMissingFileOrAFolderAlone) {
  PackagePath = folder_ / L"gone.exe";
  DeletePackageFile();
  PackagePath = folder_ / L"folder.exe";
  ASSERT_TRUE(CreateDirectoryW(PackagePath.c_str(), nullptr));
  DeletePackageFile();
  EXPECT_TRUE(DirectoryExists(PackagePath));
}

// The text of every name waiting for deletion at the next restart.
std::wstring PendingRenames() {
  RegistryKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0,
                    KEY_QUERY_VALUE, key.receive()) != ERROR_SUCCESS) {
    return L"";
  }
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), L"PendingFileRenameOperations", nullptr, nullptr, nullptr,
                       &size) != ERROR_SUCCESS) {
    return L"";
  }
  std::wstring text(size / sizeof(wchar_t), L'\0');
  RegQueryValueExW(key.get(), L"PendingFileRenameOperations", nullptr, nullptr,
                   reinterpret_cast<BYTE*>(text.data()), &size);
  return text;
}

// The one file in the folder whose name starts with `prefix`, or "".
std::wstring FindMoved(const TempFolder& folder, const std::wstring& prefix) {
  WIN32_FIND_DATAW found;
  FindHandle search(FindFirstFileW((folder / (prefix + L"*")).c_str(), &found));
  if (!search) return L"";
  const std::wstring name = found.cFileName;
  return FindNextFileW(search.get(), &found) ? L"" : name;
}

// A read-only file can't be deleted but can be moved, as a package whose
// process still runs on Windows: the removal takes the move-and-schedule path.
TEST_F(DeletePackageFileTest, MovesAnUndeletableFileAsideAndSchedulesItsDeletion) {
  struct Case {
    const wchar_t* name;
    const wchar_t* movedPrefix;
  };
  const Case cases[] = {{L"123.exe", L"123.exe.tmp"}, {L"setup.tmp.exe", L"setup.tmp"}};
  for (const auto& c : cases) {
    PackagePath = folder_ / c.name;
    ASSERT_TRUE(WriteFile(PackagePath, "MZ"));
    ASSERT_TRUE(SetFileAttributesW(PackagePath.c_str(), FILE_ATTRIBUTE_READONLY));
    DeletePackageFile();

    EXPECT_FALSE(FileExists(PackagePath));
    const std::wstring moved = FindMoved(folder_, c.movedPrefix);
    ASSERT_FALSE(moved.empty()) << "no single moved file for " << Narrow(c.name);
    const std::wstring tick = moved.substr(std::wstring(c.movedPrefix).size());
    EXPECT_FALSE(tick.empty());
    EXPECT_EQ(tick.find_first_not_of(L"0123456789abcdef"), std::wstring::npos) << Narrow(moved);
    EXPECT_NE(PendingRenames().find(folder_ / moved), std::wstring::npos) << Narrow(moved);
    SetFileAttributesW((folder_ / moved).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW((folder_ / moved).c_str());
  }
}

// Held open without delete sharing, the file can be neither deleted nor
// moved: it stays where it is and nothing is scheduled.
TEST_F(DeletePackageFileTest, LeavesAFileThatCanNeitherBeDeletedNorMoved) {
  PackagePath = folder_ / L"held.exe";
  ASSERT_TRUE(WriteFile(PackagePath, "MZ"));
  FileHandle held(CreateFileW(PackagePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  DeletePackageFile();
  held.reset();
  EXPECT_TRUE(FileExists(PackagePath));
  EXPECT_EQ(FindMoved(folder_, L"held.exe.tmp"), L"");
  EXPECT_EQ(PendingRenames().find(PackagePath + L".tmp"), std::wstring::npos);
}

}  // namespace
}  // namespace lumo
