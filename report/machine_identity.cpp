#include "report/machine_identity.h"

#include "report/identity_rules.h"
#include "report/string_cipher.h"

namespace lumo {

std::string MachineIdentity::MachineUid() {
  if (!machineUid_.empty()) return machineUid_;
  const std::string processor = probe_.ProcessorIdText();
  const std::string adapter = AdapterAddressText();
  const std::string uuid = probe_.ProductUuid();
  const std::string text = MachineIdText(uuid, adapter, processor);
  if (text.empty()) return "error";
  machineUid_ = Md5DigestText(text);
  return machineUid_;
}

std::string MachineIdentity::AdapterAddressText() {
  if (adapterText_.empty()) adapterText_ = probe_.ScanAdapterAddressText();
  return adapterText_;
}

}  // namespace lumo
