#include <windows.h>

#include "app/debugger_line.h"

namespace lumo {

void WriteDebuggerLine(const wchar_t* line) {
  OutputDebugStringW(line);
}

}  // namespace lumo
