// Reading which DLLs a Windows program imports, from the bytes of its file:
// the import directory (DLLs the loader resolves before the program starts)
// and the delay-import directory (DLLs loaded on first use). Platform-neutral,
// for the build's report and the tests; every offset is checked against the
// file.
#pragma once

#include <string>
#include <vector>

namespace lumo::pe {

struct Imports {
  std::vector<std::string> loaded;   // in the order of the import directory
  std::vector<std::string> delayed;  // in the order of the delay-import directory
};

// False when `image` is not a PE32 or PE32+ image whose import directories
// and names lie inside it.
bool ReadImports(const std::string& image, Imports& imports);

}  // namespace lumo::pe
