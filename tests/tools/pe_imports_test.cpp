#include "tools/pe/pe_imports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/pe/known_dlls.h"

namespace lumo::pe {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Every DLL the loader resolves before these programs start is one that
// Windows takes from the system whatever lies beside them; the others they
// use are delay-loaded, which leaves them out of this list.
TEST(ProgramImports, AreKnownDllsOrDelayed) {
  const std::string programs[] = {
      LUMO_WIN32_TREE "/app/LumoGameBrowserSetup.exe",
      LUMO_WIN64_TREE "/app/LumoGameBrowserSetup.exe",
      LUMO_WIN64_TREE "/tools/headless/headless_install.exe",
  };
  for (const std::string& program : programs) {
    std::vector<std::string> imports;
    ASSERT_TRUE(ReadImports(ReadFile(program), imports)) << program;
    EXPECT_TRUE(Contains(imports, "KERNEL32.dll")) << program;
    for (const std::string& name : imports) {
      EXPECT_TRUE(IsKnownDll(name)) << name << " is resolved at the start of " << program;
    }
  }
}

// The control: a program that imports "version.dll" in the ordinary way is
// caught.
TEST(ProgramImports, AnOrdinaryImportOfAnUnknownDllIsCaught) {
  std::vector<std::string> imports;
  ASSERT_TRUE(ReadImports(ReadFile(LUMO_WIN64_TREE "/tests/e2e/planted/planted_import_probe.exe"),
                          imports));
  ASSERT_TRUE(Contains(imports, "version.dll"));
  EXPECT_FALSE(IsKnownDll("version.dll"));
}

TEST(ProgramImports, KnownDllsAreMatchedWithoutCase) {
  EXPECT_TRUE(IsKnownDll("KERNEL32.dll"));
  EXPECT_TRUE(IsKnownDll("user32.DLL"));
  EXPECT_TRUE(IsKnownDll("ntdll.dll"));
  for (const char* name : {"kernel32", "wininet.dll", "version.dll", "bcrypt.dll", "gdiplus.dll",
                           "comctl32.dll", "msimg32.dll", "iphlpapi.dll", "crypt32.dll", ""}) {
    EXPECT_FALSE(IsKnownDll(name)) << name;
  }
}

// Cut anywhere, a program is either refused or read as far as it goes; the
// sanitizers watch every read.
TEST(ProgramImports, ACutOrDamagedFileIsNeverReadPastItsEnd) {
  const std::string program = ReadFile(LUMO_WIN64_TREE "/tools/headless/headless_install.exe");
  ASSERT_GT(program.size(), 4096u);
  std::vector<std::string> imports;
  for (std::size_t length :
       {std::size_t{0}, std::size_t{2}, std::size_t{0x40}, std::size_t{0x100}, std::size_t{1024}}) {
    EXPECT_FALSE(ReadImports(program.substr(0, length), imports)) << length;
  }
  for (std::size_t length = 4096; length < program.size(); length += program.size() / 97) {
    ReadImports(program.substr(0, length), imports);
  }
  std::string damaged = program;
  damaged[0x3c] = '\xff';  // the PE header's offset beyond the file
  EXPECT_FALSE(ReadImports(damaged, imports));
  EXPECT_FALSE(ReadImports(std::string(4096, 'M'), imports));
}

}  // namespace
}  // namespace lumo::pe
