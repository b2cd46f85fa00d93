// A program whose only window has a layout that can't be built: it shows the
// framework's message box and ends with exit code 1. The window base test
// runs it and closes the box.
#include <windows.h>

#include "tests/ui/support/skinned_window.h"

int main() {
  Veneer::test::SkinnedWindow window(L"no_such_layout.xml");
  window.Open();
  return 0;  // never reached: the window ends the process
}
