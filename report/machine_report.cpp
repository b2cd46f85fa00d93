#include "report/machine_report.h"

#include "report/system_description.h"
#include "report/windows_identity.h"

namespace lumo {

std::string MachineReportSources::MachineUid() {
  return GetMachineUid();
}
std::string MachineReportSources::AdapterAddressText() {
  return GetAdapterAddressText();
}
std::string MachineReportSources::SharedGuid() {
  return GetSharedGuid();
}
std::string MachineReportSources::OsFileVersion() {
  return GetOsFileVersion();
}
std::string MachineReportSources::SystemTypeName() {
  return GetSystemTypeName();
}

std::string BuildEventReport(const std::string& data, const std::string& event,
                             const std::string& product, const std::string& channel,
                             const std::string& version) {
  MachineReportSources machine;
  return BuildEventReport(machine, data, event, product, channel, version);
}

}  // namespace lumo
