#include "tools/deployment/statistics_record.h"

#include <json/json.h>

#include <ctime>

namespace lumo::deployment {

std::string StatisticsRecord(const std::string& query) {
  Json::Value record;
  record["received"] = static_cast<Json::Int64>(std::time(nullptr));
  record["query"] = query;
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  return Json::writeString(writer, record);
}

}  // namespace lumo::deployment
