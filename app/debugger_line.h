// The installer keeps no log; its only diagnostic output is a line for an
// attached debugger. Windows builds write it with OutputDebugStringW, native
// builds to standard error.
#pragma once

namespace lumo {

void WriteDebuggerLine(const wchar_t* line);

}  // namespace lumo
