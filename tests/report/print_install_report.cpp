// Prints the install event's report query built on this machine, one line,
// for the operators' tool to read: print_install_report | lumo-report verify
#include <cstdio>

#include "report/machine_report.h"

int main() {
  lumo::MachineReportSources machine;
  std::printf("%s\n", lumo::BuildInstallEventReport(machine).c_str());
  return 0;
}
