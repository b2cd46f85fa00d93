// The decision rules behind the machine's identifiers, apart from the
// platform queries that feed them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumo {

// "UUID&adapter&processor", or the adapter text alone when the text holds a
// firmware placeholder ("O.E.M", "System", "None") where the UUID belongs.
std::string MachineIdText(const std::string& productUuid, const std::string& adapterText,
                          const std::string& processorText);

// The four registers as "%08X" each, in this order, a register that reads
// zero leaving nothing.
std::string ProcessorIdText(std::uint32_t leaf1Edx, std::uint32_t leaf1Eax, std::uint32_t leaf3Edx,
                            std::uint32_t leaf3Ecx);

// A device path of a physical adapter: "PCI..." or "USB..." in any case.
bool IsPhysicalDevicePath(const std::string& pnpInstanceId);

// As the platform lists an adapter.
struct AdapterEntry {
  std::string name;     // "{GUID}"
  unsigned type = 0;    // 6: Ethernet
  std::string address;  // the address text, two uppercase hex digits a byte
};

constexpr unsigned kEthernetAdapterType = 6;

// Reads the device path recorded for the adapter named so; false if there
// is none.
using DevicePathReader = std::function<bool(const std::string& adapterName, std::string& path)>;

// The address text of the physical Ethernet adapter whose name sorts first
// by bytes, whatever the listing order; "" if none qualifies. Zero addresses
// are passed over, and only their candidates' device paths are read.
std::string ChooseAdapterAddressText(const std::vector<AdapterEntry>& adapters,
                                     const DevicePathReader& readDevicePath);

}  // namespace lumo
