// Reading which DLLs a Windows program imports in the ordinary way, from the
// bytes of its file: the import directory, whose DLLs the loader resolves
// before the program starts. (mingw-w64's delay imports leave no directory
// entry; they show as absent from this list.) Platform-neutral, for the
// build's report and the tests; every offset is checked against the file.
#pragma once

#include <string>
#include <vector>

namespace lumo::pe {

// False when `image` is not a PE32 or PE32+ image whose import directory and
// names lie inside it; otherwise `names` holds the DLLs in directory order.
bool ReadImports(const std::string& image, std::vector<std::string>& names);

}  // namespace lumo::pe
