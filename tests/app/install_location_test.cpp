#include "app/install_location.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace lumo {
namespace {

constexpr std::uint64_t kMiB = 1ull << 20;

TEST(FormatFreeSpace, ShowsWholeUnitsAndJudgesAgainst500MiB) {
  struct Case {
    std::uint64_t freeBytes;
    const wchar_t* label;
    SpaceVerdict verdict;
  };
  const Case cases[] = {
      {600 * kMiB, L"600M", SpaceVerdict::Enough},
      {400 * kMiB, L"400M", SpaceVerdict::TooLittle},
      {500 * kMiB, L"500M", SpaceVerdict::Enough},
      {500 * kMiB - 1, L"499M", SpaceVerdict::TooLittle},
      {1073741823, L"1023M", SpaceVerdict::Enough},
      {1073741824, L"1G", SpaceVerdict::Enough},
      {(37ull << 30) + (1ull << 29), L"37G", SpaceVerdict::Enough},
      {0, L"0M", SpaceVerdict::TooLittle},
      {kMiB - 1, L"0M", SpaceVerdict::TooLittle},
      {~0ull, L"17179869183G", SpaceVerdict::Enough},
  };
  for (const Case& c : cases) {
    const FreeSpaceText text =
        FormatFreeSpace(L"D:\\Games", [&](const std::wstring&) { return c.freeBytes; });
    EXPECT_EQ(text.label, c.label) << c.freeBytes;
    EXPECT_EQ(text.verdict, c.verdict) << c.freeBytes;
  }
}

TEST(FormatFreeSpace, AsksForTheRootUpToTheFirstColonBackslash) {
  struct Case {
    const wchar_t* path;
    std::vector<std::wstring> asked;
    const wchar_t* label;
    SpaceVerdict verdict;
  };
  const Case cases[] = {
      {L"D:\\Games\\X", {L"D:\\"}, L"1G", SpaceVerdict::Enough},
      {L"D:\\", {L"D:\\"}, L"1G", SpaceVerdict::Enough},
      {L"x\\D:\\y:\\z", {L"x\\D:\\"}, L"1G", SpaceVerdict::Enough},
      // No drive root: nothing asked, and the verdict stands.
      {L"D:", {}, L"0M", SpaceVerdict::Unchanged},
      {L"Games\\X", {}, L"0M", SpaceVerdict::Unchanged},
      {L"\\server\\share", {}, L"0M", SpaceVerdict::Unchanged},
      {L"", {}, L"0M", SpaceVerdict::Unchanged},
  };
  for (const Case& c : cases) {
    std::vector<std::wstring> asked;
    const FreeSpaceText text = FormatFreeSpace(c.path, [&](const std::wstring& root) {
      asked.push_back(root);
      return std::optional<std::uint64_t>(1ull << 30);
    });
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(text.label, c.label);
    EXPECT_EQ(text.verdict, c.verdict);
  }
}

TEST(FormatFreeSpace, AVolumeThatCantBeAskedHasTooLittle) {
  const FreeSpaceText text =
      FormatFreeSpace(L"Q:\\Games", [](const std::wstring&) { return std::nullopt; });
  EXPECT_EQ(text.label, L"0M");
  EXPECT_EQ(text.verdict, SpaceVerdict::TooLittle);
}

// The path box and the label as plain values.
class FakeControls final : public LocationControls {
 public:
  std::wstring text = L"(placeholder)";
  bool enabled = true;
  std::wstring label = L"120G";
  int textSets = 0;

  std::wstring PathText() const override { return text; }
  void SetPathText(const std::wstring& value) override {
    text = value;
    ++textSets;
  }
  void EnablePathBox(bool value) override { enabled = value; }
  void SetFreeSpaceLabel(const std::wstring& value) override { label = value; }
};

class FakeSystem final : public LocationSystem {
 public:
  std::wstring existing;
  std::wstring programFiles = L"C:\\Program Files (x86)";
  std::map<std::wstring, std::uint64_t> volumes = {{L"C:\\", 600 * kMiB}, {L"D:\\", 400 * kMiB}};
  std::optional<std::wstring> chosen;
  int programFilesAsked = 0;

  std::wstring FindExistingInstallDir() override { return existing; }
  std::wstring ProgramFilesFolder() override {
    ++programFilesAsked;
    return programFiles;
  }
  std::optional<std::uint64_t> FreeBytes(const std::wstring& root) override {
    const auto found = volumes.find(root);
    if (found == volumes.end()) return std::nullopt;
    return found->second;
  }
  std::optional<std::wstring> ChooseFolder() override { return chosen; }
};

struct LocationFixture {
  FakeControls controls;
  FakeSystem system;
  InstallLocation location{controls, system};
};

TEST(InstallLocation, InitializeProposesAndLocks) {
  struct Case {
    const char* name;
    std::wstring existing, programFiles;
    std::wstring text;
    bool enabled, locked;
    std::wstring label;
    SpaceVerdict space;
    int programFilesAsked;
  };
  const Case cases[] = {
      {"no installation", L"", L"C:\\Program Files (x86)", L"C:\\Program Files (x86)", true, false,
       L"600M", SpaceVerdict::Enough, 1},
      {"existing installation", L"D:\\Games\\LumoGameBrowser", L"C:\\Program Files (x86)",
       L"D:\\Games\\LumoGameBrowser", false, true, L"400M", SpaceVerdict::TooLittle, 0},
      {"no program-files folder", L"", L"", L"", true, false, L"0M", SpaceVerdict::Unchanged, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LocationFixture f;
    f.system.existing = c.existing;
    f.system.programFiles = c.programFiles;
    const LocationStart start = f.location.Initialize();
    EXPECT_EQ(f.controls.text, c.text);
    EXPECT_EQ(f.controls.enabled, c.enabled);
    EXPECT_EQ(start.pathLocked, c.locked);
    EXPECT_EQ(f.controls.label, c.label);
    EXPECT_EQ(start.space, c.space);
    EXPECT_EQ(f.system.programFilesAsked, c.programFilesAsked);
  }
}

TEST(InstallLocation, UpdateFreeSpaceReadsTheNormalisedBox) {
  LocationFixture f;
  f.controls.text = L"  Q:/x ";  // no such volume
  EXPECT_EQ(f.location.UpdateFreeSpace(), SpaceVerdict::TooLittle);
  EXPECT_EQ(f.controls.label, L"0M");
  f.controls.text = L" D://Games ";
  EXPECT_EQ(f.location.UpdateFreeSpace(), SpaceVerdict::TooLittle);
  EXPECT_EQ(f.controls.label, L"400M");
  f.controls.text = L"Games";
  EXPECT_EQ(f.location.UpdateFreeSpace(), SpaceVerdict::Unchanged);
  EXPECT_EQ(f.controls.label, L"0M");
}

TEST(InstallLocation, BrowseReplacesTheBoxOnlyWhenAFolderIsChosen) {
  LocationFixture f;
  f.controls.text = L"D:\\Old";
  f.system.chosen = std::nullopt;
  EXPECT_EQ(f.location.BrowseForFolder(), SpaceVerdict::Unchanged);
  EXPECT_EQ(f.controls.text, L"D:\\Old");
  EXPECT_EQ(f.controls.label, L"120G");
  EXPECT_EQ(f.controls.textSets, 0);

  f.system.chosen = L"C:\\Games";
  EXPECT_EQ(f.location.BrowseForFolder(), SpaceVerdict::Enough);
  EXPECT_EQ(f.controls.text, L"C:\\Games");  // without the product folder
  EXPECT_EQ(f.controls.label, L"600M");
  EXPECT_EQ(f.location.GetInstallPath(), L"C:\\Games\\LumoGameBrowser");
}

}  // namespace
}  // namespace lumo
