#include "app/windows_location_system.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "install/file_system.h"
#include "tests/app/classes_registry.h"
#include "tests/support/temp_folder.h"

namespace lumo {
namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length < MAX_PATH ? std::wstring(value, length) : L"";
}

TEST(WindowsLocationSystem, ProgramFilesIsThisProgramsOwn) {
  WindowsLocationSystem system(nullptr);
  const std::wstring folder = system.ProgramFilesFolder();
  // The environment names the program-files folder of the process's own
  // bitness, as the shell's folder does.
  EXPECT_EQ(folder, Environment(L"ProgramFiles"));
  EXPECT_TRUE(DirectoryExists(folder));
}

TEST(WindowsLocationSystem, FreeSpaceOfARealAndAMissingDrive) {
  WindowsLocationSystem system(nullptr);
  const FreeBytesQuery query = [&](const std::wstring& root) { return system.FreeBytes(root); };

  const FreeSpaceText real = FormatFreeSpace(L"C:\\Games\\Somewhere", query);
  ASSERT_GE(real.label.size(), 2u);
  EXPECT_TRUE(real.label.back() == L'G' || real.label.back() == L'M');
  for (std::size_t i = 0; i + 1 < real.label.size(); ++i) EXPECT_TRUE(iswdigit(real.label[i]));
  EXPECT_NE(real.verdict, SpaceVerdict::Unchanged);

  const std::wstring missing = test::MissingDrive();
  ASSERT_FALSE(missing.empty());
  EXPECT_EQ(system.FreeBytes(missing), std::nullopt);
  const FreeSpaceText none = FormatFreeSpace(missing + L"Games", query);
  EXPECT_EQ(none.label, L"0M");
  EXPECT_EQ(none.verdict, SpaceVerdict::TooLittle);
}

TEST(FolderDialogRecord, AsksForAFileSystemFolderWithAnEditBox) {
  const HWND owner = reinterpret_cast<HWND>(0x1234);
  const BROWSEINFOW record = FolderDialogRecord(owner);
  EXPECT_EQ(record.hwndOwner, owner);
  EXPECT_EQ(record.pidlRoot, nullptr);        // the desktop
  EXPECT_EQ(record.pszDisplayName, nullptr);  // no display name wanted
  EXPECT_STREQ(record.lpszTitle, L"请选择安装路径");
  EXPECT_EQ(record.ulFlags, 0x51u);
  EXPECT_EQ(record.lpfn, nullptr);
  EXPECT_EQ(record.lParam, 0);
}

// The path box as a value.
class BoxControls final : public LocationControls {
 public:
  std::wstring text, label;
  bool enabled = true;
  std::wstring PathText() const override { return text; }
  void SetPathText(const std::wstring& value) override { text = value; }
  void EnablePathBox(bool value) override { enabled = value; }
  void SetFreeSpaceLabel(const std::wstring& value) override { label = value; }
};

// Window initialisation against the real registry, shell and volume.
class WindowInitialisationTest : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteBrowserKeys(); }
  void TearDown() override { test::DeleteBrowserKeys(); }

  BoxControls box_;
  WindowsLocationSystem system_{nullptr};
  InstallLocation location_{box_, system_};
};

TEST_F(WindowInitialisationTest, WithoutAnInstallationProposesProgramFiles) {
  const LocationStart start = location_.Initialize();
  EXPECT_FALSE(start.pathLocked);
  EXPECT_TRUE(box_.enabled);
  EXPECT_EQ(box_.text, Environment(L"ProgramFiles"));
  EXPECT_EQ(location_.GetInstallPath(), Environment(L"ProgramFiles") + L"\\LumoGameBrowser");
  EXPECT_EQ(start.space, SpaceVerdict::Enough);  // the test machine has room
  EXPECT_FALSE(box_.label.empty());
}

TEST_F(WindowInitialisationTest, AnEarlierInstallationLocksItsFolder) {
  ASSERT_TRUE(test::WriteLaunchCommand(L"SOFTWARE\\LumoBrowser",
                                       L"\"C:\\Program Files (x86)\\LumoBrowser\\Nebrix.exe\""));
  const LocationStart start = location_.Initialize();
  EXPECT_TRUE(start.pathLocked);
  EXPECT_FALSE(box_.enabled);
  EXPECT_EQ(box_.text, L"C:\\Program Files (x86)\\LumoGameBrowser");
  EXPECT_EQ(location_.GetInstallPath(), L"C:\\Program Files (x86)\\LumoGameBrowser");
}

}  // namespace
}  // namespace lumo
