#include "report/windows_identity.h"

#include <windows.h>
#include <cpuid.h>

#include "report/machine_identity.h"
#include "report/registry_value.h"

namespace lumo {
namespace {

class WindowsIdentityProbe final : public IdentityProbe {
 public:
  std::string ProcessorIdText() override { return GetProcessorIdText(); }
  std::string ScanAdapterAddressText() override { return lumo::ScanAdapterAddressText(); }
  std::string ProductUuid() override { return GetProductUuid(); }
};

// The process-wide caches. Only the install worker asks, one report at a
// time.
MachineIdentity& ProcessIdentity() {
  static WindowsIdentityProbe probe;
  static MachineIdentity identity(probe);
  return identity;
}

constexpr std::size_t kSharedGuidCapacity = 260;

}  // namespace

std::string GetMachineUid() {
  return ProcessIdentity().MachineUid();
}

std::string GetAdapterAddressText() {
  return ProcessIdentity().AdapterAddressText();
}

std::string GetProcessorIdText() {
  unsigned eax1 = 0, ebx1 = 0, ecx1 = 0, edx1 = 0;
  unsigned eax3 = 0, ebx3 = 0, ecx3 = 0, edx3 = 0;
  __cpuid_count(1, 0, eax1, ebx1, ecx1, edx1);
  __cpuid_count(3, 0, eax3, ebx3, ecx3, edx3);
  return ProcessorIdText(edx1, eax1, edx3, ecx3);
}

std::string GetSharedGuid() {
  // Only the bytes the registry returned count: a value that fills the whole
  // buffer has no terminating zero.
  std::string bytes;
  if (!ReadRegistryValueBytes(HKEY_CURRENT_USER,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\miniconfig", "guid",
                              kSharedGuidCapacity, bytes)) {
    return std::string();
  }
  return UpToFirstZero(bytes);
}

}  // namespace lumo
