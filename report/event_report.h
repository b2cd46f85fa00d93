// The event report query: the event and the caller's codes, the machine's
// identifiers and system description, an enciphered payload and a signature.
// Built without any platform call: the machine values come from a
// ReportSources, the real one on Windows (machine_report.h), chosen values in
// tests. Nothing here fails outward: a value that can't be had goes out empty.
#pragma once

#include <string>

namespace lumo {

class ReportSources {
 public:
  virtual ~ReportSources() = default;
  // The 64-character machine identifier or "error"; the same text at every
  // call of one report.
  virtual std::string MachineUid() = 0;
  // The adapter address text (12 hex digits) or "".
  virtual std::string AdapterAddressText() = 0;
  virtual std::string SharedGuid() = 0;
  virtual std::string OsFileVersion() = 0;
  virtual std::string SystemTypeName() = 0;
};

// The query text that follows "?" in the report address.
std::string BuildEventReport(ReportSources& sources, const std::string& data,
                             const std::string& event, const std::string& product,
                             const std::string& channel, const std::string& version);

// `dataField` receives `data` enciphered under the data key and `signature`
// the signature over the identifier, the enciphered adapter text, the data
// field and the salt. Both are passed in empty and stay empty on failure.
void SignReportData(ReportSources& sources, const std::string& data, std::string& dataField,
                    std::string& signature);

// The one event the installer sends, when its install worker starts.
struct InstallEvent {
  static constexpr const char kEvent[] = "downloader";
  static constexpr const char kProduct[] = "LGB";
  static constexpr const char kChannel[] = "80001";
  static constexpr const char kVersion[] = "0.0.0.0";
  static constexpr const char kData[] =
      "{\"account_type\":0,\"data_content\":{\"click\":\"install\"},\"isNewLogin\":\"1\","
      "\"isRunByAdmin\":\"1\",\"uid\":\"0\",\"verify\":\"1\"}";
};

std::string BuildInstallEventReport(ReportSources& sources);

}  // namespace lumo
