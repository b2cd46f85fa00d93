#include "report/system_description.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "common/scoped_handle.h"
#include "install/file_system.h"
#include "tests/report/scoped_registry_value.h"
#include "tests/support/temp_folder.h"

namespace lumo {
namespace {

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length < MAX_PATH ? length : 0);
}

TEST(OsFileVersion, IsKernel32sFileVersion) {
  const std::string version = GetOsFileVersion();
  EXPECT_TRUE(std::regex_match(version, std::regex("(0|[1-9][0-9]*)(\\.(0|[1-9][0-9]*)){3}")))
      << version;
  const std::wstring expected = GetFileVersionString(SystemFolder() + L"\\kernel32.dll");
  EXPECT_EQ(std::wstring(version.begin(), version.end()), expected);
}

// What the program prints on its standard output, run to its end.
std::string OutputOf(const std::wstring& program) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  KernelHandle readEnd, writeEnd;
  if (!CreatePipe(readEnd.receive(), writeEnd.receive(), &inheritable, 0)) return "no pipe";
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd.get();
  PROCESS_INFORMATION process = {};
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return "not started";
  }
  const KernelHandle processHandle(process.hProcess), thread(process.hThread);
  writeEnd.reset();
  std::string output;
  char chunk[256];
  DWORD read = 0;
  while (ReadFile(readEnd.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
    output.append(chunk, read);
  }
  WaitForSingleObject(processHandle.get(), INFINITE);
  return output;
}

TEST(SystemTypeName, NamesEverySystemWineImitates) {
  // Wine tells a program the version of the system it imitates for it, and
  // like Windows it tells a program that declares no system in a manifest
  // 6.2 on Windows 8.1 and 10.
  struct Case {
    const char* system;
    const char* name;
  };
  const Case cases[] = {
      {"win98", ""},    {"win2k", ""},    {"winxp64", "WinXP"}, {"win2003", "WinXP"}, {"vista", ""},
      {"win7", "Win7"}, {"win8", "Win8"}, {"win81", "Win8"},    {"win10", "Win10"},
  };
  const std::wstring probe = test::ExecutableFolder() + L"\\system_type_probe.exe";
  for (const auto& c : cases) {
    test::ScopedRegistryValue version(
        HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\system_type_probe.exe", "Version");
    ASSERT_TRUE(version.SetText(c.system));
    EXPECT_EQ(OutputOf(probe), c.name) << c.system;
  }
}

}  // namespace
}  // namespace lumo
