#include "install/package_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "install/package_path.h"

namespace lumo {
namespace {

class PackageFolderTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!PackageFolder.empty()) RemoveDirectoryW(PackageFolder.c_str());
    PackageFolder.clear();
    PackagePath.clear();
  }
};

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
  return sid != nullptr && IsValidSid(sid) && IsWellKnownSid(sid, type);
}

// Wine keeps no security descriptor given to a file or folder (it answers
// with one made from the Unix mode), so the descriptor is read back from
// what the folder is created with.
TEST_F(PackageFolderTest, OnlyAdministratorsAndSystemMayOpenIt) {
  const SecurityDescriptor descriptor = PackageFolderSecurity();
  ASSERT_TRUE(descriptor);
  ASSERT_TRUE(IsValidSecurityDescriptor(descriptor.get()));
  PSID owner = nullptr;
  BOOL defaulted = TRUE;
  ASSERT_TRUE(GetSecurityDescriptorOwner(descriptor.get(), &owner, &defaulted));
  EXPECT_TRUE(IsWellKnown(owner, WinBuiltinAdministratorsSid));
  EXPECT_FALSE(defaulted);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ASSERT_TRUE(GetSecurityDescriptorControl(descriptor.get(), &control, &revision));
  EXPECT_TRUE(control & SE_DACL_PROTECTED) << "entries of the temporary folder would come through";
  BOOL present = FALSE;
  PACL dacl = nullptr;
  ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted));
  ASSERT_TRUE(present);
  ASSERT_NE(dacl, nullptr) << "a null DACL grants everyone everything";
  ASSERT_EQ(dacl->AceCount, 2);
  const WELL_KNOWN_SID_TYPE trustees[] = {WinBuiltinAdministratorsSid, WinLocalSystemSid};
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, i, reinterpret_cast<void**>(&ace)));
    EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(ace->Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE) << "entry " << i;
    EXPECT_EQ(ace->Mask, static_cast<DWORD>(FILE_ALL_ACCESS)) << "entry " << i;
    EXPECT_TRUE(IsWellKnown(&ace->SidStart, trustees[i])) << "entry " << i;
  }
}

TEST_F(PackageFolderTest, IsNewUnpredictableAndHoldsThePackagePath) {
  wchar_t temporary[MAX_PATH + 1] = {};
  const std::wstring folder(temporary, GetTempPathW(MAX_PATH, temporary));
  ASSERT_TRUE(CreatePackageFolder());
  const std::wstring first = PackageFolder;
  ASSERT_EQ(first.rfind(folder + L"lumo-", 0), 0u);
  const std::wstring name = first.substr(folder.size() + 5);
  EXPECT_EQ(name.size(), 32u);
  EXPECT_EQ(name.find_first_not_of(L"0123456789abcdef"), std::wstring::npos);
  ASSERT_EQ(PackagePath.rfind(first + L"\\", 0), 0u);
  const std::wstring file = PackagePath.substr(first.size() + 1);
  ASSERT_GT(file.size(), 4u);
  EXPECT_EQ(file.substr(file.size() - 4), L".exe");
  EXPECT_EQ(file.substr(0, file.size() - 4).find_first_not_of(L"0123456789"), std::wstring::npos);

  ASSERT_TRUE(CreatePackageFolder());
  EXPECT_NE(PackageFolder, first);
  RemoveDirectoryW(first.c_str());
}

TEST_F(PackageFolderTest, FailsWithoutATemporaryFolder) {
  wchar_t saved[32768] = {};
  const DWORD length = GetEnvironmentVariableW(L"TMP", saved, 32768);
  const std::wstring tooLong = L"C:\\" + std::wstring(300, L't');
  SetEnvironmentVariableW(L"TMP", tooLong.c_str());
  PackagePath = L"before";
  EXPECT_FALSE(CreatePackageFolder());
  EXPECT_EQ(PackagePath, L"before");
  EXPECT_TRUE(PackageFolder.empty());
  SetEnvironmentVariableW(L"TMP", length > 0 ? saved : nullptr);
}

}  // namespace
}  // namespace lumo
