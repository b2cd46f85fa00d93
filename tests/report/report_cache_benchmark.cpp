// What the identity caches save: the first report of a process (WMI query and
// adapter scan) against the ones after it, as a ratio measured in one run.
//   build/win64/wine-run build/win64/tests/report/report_cache_benchmark.exe
// Without a qualifying adapter every report scans the adapters again.
#include <windows.h>

#include <cstdio>

#include "report/machine_report.h"

namespace {

double Seconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  lumo::MachineReportSources machine;
  double start = Seconds();
  std::string query = lumo::BuildInstallEventReport(machine);
  const double first = Seconds() - start;

  const int reports = 200;
  start = Seconds();
  for (int i = 0; i < reports; ++i) query = lumo::BuildInstallEventReport(machine);
  const double later = (Seconds() - start) / reports;

  std::printf("first report %.3f ms, later reports %.3f ms each: the first costs %.0f times more\n",
              first * 1e3, later * 1e3, first / later);
  return query.empty() ? 1 : 0;
}
