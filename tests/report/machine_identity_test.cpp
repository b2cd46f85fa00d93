#include "report/machine_identity.h"

#include <gtest/gtest.h>

#include <vector>

#include "report/string_cipher.h"

namespace lumo {
namespace {

// Answers from lists, one entry a call, the last repeating; counts the calls.
class ScriptedProbe : public IdentityProbe {
 public:
  std::string processor = "BFEBFBFF000906EA";
  std::vector<std::string> scans{"02FC00000001"};
  std::vector<std::string> uuids{"4C4C4544-0035-3010-8050-B4C04F564433"};
  int scanCalls = 0, uuidCalls = 0;

  std::string ProcessorIdText() override { return processor; }
  std::string ScanAdapterAddressText() override { return Next(scans, scanCalls); }
  std::string ProductUuid() override { return Next(uuids, uuidCalls); }

 private:
  static std::string Next(const std::vector<std::string>& answers, int& calls) {
    const std::size_t i =
        std::min<std::size_t>(static_cast<std::size_t>(calls++), answers.size() - 1);
    return answers[i];
  }
};

TEST(MachineIdentity, DigestsUuidAdapterAndProcessorOnce) {
  ScriptedProbe probe;
  probe.uuids = {"4C4C4544-0035-3010-8050-B4C04F564433", "changed"};
  MachineIdentity identity(probe);
  const std::string uid = identity.MachineUid();
  EXPECT_EQ(uid,
            Md5DigestText("4C4C4544-0035-3010-8050-B4C04F564433&02FC00000001&BFEBFBFF000906EA"));
  EXPECT_EQ(uid.size(), 64u);
  EXPECT_EQ(identity.MachineUid(), uid);
  EXPECT_EQ(identity.AdapterAddressText(), "02FC00000001");
  EXPECT_EQ(probe.uuidCalls, 1);
  EXPECT_EQ(probe.scanCalls, 1);
}

TEST(MachineIdentity, WithoutWmiOrAdapterTheOtherPartsStillCount) {
  ScriptedProbe probe;
  probe.uuids = {""};
  probe.scans = {""};
  MachineIdentity identity(probe);
  EXPECT_EQ(identity.MachineUid(), Md5DigestText("&&BFEBFBFF000906EA"));
}

TEST(MachineIdentity, APlaceholderUuidLeavesTheAdapterAlone) {
  ScriptedProbe probe;
  probe.uuids = {"To be filled by O.E.M."};
  MachineIdentity identity(probe);
  EXPECT_EQ(identity.MachineUid(), Md5DigestText("02FC00000001"));
  EXPECT_EQ(probe.scanCalls, 1);  // the second look at the adapter uses the cache
}

TEST(MachineIdentity, ErrorIsNotKeptAndTheNextCallTriesAgain) {
  ScriptedProbe probe;
  probe.uuids = {"System Serial Number", "System Serial Number", "4C4C4544"};
  probe.scans = {"", "", "02FC00000001"};
  MachineIdentity identity(probe);
  EXPECT_EQ(identity.MachineUid(), "error");
  EXPECT_EQ(identity.MachineUid(), "error");
  EXPECT_EQ(probe.uuidCalls, 2);
  EXPECT_EQ(identity.MachineUid(), Md5DigestText("4C4C4544&02FC00000001&BFEBFBFF000906EA"));
  EXPECT_EQ(identity.MachineUid(), Md5DigestText("4C4C4544&02FC00000001&BFEBFBFF000906EA"));
  EXPECT_EQ(probe.uuidCalls, 3);
}

TEST(MachineIdentity, AnEmptyScanIsRepeatedAFoundAdapterKept) {
  ScriptedProbe probe;
  probe.scans = {"", "", "02FC00000001", "02FC00000002"};
  MachineIdentity identity(probe);
  EXPECT_EQ(identity.AdapterAddressText(), "");
  EXPECT_EQ(identity.AdapterAddressText(), "");
  EXPECT_EQ(identity.AdapterAddressText(), "02FC00000001");
  EXPECT_EQ(identity.AdapterAddressText(), "02FC00000001");
  EXPECT_EQ(probe.scanCalls, 3);
}

}  // namespace
}  // namespace lumo
