#include "report/windows_identity.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>

#include "report/string_cipher.h"
#include "tests/report/scoped_registry_value.h"

namespace lumo {
namespace {

using test::ScopedRegistryValue;

const char kNetworkClassKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

bool IsAddressText(const std::string& text) {
  return std::regex_match(text, std::regex("[0-9A-F]{12}"));
}

// The prefix's real Ethernet adapters with a non-zero address, by name, each
// with its device path under the test's control.
class AdapterScan : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<AdapterEntry> listed;
    ASSERT_TRUE(ListAdapters(listed));
    for (const auto& adapter : listed) {
      if (adapter.type == kEthernetAdapterType &&
          adapter.address.find_first_not_of('0') != std::string::npos) {
        adapters_.push_back(adapter);
      }
    }
    std::sort(adapters_.begin(), adapters_.end(),
              [](const AdapterEntry& a, const AdapterEntry& b) { return a.name < b.name; });
    ASSERT_FALSE(adapters_.empty()) << "the prefix lists no Ethernet adapter";
    for (const auto& adapter : adapters_) {
      paths_.push_back(std::make_unique<ScopedRegistryValue>(
          HKEY_LOCAL_MACHINE, kNetworkClassKey + adapter.name + "\\Connection", "PnPInstanceId"));
      ASSERT_TRUE(paths_.back()->SetText("ROOT\\NET\\0000"));
    }
  }

  // Gives adapter `i` (in name order) the device path.
  void SetDevicePath(std::size_t i, const std::string& path) {
    ASSERT_TRUE(paths_[i]->SetText(path));
  }

  std::vector<AdapterEntry> adapters_;
  std::vector<std::unique_ptr<ScopedRegistryValue>> paths_;
};

TEST_F(AdapterScan, OnlyAPciOrUsbDevicePathQualifies) {
  EXPECT_EQ(ScanAdapterAddressText(), "") << "every adapter is virtual";
  const std::size_t last = adapters_.size() - 1;
  for (const char* path : {"PCI\\VEN_8086&DEV_100E&SUBSYS_001E8086&REV_02\\3&267A616A&0&18",
                           "pci\\ven_1af4&dev_1000", "USB\\VID_0B95&PID_1790\\000000000002"}) {
    SetDevicePath(last, path);
    const std::string text = ScanAdapterAddressText();
    EXPECT_EQ(text, adapters_[last].address) << path;
    EXPECT_TRUE(IsAddressText(text)) << text;
  }
  SetDevicePath(last, "SW\\{eeab7790-c514-11d1-b42b-00805fc1270e}\\asyncmac");
  EXPECT_EQ(ScanAdapterAddressText(), "");
}

TEST_F(AdapterScan, ThePhysicalAdapterWhoseNameSortsFirstWins) {
  if (adapters_.size() < 2) GTEST_SKIP() << "needs two Ethernet adapters";
  SetDevicePath(1, "PCI\\VEN_10EC&DEV_8168");
  SetDevicePath(0, "pci\\VEN_8086&DEV_100E");
  const std::string text = ScanAdapterAddressText();
  EXPECT_EQ(text, adapters_[0].address);
  EXPECT_TRUE(IsAddressText(text)) << text;
}

TEST_F(AdapterScan, TheCacheFillsOnlyWhenAScanFindsAnAdapter) {
  EXPECT_EQ(GetAdapterAddressText(), "");
  SetDevicePath(0, "PCI\\VEN_8086&DEV_100E");
  EXPECT_EQ(GetAdapterAddressText(), adapters_[0].address);
  SetDevicePath(0, "ROOT\\NET\\0000");
  EXPECT_EQ(GetAdapterAddressText(), adapters_[0].address) << "kept once found";
}

TEST(ProductUuid, ComesFromWmiAndLeavesTheThreadsComAsItWas) {
  // WMI may have no product object under wine: then the text is empty.
  const std::string uuid = GetProductUuid();
  EXPECT_TRUE(uuid.empty() || std::regex_match(uuid, std::regex("[0-9A-Fa-f-]{36}"))) << uuid;
  std::printf("product UUID: \"%s\"\n", uuid.c_str());
  // The apartment was left: joining one now is a first join.
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  CoUninitialize();

  // A thread of the multithreaded apartment gets the same answer and stays.
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(GetProductUuid(), uuid);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "still joined";
  CoUninitialize();
  CoUninitialize();
}

TEST(ProcessorIdText, IsGroupsOfEightHexDigits) {
  const std::string text = GetProcessorIdText();
  // Leaf 1's feature flags and signature are never zero on x86-64.
  EXPECT_TRUE(std::regex_match(text, std::regex("([0-9A-F]{8}){2,4}"))) << text;
  EXPECT_EQ(GetProcessorIdText(), text);
}

TEST(MachineUid, DigestsTheMachinesPartsOnce) {
  const std::string uid = GetMachineUid();
  EXPECT_EQ(uid, Md5DigestText(MachineIdText(GetProductUuid(), GetAdapterAddressText(),
                                             GetProcessorIdText())));
  EXPECT_TRUE(std::regex_match(uid, std::regex("[0-9A-F]{32}0{32}"))) << uid;
  EXPECT_EQ(GetMachineUid(), uid);
}

class SharedGuid : public ::testing::Test {
 protected:
  ScopedRegistryValue guid_{HKEY_CURRENT_USER,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\miniconfig", "guid"};
};

TEST_F(SharedGuid, ReadsOnlyTheBytesTheRegistryReturns) {
  EXPECT_EQ(GetSharedGuid(), "") << "no key";
  struct Case {
    const char* what;
    DWORD type;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"a string", REG_SZ, std::string("{A&B=C D}\0", 10), "{A&B=C D}"},
      {"no terminating zero", REG_BINARY, "{0D2E}", "{0D2E}"},
      {"up to the first zero", REG_SZ, std::string("{0D2E}\0junk\0", 12), "{0D2E}"},
      {"filling the buffer without a zero", REG_BINARY, std::string(260, 'g'),
       std::string(260, 'g')},
      {"larger than the buffer", REG_SZ, std::string(300, 'g') + '\0', ""},
      {"empty", REG_SZ, std::string(1, '\0'), ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(guid_.Set(c.type, c.bytes)) << c.what;
    EXPECT_EQ(GetSharedGuid(), c.text) << c.what;
  }
}

}  // namespace
}  // namespace lumo
