// Prints the system type name that this program is told, for tests that run
// it under different system versions of wine.
#include <cstdio>

#include "report/system_description.h"

int main() {
  std::printf("%s", lumo::GetSystemTypeName().c_str());
  return 0;
}
