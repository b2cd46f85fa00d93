#include "report/report_verifier.h"

#include <algorithm>

#include "report/report_format.h"
#include "report/stored_constants.h"
#include "report/string_cipher.h"

namespace lumo {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The query of a whole address is what follows its first "?".
std::string QueryOf(const std::string& report) {
  if (!StartsWith(report, "https://") && !StartsWith(report, "http://")) return report;
  const std::size_t mark = report.find('?');
  return mark == std::string::npos ? std::string() : report.substr(mark + 1);
}

// A received key quoted for a reason, cut short: the text is hostile.
std::string Quoted(const std::string& text) {
  const std::size_t shown = 32;
  return '"' + text.substr(0, shown) + (text.size() > shown ? "...\"" : "\"");
}

// Splits the query into the fourteen fields in their order.
bool SplitFields(const std::string& query, ReportVerdict& verdict) {
  std::size_t position = 0;
  for (std::size_t i = 0; i < kReportFieldCount; ++i) {
    const std::string key = kReportKeys[i];
    if (position >= query.size()) {
      verdict.reason = "the field \"" + key + "\" is missing";
      return false;
    }
    const bool last = i + 1 == kReportFieldCount;
    const std::size_t end = last ? std::string::npos : query.find('&', position);
    const std::string pair = query.substr(position, end - position);
    if (!StartsWith(pair, key + '=')) {
      verdict.reason = "field " + std::to_string(i + 1) + " is " +
                       Quoted(pair.substr(0, pair.find('='))) + " where \"" + key + "\" belongs";
      return false;
    }
    verdict.fields.push_back({key, pair.substr(key.size() + 1), false, std::string()});
    position = end == std::string::npos ? query.size() + 1 : end + 1;
  }
  return true;
}

bool IsUppercaseHex(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

// An empty field is one whose encipherment failed in the installer: it is
// sent empty and deciphers to nothing.
bool Decipher(const std::string& key, ReportFieldText& field, std::string& reason) {
  field.enciphered = true;
  if (!IsUppercaseHex(field.value)) {
    reason = field.key + " is not uppercase hex";
    return false;
  }
  if (!field.value.empty() && !TryDecryptFromHex(key, field.value, field.deciphered)) {
    field.deciphered.clear();
    reason = field.key + " does not decipher";
    return false;
  }
  return true;
}

// What is wrong with the fourteen fields, or "".
std::string FieldFault(std::vector<ReportFieldText>& fields) {
  if (fields[kNkid].value != fields[kUid].value) return "nkid and uid differ";
  if (fields[kPlatform].value != "Windows") return "platform is not \"Windows\"";
  if (fields[kKey].value != "1") return "key is not 1";
  std::string reason;
  if (!Decipher(ReportKey, fields[kUm], reason) ||
      !Decipher(DecipherDataKey(), fields[kData], reason)) {
    return reason;
  }
  if (fields[kSignature].value !=
      ReportSignature(fields[kUid].value, fields[kUm].value, fields[kData].value)) {
    return "the signature does not match uid, um and data";
  }
  return reason;
}

}  // namespace

const ReportFieldText* ReportVerdict::Find(const std::string& key) const {
  for (const auto& field : fields) {
    if (field.key == key) return &field;
  }
  return nullptr;
}

ReportVerdict VerifyEventReport(const std::string& report) {
  ReportVerdict verdict;
  if (SplitFields(QueryOf(report), verdict)) verdict.reason = FieldFault(verdict.fields);
  verdict.accepted = verdict.reason.empty();
  return verdict;
}

}  // namespace lumo
