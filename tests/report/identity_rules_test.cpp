#include "report/identity_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace lumo {
namespace {

TEST(MachineIdText, JoinsThePartsUnlessTheUuidIsAPlaceholder) {
  struct Case {
    std::string uuid, adapter, processor, text;
  };
  const Case cases[] = {
      {"4C4C4544-0035-3010-8050-B4C04F564433", "02FC00000001", "BFEBFBFF000906EA",
       "4C4C4544-0035-3010-8050-B4C04F564433&02FC00000001&BFEBFBFF000906EA"},
      {"", "02FC00000001", "BFEBFBFF000906EA", "&02FC00000001&BFEBFBFF000906EA"},
      {"4C4C4544-0035", "", "BFEBFBFF", "4C4C4544-0035&&BFEBFBFF"},
      {"", "", "", "&&"},
      {"03000200-0400-0500-0006-000700080009 O.E.M", "02FC00000001", "BFEBFBFF", "02FC00000001"},
      {"System Serial Number", "02FC00000001", "BFEBFBFF", "02FC00000001"},
      {"None", "02FC00000001", "BFEBFBFF", "02FC00000001"},
      {"None", "", "BFEBFBFF", ""},
      // Case-sensitive: these are not the placeholders.
      {"system", "02FC00000001", "BF", "system&02FC00000001&BF"},
      {"NONE O.e.m", "02FC00000001", "BF", "NONE O.e.m&02FC00000001&BF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MachineIdText(c.uuid, c.adapter, c.processor), c.text) << c.uuid;
  }
}

TEST(ProcessorIdText, PrintsNonZeroRegistersAsEightDigitsEach) {
  EXPECT_EQ(ProcessorIdText(0xBFEBFBFF, 0x000906EA, 0x1234ABCD, 0x0000000F),
            "BFEBFBFF000906EA1234ABCD0000000F");
  // Leaf 3 reads zero on most processors: 16 characters.
  EXPECT_EQ(ProcessorIdText(0x178BFBFF, 0x00A20F12, 0, 0), "178BFBFF00A20F12");
  EXPECT_EQ(ProcessorIdText(0, 0x00A20F12, 0, 7), "00A20F1200000007");
  EXPECT_EQ(ProcessorIdText(0, 0, 0, 0), "");
}

TEST(IsPhysicalDevicePath, AcceptsPciAndUsbInAnyCase) {
  for (const char* path :
       {"PCI\\VEN_8086&DEV_100E", "pci\\ven_8086", "USB\\VID_0B95", "uSb\\x", "PCI"}) {
    EXPECT_TRUE(IsPhysicalDevicePath(path)) << path;
  }
  for (const char* path : {"ROOT\\NET\\0000", "SW\\{eeab7790}", "PC", "", " PCI\\x", "ACPI\\x"}) {
    EXPECT_FALSE(IsPhysicalDevicePath(path)) << path;
  }
}

// Device paths by adapter name; the reader records what it was asked.
struct DevicePaths {
  std::map<std::string, std::string> paths;
  std::vector<std::string> asked;

  DevicePathReader Reader() {
    return [this](const std::string& name, std::string& path) {
      asked.push_back(name);
      const auto found = paths.find(name);
      if (found == paths.end()) return false;
      path = found->second;
      return true;
    };
  }
};

TEST(ChooseAdapterAddressText, TakesThePhysicalEthernetAdapterWhoseNameSortsFirst) {
  DevicePaths registry;
  registry.paths = {{"{B}", "PCI\\VEN_8086"},   {"{A}", "usb\\VID_0B95"}, {"{0}", "ROOT\\NET"},
                    {"{Z}", "PCI\\VEN_10EC"},   {"{W}", "PCI\\VEN_14E4"}, {"{Y}", "PCI\\zero"},
                    {"{\xC3}", "PCI\\VEN_1AF4"}};
  const std::vector<AdapterEntry> adapters = {
      {"{B}", 6, "02FC00000002"},    {"{Z}", 6, "02FC0000000Z"},
      {"{A}", 6, "02FC00000001"},     // lowercase usb qualifies
      {"{0}", 6, "02FC00000000"},     // a virtual adapter
      {"{W}", 71, "02FC00000071"},    // IEEE 802.11
      {"{Y}", 6, "000000000000"},     // zero address
      {"{X}", 6, "02FC0000000X"},     // no device path
      {"{\xC3}", 6, "02FC000000C3"},  // sorts after every ASCII name by bytes
  };
  EXPECT_EQ(ChooseAdapterAddressText(adapters, registry.Reader()), "02FC00000001");
  // The wireless and the zero adapter are never looked up.
  EXPECT_EQ(registry.asked,
            (std::vector<std::string>{"{B}", "{Z}", "{A}", "{0}", "{X}", "{\xC3}"}));

  std::vector<AdapterEntry> reversed(adapters.rbegin(), adapters.rend());
  EXPECT_EQ(ChooseAdapterAddressText(reversed, registry.Reader()), "02FC00000001");
}

TEST(ChooseAdapterAddressText, PassesOverZeroAddressesOfAnyLength) {
  DevicePaths registry;
  registry.paths = {{"{A}", "PCI\\x"}, {"{B}", "PCI\\x"}, {"{C}", "PCI\\x"}, {"{D}", "PCI\\x"}};
  EXPECT_EQ(ChooseAdapterAddressText({{"{A}", 6, ""},
                                      {"{B}", 6, "0000"},
                                      {"{C}", 6, "000000000000ABCD"},
                                      {"{D}", 6, "00000000000001"}},
                                     registry.Reader()),
            "");
  EXPECT_EQ(ChooseAdapterAddressText({{"{A}", 6, "000000000001"}}, registry.Reader()),
            "000000000001");
  EXPECT_EQ(ChooseAdapterAddressText({}, registry.Reader()), "");
}

}  // namespace
}  // namespace lumo
