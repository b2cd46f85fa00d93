#include <cstdio>

#include "app/debugger_line.h"

namespace lumo {

void WriteDebuggerLine(const wchar_t* line) {
  std::fprintf(stderr, "%ls\n", line);
}

}  // namespace lumo
