// The machine identifier and the adapter address text with their caches.
// The platform's raw answers come from an IdentityProbe: the Windows queries
// in the installer (windows_identity.h), chosen answers in tests.
#pragma once

#include <string>

namespace lumo {

class IdentityProbe {
 public:
  virtual ~IdentityProbe() = default;
  virtual std::string ProcessorIdText() = 0;
  // One adapter scan: the chosen adapter's address text, or "" when the scan
  // fails or finds no qualifying adapter.
  virtual std::string ScanAdapterAddressText() = 0;
  virtual std::string ProductUuid() = 0;
};

class MachineIdentity {
 public:
  explicit MachineIdentity(IdentityProbe& probe) : probe_(probe) {}

  // The 64-character digest text of the machine, computed once; "error",
  // not kept, while there is nothing to digest.
  std::string MachineUid();
  // The chosen adapter's address text; scanned again at every call until a
  // scan finds one, then kept.
  std::string AdapterAddressText();

 private:
  IdentityProbe& probe_;
  std::string machineUid_;
  std::string adapterText_;
};

}  // namespace lumo
