#include "install/service_hosts.h"

namespace lumo {

#define LUMO_WIDE_(text) L##text
#define LUMO_WIDE(text) LUMO_WIDE_(text)

const ServiceHosts& BuiltInServiceHosts() {
  static const ServiceHosts hosts{LUMO_CONFIGURATION_HOST, LUMO_STATISTICS_HOST,
                                  LUMO_WIDE(LUMO_WEBSITE_HOST), LUMO_WIDE(LUMO_SERVICE_SITE_HOST)};
  return hosts;
}

}  // namespace lumo
