// The event report built from this machine's identifiers and system
// description (Windows only).
#pragma once

#include <string>

#include "report/event_report.h"

namespace lumo {

class MachineReportSources final : public ReportSources {
 public:
  std::string MachineUid() override;
  std::string AdapterAddressText() override;
  std::string SharedGuid() override;
  std::string OsFileVersion() override;
  std::string SystemTypeName() override;
};

// The report query of this machine (without the address and "?").
std::string BuildEventReport(const std::string& data, const std::string& event,
                             const std::string& product, const std::string& channel,
                             const std::string& version);

}  // namespace lumo
