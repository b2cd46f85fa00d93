// Provisional: replaced by the event report.
#pragma once
#include <string>
namespace lumo {
inline std::string BuildEventReport(const std::string&, const std::string&, const std::string&,
                                    const std::string&, const std::string&) {
  return "provisional=1";
}
}  // namespace lumo
