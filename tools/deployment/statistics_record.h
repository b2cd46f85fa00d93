// The statistics service's log line for one received report query.
#pragma once

#include <string>

namespace lumo::deployment {

// One line of JSON (no line break) describing `query`.
std::string StatisticsRecord(const std::string& query);

}  // namespace lumo::deployment
