#include "install/package_parameters.h"

#include <gtest/gtest.h>

#include "tools/demo/package_switches.h"

namespace lumo {
namespace {

TEST(PackageParameters, FiveSwitchesInOrderWithTheFolderUnquoted) {
  EXPECT_EQ(PackageParameters({L"C:\\Games\\LumoGameBrowser", true, false, false, true}),
            L" /InstallPath=C:\\Games\\LumoGameBrowser /IsSelectExperiencePlan=1"
            L" /IsSelectSetDefaultBrowser=0 /IsTaskbarShortcut=0 /IsDespktopShortcut=1");
  EXPECT_EQ(PackageParameters({L"C:\\Program Files\\LumoGameBrowser", false, false, false, false}),
            L" /InstallPath=C:\\Program Files\\LumoGameBrowser /IsSelectExperiencePlan=0"
            L" /IsSelectSetDefaultBrowser=0 /IsTaskbarShortcut=0 /IsDespktopShortcut=0");
}

// The demo package reads back what the installer writes, whatever the
// folder holds; the shell puts the program's quoted path before it.
TEST(PackageParameters, TheDemoPackageReadsThemBack) {
  const InstallOptions options[] = {
      {L"C:\\Program Files\\LumoGameBrowser", true, true, true, true},
      {L"D:\\a b\\ /Is x\\LumoGameBrowser", false, true, false, true},
      {L"C:\\x", false, false, false, false},
  };
  for (const auto& chosen : options) {
    demo::PackageSwitches read;
    ASSERT_TRUE(
        demo::ParsePackageSwitches(L"\"C:\\Temp\\1.exe\" " + PackageParameters(chosen), read));
    EXPECT_EQ(read.installPath, chosen.installFolder);
    EXPECT_EQ(read.experiencePlan, chosen.experiencePlan);
    EXPECT_EQ(read.defaultBrowser, chosen.defaultBrowser);
    EXPECT_EQ(read.taskbarShortcut, chosen.taskbarShortcut);
    EXPECT_EQ(read.desktopShortcut, chosen.desktopShortcut);
  }
  demo::PackageSwitches read;
  EXPECT_FALSE(demo::ParsePackageSwitches(L"x /InstallPath=C:\\x /IsSelectExperiencePlan=1", read));
  EXPECT_FALSE(demo::ParsePackageSwitches(
      L"x /InstallPath= /IsSelectExperiencePlan=1 /IsSelectSetDefaultBrowser=0"
      L" /IsTaskbarShortcut=0 /IsDespktopShortcut=1",
      read));
}

}  // namespace
}  // namespace lumo
