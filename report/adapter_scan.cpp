// One scan of the machine's adapters: the IP Helper's list, then the device
// path that the network class keeps for each candidate.
#include <windows.h>
#include <iphlpapi.h>
#include <winsock2.h>

#include <algorithm>
#include <cstring>

#include "report/registry_value.h"
#include "report/string_cipher.h"
#include "report/windows_identity.h"

namespace lumo {
namespace {

const char kNetworkClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr std::size_t kDevicePathCapacity = 260;

AdapterEntry EntryOf(const IP_ADAPTER_INFO& info) {
  AdapterEntry entry;
  entry.name.assign(info.AdapterName, strnlen(info.AdapterName, sizeof info.AdapterName));
  entry.type = info.Type;
  const std::size_t length = std::min<std::size_t>(info.AddressLength, sizeof info.Address);
  entry.address = BytesToHex(info.Address, length);
  return entry;
}

bool ReadAdapterDevicePath(const std::string& adapterName, std::string& path) {
  std::string bytes;
  if (!ReadRegistryValueBytes(HKEY_LOCAL_MACHINE, kNetworkClassKey + adapterName + "\\Connection",
                              "PnPInstanceId", kDevicePathCapacity, bytes)) {
    return false;
  }
  path = UpToFirstZero(bytes);
  return true;
}

}  // namespace

bool ListAdapters(std::vector<AdapterEntry>& adapters) {
  // Room for one entry first; the list tells how much it needs beyond that.
  ULONG size = sizeof(IP_ADAPTER_INFO);
  std::vector<IP_ADAPTER_INFO> buffer(1);
  ULONG result = GetAdaptersInfo(buffer.data(), &size);
  if (result == ERROR_BUFFER_OVERFLOW) {
    buffer.resize(size / sizeof(IP_ADAPTER_INFO) + 1);
    size = static_cast<ULONG>(buffer.size() * sizeof(IP_ADAPTER_INFO));
    result = GetAdaptersInfo(buffer.data(), &size);
  }
  if (result != ERROR_SUCCESS) return false;
  for (const IP_ADAPTER_INFO* info = buffer.data(); info != nullptr; info = info->Next) {
    adapters.push_back(EntryOf(*info));
  }
  return true;
}

std::string ScanAdapterAddressText() {
  std::vector<AdapterEntry> adapters;
  if (!ListAdapters(adapters)) return std::string();
  return ChooseAdapterAddressText(adapters, ReadAdapterDevicePath);
}

}  // namespace lumo
