// The program's terminate handler, in place of libstdc++'s verbose one: that
// one prints the type of an uncaught exception to stderr, which a GUI program
// has none of, and it brings the C++ demangler (about 46 KB) with it. No
// exception is meant to reach it; if one does, the program ends as abort()
// ends it.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
