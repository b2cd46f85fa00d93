#include "tools/deployment/statistics_record.h"

#include <json/json.h>

#include <ctime>

#include "report/report_verifier.h"

namespace lumo::deployment {

std::string StatisticsRecord(const std::string& query) {
  const ReportVerdict verdict = VerifyEventReport(query);
  Json::Value record;
  record["received"] = static_cast<Json::Int64>(std::time(nullptr));
  record["verified"] = verdict.accepted;
  if (!verdict.accepted) record["reason"] = verdict.reason;
  Json::Value& fields = record["fields"];
  fields = Json::Value(Json::objectValue);
  for (const ReportFieldText& field : verdict.fields) {
    fields[field.key] = field.enciphered ? field.deciphered : field.value;
  }
  record["query"] = query;
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  return Json::writeString(writer, record);
}

}  // namespace lumo::deployment
