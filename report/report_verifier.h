// Reads an event report the way the statistics service checks it: the
// fourteen keys in their order, the enciphered fields deciphered, the
// signature recomputed. Platform-neutral; every byte of the input is treated
// as hostile. Used by the operators' tool and by the local deployment.
//
//   ReportVerdict verdict = VerifyEventReport(rawQuery);
//   if (!verdict.accepted) reject(verdict.reason);
//   const ReportFieldText* event = verdict.Find("event");
#pragma once

#include <string>
#include <vector>

namespace lumo {

struct ReportFieldText {
  std::string key;
  std::string value;  // as received
  bool enciphered = false;
  std::string deciphered;  // the plain text of `um` and `data`
};

struct ReportVerdict {
  bool accepted = false;
  std::string reason;  // why the report is refused; empty when accepted
  // The fields read, in their order: all fourteen once the keys checked,
  // else those before the fault.
  std::vector<ReportFieldText> fields;

  const ReportFieldText* Find(const std::string& key) const;
};

// `report` is the query text as sent (the raw bytes after "?", not decoded)
// or a whole report address "scheme://host/path?query". Values go out
// unescaped: each value but the last runs to the next "&", and "hsguid", the
// registry's text, runs to the end, so it may hold "&" and "=".
ReportVerdict VerifyEventReport(const std::string& report);

}  // namespace lumo
