// The statistics service's log line for one received report query: whether
// it verified (and why not), its fields with `um` and `data` deciphered, and
// the query exactly as received.
#pragma once

#include <string>

namespace lumo::deployment {

// One line of JSON, without a line break.
std::string StatisticsRecord(const std::string& query);

}  // namespace lumo::deployment
