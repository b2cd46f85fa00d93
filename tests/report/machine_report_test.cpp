#include "report/machine_report.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "report/report_format.h"
#include "report/report_verifier.h"
#include "report/system_description.h"
#include "report/windows_identity.h"
#include "tests/report/scoped_registry_value.h"

namespace lumo {
namespace {

TEST(MachineReport, AReportOfThisMachinePassesTheVerifier) {
  test::ScopedRegistryValue guid(
      HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\miniconfig", "guid");
  ASSERT_TRUE(guid.SetText("{6F0C&x=1 2}"));
  MachineReportSources machine;
  const std::string query = BuildInstallEventReport(machine);
  const ReportVerdict verdict = VerifyEventReport(query);
  ASSERT_TRUE(verdict.accepted) << verdict.reason << "\n" << query;
  const auto& fields = verdict.fields;
  EXPECT_EQ(fields[kNkid].value, GetMachineUid());
  EXPECT_EQ(fields[kUm].deciphered, GetAdapterAddressText());
  EXPECT_EQ(fields[kData].deciphered, InstallEvent::kData);
  EXPECT_EQ(fields[kData].value.size(), 256u);
  EXPECT_EQ(fields[kOsVersion].value, GetOsFileVersion());
  EXPECT_EQ(fields[kSystemType].value, GetSystemTypeName());
  EXPECT_EQ(fields[kHsguid].value, "{6F0C&x=1 2}");
}

TEST(MachineReport, TheSameMachineSendsTheSameReport) {
  // The cipher's initialisation vector is fixed and the identity is kept.
  EXPECT_EQ(BuildEventReport("{}", "e", "p", "c", "1"), BuildEventReport("{}", "e", "p", "c", "1"));
}

}  // namespace
}  // namespace lumo
