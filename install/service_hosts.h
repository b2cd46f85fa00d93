// Host names (with an optional ":port") of the services the installer talks
// to. They are build settings: the release build names the production
// hosts, the 64-bit build for tests and the demo the local deployment.
#pragma once

#include <string>

namespace lumo {

struct ServiceHosts {
  std::string configuration;  // serves "/config/browser_update"
  std::string statistics;     // serves "/hm4.gif"
  std::wstring website;       // the agreement and privacy pages
  std::wstring serviceSite;   // the error-help page
};

// The hosts this program was built for.
const ServiceHosts& BuiltInServiceHosts();

}  // namespace lumo
