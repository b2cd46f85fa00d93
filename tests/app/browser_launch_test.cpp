#include "app/browser_launch.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/format_wide.h"
#include "common/scoped_handle.h"
#include "tests/app/classes_registry.h"
#include "tests/support/temp_folder.h"

namespace lumo {
namespace {

// The file's bytes as UTF-16 text; "" if it can't be read.
std::wstring ReadText(const std::wstring& path) {
  FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return L"";
  wchar_t text[4096];
  DWORD bytes = 0;
  if (!ReadFile(file.get(), text, sizeof text, &bytes, nullptr)) return L"";
  return std::wstring(text, bytes / sizeof(wchar_t));
}

TEST(FormatWide, FormatsIntoAStringOfTheExactLength) {
  struct Case {
    std::wstring text, expected;
  };
  const Case cases[] = {
      {FormatWide(L"\"%s\" %s", L"C:\\Program Files (x86)\\A\\Nebrix.exe",
                  L"--launch-type=install"),
       L"\"C:\\Program Files (x86)\\A\\Nebrix.exe\" --launch-type=install"},
      {FormatWide(L"%s", L"100% %s"), L"100% %s"},  // an argument is not a format
      {FormatWide(L"%d%%", 37), L"37%"},
      {FormatWide(L""), L""},
      {FormatWide(L"%s", std::wstring(5000, L'x').c_str()), std::wstring(5000, L'x')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.text, c.expected);
    EXPECT_EQ(c.text.size(), wcslen(c.text.c_str()));
  }
}

// Under a desktop without a shell (a test prefix), this test program becomes
// the desktop shell for a while, so that the whole unelevated launch runs;
// where a shell already runs, it is used.
class StandInShell {
 public:
  StandInShell() {
    using SetShellWindowFunction = BOOL(WINAPI*)(HWND);
    const auto setShellWindow = reinterpret_cast<SetShellWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetShellWindow")));
    if (GetShellWindow() != nullptr || setShellWindow == nullptr) return;
    window_ = CreateWindowExW(0, L"STATIC", L"stand-in shell", WS_POPUP, 0, 0, 1, 1, nullptr,
                              nullptr, nullptr, nullptr);
    if (window_ != nullptr) setShellWindow(window_);
  }
  ~StandInShell() {
    if (window_ != nullptr) DestroyWindow(window_);
  }
  StandInShell(const StandInShell&) = delete;
  StandInShell& operator=(const StandInShell&) = delete;

 private:
  HWND window_ = nullptr;
};

// The browser's keys and a stand-in browser that records its command line.
class BrowserLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::DeleteBrowserKeys();
    folder_ = tempFolder_ / L"Program Files (x86)\\LumoGameBrowser";
    ASSERT_TRUE(CreateDirectoryW((tempFolder_ / L"Program Files (x86)").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    browser_ = folder_ + L"\\Nebrix.exe";
    ASSERT_TRUE(CopyFileW((test::ExecutableFolder() + L"\\command_line_recorder.exe").c_str(),
                          browser_.c_str(), TRUE));
  }
  void TearDown() override {
    test::DeleteBrowserKeys();
    // The stand-in may still be closing its file.
    for (int i = 0; i < 50 && !DeleteFileW(browser_.c_str()); ++i) Sleep(100);
  }

  static void StoreCommand(const wchar_t* key, const std::wstring& command) {
    ASSERT_TRUE(test::WriteLaunchCommand(key, command));
  }

  // The command line the stand-in browser recorded, or "" if it didn't run
  // within `patience` milliseconds.
  std::wstring RecordedCommandLine(DWORD patience) const {
    const std::wstring record = browser_ + L".cmdline";
    for (DWORD waited = 0; !test::FileExists(record) && waited < patience; waited += 50) Sleep(50);
    const std::wstring commandLine = ReadText(record);
    DeleteFileW(record.c_str());
    return commandLine;
  }

  test::TempFolder tempFolder_;
  std::wstring folder_;
  std::wstring browser_;
};

class LaunchWithShellTest : public BrowserLaunchTest {
 protected:
  void SetUp() override {
    BrowserLaunchTest::SetUp();
    ASSERT_NE(GetShellWindow(), nullptr) << "no desktop shell, and none could be stood in";
  }
  const StandInShell shell_;
};

TEST_F(LaunchWithShellTest, StartsTheBrowserWithTheInstallSwitch) {
  const std::wstring expected = L"\"" + browser_ + L"\" --launch-type=install";
  for (const std::wstring& command : {L"\"" + browser_ + L"\"", browser_}) {
    StoreCommand(L"SOFTWARE\\LumoGameBrowser", command);
    EXPECT_TRUE(LaunchInstalledBrowser());
    EXPECT_EQ(RecordedCommandLine(10000), expected);
  }
}

TEST_F(LaunchWithShellTest, UsesTheEarlierKeyWhenTheCurrentOneIsEmpty) {
  StoreCommand(L"SOFTWARE\\LumoGameBrowser", L"");
  StoreCommand(L"SOFTWARE\\LumoBrowser", browser_);
  EXPECT_TRUE(LaunchInstalledBrowser());
  EXPECT_EQ(RecordedCommandLine(10000), L"\"" + browser_ + L"\" --launch-type=install");
}

// No command: nothing happens, and a later try finds one that appeared.
TEST_F(LaunchWithShellTest, WithoutACommandNothingHappensUntilOneAppears) {
  EXPECT_FALSE(LaunchInstalledBrowser());
  StoreCommand(L"SOFTWARE\\LumoBrowser", browser_);
  EXPECT_TRUE(LaunchInstalledBrowser());
  EXPECT_FALSE(RecordedCommandLine(10000).empty());
}

// A command that names no program still counts as an attempt: the installer
// quits all the same.
TEST_F(LaunchWithShellTest, AMissingProgramIsStillAnAttempt) {
  StoreCommand(L"SOFTWARE\\LumoGameBrowser", folder_ + L"\\Missing.exe");
  EXPECT_TRUE(LaunchInstalledBrowser());
  EXPECT_FALSE(LaunchUnelevated(folder_ + L"\\Missing.exe", L"\"Missing.exe\""));
}

// Without a desktop shell there is no user's token to give the browser, and
// it must not start with the installer's own rights instead.
TEST_F(BrowserLaunchTest, WithoutAShellNothingStarts) {
  if (GetShellWindow() != nullptr) GTEST_SKIP() << "a desktop shell runs here";
  EXPECT_FALSE(LaunchUnelevated(browser_, L"\"" + browser_ + L"\" --launch-type=install"));
  EXPECT_EQ(RecordedCommandLine(500), L"");
}

}  // namespace
}  // namespace lumo
