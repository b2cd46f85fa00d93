#include "report/event_report.h"

#include <gtest/gtest.h>

#include "report/string_cipher.h"
#include "tests/report/report_test_values.h"

namespace lumo {
namespace {

using test::ChosenSources;
using test::kChosenInstallReport;
using test::kInstallDataField;

TEST(EventReport, BuildsTheInstallEventByteForByte) {
  // hsguid "{A&B=C D}" goes out as it is: no value is escaped.
  ChosenSources sources;
  EXPECT_EQ(BuildInstallEventReport(sources), kChosenInstallReport);
}

TEST(EventReport, NkidAndUidAreOneCallResult) {
  ChosenSources sources;
  sources.machineUids = {"first", "second"};
  const std::string query = BuildInstallEventReport(sources);
  EXPECT_EQ(query.rfind("nkid=first&uid=first&um=", 0), 0u) << query;
}

TEST(EventReport, WithoutAnAdapterUmIsTheCipherOfTheEmptyTextAndSigned) {
  ChosenSources sources;
  sources.adapterText = "";
  const std::string query = BuildInstallEventReport(sources);
  EXPECT_NE(query.find("&um=A1DAA5E7B652344C4E205141E6401740&"), std::string::npos) << query;
  EXPECT_NE(
      query.find("&signature=DFB43367B656B5810D2EA11C2A2AEA8C00000000000000000000000000000000&"),
      std::string::npos)
      << query;
}

TEST(EventReport, MissingValuesGoOutEmpty) {
  ChosenSources sources;
  sources.machineUids = {"error"};
  sources.adapterText = sources.sharedGuid = sources.osFileVersion = sources.systemTypeName = "";
  EXPECT_EQ(
      BuildEventReport(sources, "", "", "", "", ""),
      "nkid=error&uid=error&um=A1DAA5E7B652344C4E205141E6401740&product=&platform=Windows"
      "&channel=&version=&event=&key=1&data=610D471DC4E3C897AAEE21FB87CBED17&osversion="
      "&systemType=&signature=8A95B5ACC4FE29D939ADB9DF3438F09D00000000000000000000000000000000"
      "&hsguid=");
}

TEST(SignReportData, EnciphersTheDataAndSignsUidUmAndData) {
  ChosenSources sources;
  std::string dataField, signature;
  SignReportData(sources, InstallEvent::kData, dataField, signature);
  EXPECT_EQ(dataField, kInstallDataField);
  EXPECT_EQ(signature, "7DEB0481B8BFD7ACFE8B0D6AF421D1E700000000000000000000000000000000");
}

TEST(SignReportData, TheOneEventsDataIs256HexDigitsUnderEveryKeySize) {
  // 112 bytes pad to 128 cipher bytes whichever AES variant the key selects.
  ChosenSources sources;
  std::string dataField, signature;
  SignReportData(sources, InstallEvent::kData, dataField, signature);
  EXPECT_EQ(dataField.size(), 256u);
  for (const char* key : {"0123456789abcdef", "0123456789abcdef01234567"}) {
    std::string field;
    EncryptToHex(key, InstallEvent::kData, field);
    EXPECT_EQ(field.size(), 256u) << key;
  }
  EXPECT_EQ(std::string(InstallEvent::kData).size(), 112u);
}

}  // namespace
}  // namespace lumo
