// The machine's identifiers as the event report sends them (Windows only).
// Narrow texts in the ANSI code page; none of these fails outward: a value
// that can't be found is "" (the identifier: "error").
#pragma once

#include <string>
#include <vector>

#include "report/identity_rules.h"

namespace lumo {

// The digest text of product UUID, adapter address and processor, computed
// once per process; "error", and computed again next time, while all three
// are empty.
std::string GetMachineUid();

// The address text of the machine's physical Ethernet adapter, kept once a
// scan has found one.
std::string GetAdapterAddressText();

// The UUID of the machine's Win32_ComputerSystemProduct through WMI.
std::string GetProductUuid();

// CPUID leaves 1 and 3 as up to four "%08X" groups.
std::string GetProcessorIdText();

// The "guid" value that other software may have left under the current
// user's "miniconfig" key, read at every call.
std::string GetSharedGuid();

// One adapter scan, uncached, and the IP Helper's adapter list it walks.
std::string ScanAdapterAddressText();
bool ListAdapters(std::vector<AdapterEntry>& adapters);

}  // namespace lumo
