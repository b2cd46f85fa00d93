#include "report/identity_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace lumo {
namespace {

bool IsZeroAddress(const std::string& address) {
  const std::string zeros = "000000000000";
  return address.compare(0, zeros.size(), zeros, 0, std::min(address.size(), zeros.size())) == 0;
}

bool StartsWithIgnoringCase(const std::string& text, const char* prefix) {
  for (std::size_t i = 0; prefix[i] != '\0'; ++i) {
    if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string MachineIdText(const std::string& productUuid, const std::string& adapterText,
                          const std::string& processorText) {
  const std::string text = productUuid + '&' + adapterText + '&' + processorText;
  for (const char* placeholder : {"O.E.M", "System", "None"}) {
    if (text.find(placeholder) != std::string::npos) return adapterText;
  }
  return text;
}

std::string ProcessorIdText(std::uint32_t leaf1Edx, std::uint32_t leaf1Eax, std::uint32_t leaf3Edx,
                            std::uint32_t leaf3Ecx) {
  std::string text;
  for (const std::uint32_t value : {leaf1Edx, leaf1Eax, leaf3Edx, leaf3Ecx}) {
    if (value == 0) continue;
    char group[9];
    std::snprintf(group, sizeof group, "%08X", static_cast<unsigned>(value));
    text += group;
  }
  return text;
}

bool IsPhysicalDevicePath(const std::string& pnpInstanceId) {
  return StartsWithIgnoringCase(pnpInstanceId, "PCI") ||
         StartsWithIgnoringCase(pnpInstanceId, "USB");
}

std::string ChooseAdapterAddressText(const std::vector<AdapterEntry>& adapters,
                                     const DevicePathReader& readDevicePath) {
  // std::string orders like memcmp: by unsigned bytes.
  std::map<std::string, std::string> candidates;
  for (const auto& adapter : adapters) {
    if (adapter.type != kEthernetAdapterType || IsZeroAddress(adapter.address)) continue;
    std::string path;
    if (readDevicePath(adapter.name, path) && IsPhysicalDevicePath(path)) {
      candidates[adapter.name] = adapter.address;
    }
  }
  return candidates.empty() ? std::string() : candidates.begin()->second;
}

}  // namespace lumo
