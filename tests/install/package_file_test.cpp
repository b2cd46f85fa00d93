#include "install/package_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace lumo {
namespace {

using test::TempFolder;

bool OpenForWriting(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr));
  return file.valid();
}

std::string Contents(const std::wstring& path) {
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string text(64, '\0');
  DWORD read = 0;
  ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  text.resize(read);
  return text;
}

TEST(PackageFile, NobodyElseCanChangeItFromCreationUntilTheLockGoes) {
  TempFolder folder;
  const std::wstring path = folder / L"1796871391.exe";
  FileHandle lock;
  {
    PackageFile file;
    ASSERT_TRUE(file.Create(path));
    EXPECT_FALSE(OpenForWriting(path)) << "writable by others while written";
    EXPECT_FALSE(DeleteFileW(path.c_str())) << "deletable while written";
    ASSERT_TRUE(file.Write("MZ package", 10));
    ASSERT_TRUE(file.Seal(lock));
  }
  ASSERT_TRUE(lock);
  EXPECT_EQ(Contents(path), "MZ package") << "readable, as the package run needs";
  EXPECT_FALSE(OpenForWriting(path));
  EXPECT_FALSE(DeleteFileW(path.c_str()));
  EXPECT_FALSE(MoveFileW(path.c_str(), (folder / L"other.exe").c_str()));
  lock.reset();
  EXPECT_TRUE(DeleteFileW(path.c_str()));
}

TEST(PackageFile, ReplacesAnOlderFileOfTheSameName) {
  TempFolder folder;
  const std::wstring path = folder / L"same.exe";
  ASSERT_TRUE(test::WriteFile(path, "an older and longer file"));
  FileHandle lock;
  {
    PackageFile file;
    ASSERT_TRUE(file.Create(path));
    ASSERT_TRUE(file.Write("new", 3));
    ASSERT_TRUE(file.Seal(lock));
  }
  EXPECT_EQ(Contents(path), "new");
}

TEST(PackageFile, CreationFailsInAMissingFolder) {
  TempFolder folder;
  PackageFile file;
  EXPECT_FALSE(file.Create(folder / L"missing\\1.exe"));
}

}  // namespace
}  // namespace lumo
