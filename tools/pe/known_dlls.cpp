#include "tools/pe/known_dlls.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace lumo::pe {
namespace {

// Sorted, lower case.
const char* const kKnownDlls[] = {
    "advapi32.dll", "clbcatq.dll",  "comdlg32.dll", "difxapi.dll", "gdi32.dll",    "imagehlp.dll",
    "imm32.dll",    "kernel32.dll", "msctf.dll",    "msvcrt.dll",  "normaliz.dll", "nsi.dll",
    "ntdll.dll",    "ole32.dll",    "oleaut32.dll", "psapi.dll",   "rpcrt4.dll",   "sechost.dll",
    "setupapi.dll", "shell32.dll",  "shlwapi.dll",  "user32.dll",  "wldap32.dll",  "ws2_32.dll",
};

}  // namespace

bool IsKnownDll(const std::string& name) {
  std::string lower;
  std::transform(name.begin(), name.end(), std::back_inserter(lower),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::binary_search(std::begin(kKnownDlls), std::end(kKnownDlls), lower,
                            [](const std::string& a, const std::string& b) { return a < b; });
}

}  // namespace lumo::pe
