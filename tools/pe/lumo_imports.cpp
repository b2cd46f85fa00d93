// lumo-imports: prints the DLLs that a Windows program imports in the
// ordinary way (resolved before it starts), one a line, each marked "known"
// when Windows takes it from the system whatever lies beside the program:
//
//   KERNEL32.dll   known
//
// Exit code 1 when one is not a known DLL (a DLL of that name beside the
// program would be loaded instead), 2 when the file can't be read as a
// program.
//
//   lumo-imports PROGRAM
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/pe/known_dlls.h"
#include "tools/pe/pe_imports.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: lumo-imports PROGRAM\n", stderr);
    return 64;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  std::vector<std::string> imports;
  if (!file || !lumo::pe::ReadImports(bytes.str(), imports)) {
    std::fprintf(stderr, "lumo-imports: %s is not a readable Windows program\n", argv[1]);
    return 2;
  }
  int result = 0;
  for (const std::string& name : imports) {
    const bool known = lumo::pe::IsKnownDll(name);
    std::printf("  %-14s %s\n", name.c_str(), known ? "known" : "NOT A KNOWN DLL");
    if (!known) result = 1;
  }
  return result;
}
