// lumo-imports: prints the DLLs a Windows program imports, one a line, each
// marked with how Windows finds it:
//
//   loaded   kernel32.dll   known        resolved before the program starts
//   delayed  wininet.dll                 loaded on first use
//
// Exit code 1 when a DLL resolved at start is not a known DLL (a DLL of that
// name beside the program would be loaded instead), 2 when the file can't be
// read as a program.
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
  lumo::pe::Imports imports;
  if (!file || !lumo::pe::ReadImports(bytes.str(), imports)) {
    std::fprintf(stderr, "lumo-imports: %s is not a readable Windows program\n", argv[1]);
    return 2;
  }
  int result = 0;
  for (const std::string& name : imports.loaded) {
    const bool known = lumo::pe::IsKnownDll(name);
    std::printf("  loaded   %-14s %s\n", name.c_str(), known ? "known" : "NOT A KNOWN DLL");
    if (!known) result = 1;
  }
  for (const std::string& name : imports.delayed) std::printf("  delayed  %s\n", name.c_str());
  return result;
}
