#include "report/event_report.h"

#include "report/report_format.h"
#include "report/stored_constants.h"
#include "report/string_cipher.h"

namespace lumo {
namespace {

std::string EncipheredAdapterText(ReportSources& sources) {
  std::string um;
  EncryptToHex(ReportKey, sources.AdapterAddressText(), um);
  return um;
}

}  // namespace

std::string BuildEventReport(ReportSources& sources, const std::string& data,
                             const std::string& event, const std::string& product,
                             const std::string& channel, const std::string& version) {
  ReportValues values;
  values[kNkid] = sources.MachineUid();
  values[kUid] = values[kNkid];
  values[kUm] = EncipheredAdapterText(sources);
  values[kProduct] = product;
  values[kPlatform] = "Windows";
  values[kChannel] = channel;
  values[kVersion] = version;
  values[kEvent] = event;
  values[kKey] = "1";
  SignReportData(sources, data, values[kData], values[kSignature]);
  values[kHsguid] = sources.SharedGuid();
  values[kSystemType] = sources.SystemTypeName();
  values[kOsVersion] = sources.OsFileVersion();
  return JoinReportQuery(values);
}

void SignReportData(ReportSources& sources, const std::string& data, std::string& dataField,
                    std::string& signature) {
  // A data key that doesn't decipher selects no cipher: the field stays
  // empty and the signature covers the empty field.
  EncryptToHex(DecipherDataKey(), data, dataField);
  signature = ReportSignature(sources.MachineUid(), EncipheredAdapterText(sources), dataField);
}

std::string BuildInstallEventReport(ReportSources& sources) {
  return BuildEventReport(sources, InstallEvent::kData, InstallEvent::kEvent,
                          InstallEvent::kProduct, InstallEvent::kChannel, InstallEvent::kVersion);
}

}  // namespace lumo
