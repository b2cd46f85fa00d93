#include "install/package_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
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

TEST(PackageFile, NeverReplacesWhatStandsAtItsName) {
  TempFolder folder;
  const std::wstring path = folder / L"same.exe";
  ASSERT_TRUE(test::WriteFile(path, "an older file"));
  {
    PackageFile file;
    EXPECT_FALSE(file.Create(path));
  }
  EXPECT_EQ(Contents(path), "an older file");
}

// The digest a configuration entry names as its "sha256".
PackageDigest Sha256Of(const std::string& hex) {
  return ChoosePackage(R"([{"status":1,"files":"u","sha256":")" + hex + "\"}]", "").digest;
}
// printf 'MZ package' | sha256sum
const char kRightDigest[] = "3616e1e05dd92c8865de5be713e88b95055943eb9daa6df4f2b4a4bedceb12a2";

// However the file ends unsealed, it is gone afterwards.
TEST(PackageFile, RemovesItselfUnlessSealed) {
  struct Case {
    const char* what;
    PackageDigest expected;
    bool seal;
  };
  const Case cases[] = {
      {"written, never sealed", PackageDigest(), false},
      {"other bytes than the digest says", Sha256Of(std::string(64, '0')), true},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::wstring path = folder / L"1796871391.exe";
    {
      PackageFile file;
      ASSERT_TRUE(file.Create(path, c.expected)) << c.what;
      ASSERT_TRUE(file.Write("MZ package", 10)) << c.what;
      FileHandle lock;
      if (c.seal) {
        EXPECT_FALSE(file.Seal(lock)) << c.what;
      }
    }
    EXPECT_FALSE(test::FileExists(path)) << c.what;
  }
}

TEST(PackageFile, SealsOnlyTheBytesTheDigestNames) {
  const std::string upper = [] {
    std::string text = kRightDigest;
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }();
  for (const std::string& digest : {std::string(kRightDigest), upper}) {
    TempFolder folder;
    const std::wstring path = folder / L"1.exe";
    FileHandle lock;
    {
      PackageFile file;
      ASSERT_TRUE(file.Create(path, Sha256Of(digest)));
      ASSERT_TRUE(file.Write("MZ ", 3));
      ASSERT_TRUE(file.Write("package", 7));
      EXPECT_TRUE(file.Seal(lock)) << digest;
    }
    EXPECT_EQ(Contents(path), "MZ package");
  }
  TempFolder folder;
  PackageFile file;
  EXPECT_FALSE(file.Create(folder / L"2.exe", Sha256Of("not hex")));
  EXPECT_FALSE(test::FileExists(folder / L"2.exe"));
}

TEST(PackageFile, CreationFailsInAMissingFolder) {
  TempFolder folder;
  PackageFile file;
  EXPECT_FALSE(file.Create(folder / L"missing\\1.exe"));
}

}  // namespace
}  // namespace lumo
