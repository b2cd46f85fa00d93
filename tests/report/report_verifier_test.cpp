#include "report/report_verifier.h"

#include <gtest/gtest.h>

#include "report/report_format.h"
#include "report/stored_constants.h"
#include "report/string_cipher.h"
#include "tests/report/report_test_values.h"

namespace lumo {
namespace {

using test::ChosenSources;
using test::kChosenInstallReport;
using test::kInstallDataField;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(VerifyEventReport, AcceptsABuiltReportAndDeciphersItsFields) {
  const ReportVerdict verdict = VerifyEventReport(kChosenInstallReport);
  ASSERT_TRUE(verdict.accepted) << verdict.reason;
  EXPECT_EQ(verdict.reason, "");
  ASSERT_EQ(verdict.fields.size(), kReportFieldCount);
  for (std::size_t i = 0; i < kReportFieldCount; ++i) {
    EXPECT_EQ(verdict.fields[i].key, kReportKeys[i]);
    EXPECT_EQ(verdict.fields[i].enciphered, i == kUm || i == kData) << kReportKeys[i];
  }
  EXPECT_EQ(verdict.fields[kUm].deciphered, "02FC00000001");
  EXPECT_EQ(verdict.fields[kData].deciphered, InstallEvent::kData);
  ASSERT_NE(verdict.Find("hsguid"), nullptr);
  EXPECT_EQ(verdict.Find("hsguid")->value, "{A&B=C D}");
  EXPECT_EQ(verdict.Find("event")->value, "downloader");
  EXPECT_EQ(verdict.Find("missing"), nullptr);
}

TEST(VerifyEventReport, AcceptsWholeAddressesAndDegradedReports) {
  ChosenSources degraded;
  degraded.machineUids = {"error"};
  degraded.adapterText = degraded.sharedGuid = "";
  ChosenSources odd;
  odd.sharedGuid = "&hsguid=?&&==";
  for (const std::string& report :
       {"https://stats.example/hm4.gif?" + kChosenInstallReport,
        BuildEventReport(degraded, "", "", "", "", ""), BuildInstallEventReport(odd)}) {
    const ReportVerdict verdict = VerifyEventReport(report);
    EXPECT_TRUE(verdict.accepted) << verdict.reason << "\n" << report;
  }
  EXPECT_EQ(VerifyEventReport(BuildInstallEventReport(odd)).Find("hsguid")->value, "&hsguid=?&&==");
}

std::string Enciphered(const std::string& key, const std::string& text) {
  std::string hex;
  EncryptToHex(key, text, hex);
  return hex;
}

TEST(VerifyEventReport, RefusesForgedReportsWithTheReason) {
  const std::string& good = kChosenInstallReport;
  const std::string uid = "9E107D9D372BB6826BD81D3542A419D6";
  struct Case {
    const char* what;
    std::string report;
    std::string reason;
  };
  const Case cases[] = {
      {"other data, validly enciphered",
       Replaced(good, kInstallDataField,
                Enciphered(DecipherDataKey(), R"({"account_type":1,"uid":"0"})")),
       "the signature does not match uid, um and data"},
      {"data digit changed in the last block", Replaced(good, "78DAAB&", "78DAAC&"),
       "data does not decipher"},
      {"uid and nkid changed alike",
       Replaced(Replaced(good, uid, "0" + uid.substr(1)), uid, "0" + uid.substr(1)),
       "the signature does not match uid, um and data"},
      {"nkid alone changed", Replaced(good, "nkid=9", "nkid=0"), "nkid and uid differ"},
      {"other adapter, validly enciphered",
       Replaced(good, "01AB9F5019274EC10ACC51DD9822C52B", Enciphered(ReportKey, "02FC00000002")),
       "the signature does not match uid, um and data"},
      {"lowercase um", Replaced(good, "um=01AB9F", "um=01ab9f"), "um is not uppercase hex"},
      {"lowercase signature", Replaced(good, "signature=7DEB", "signature=7deb"),
       "the signature does not match uid, um and data"},
      {"swapped order",
       Replaced(good, "product=LGB&platform=Windows", "platform=Windows&product=LGB"),
       "field 4 is \"platform\" where \"product\" belongs"},
      {"missing field", Replaced(good, "&event=downloader", ""),
       "field 8 is \"key\" where \"event\" belongs"},
      {"missing last field", good.substr(0, good.find("&hsguid=")),
       "the field \"hsguid\" is missing"},
      {"renamed key", Replaced(good, "&systemType=", "&systemtype="),
       "field 12 is \"systemtype\" where \"systemType\" belongs"},
      {"key not 1", Replaced(good, "&key=1&", "&key=2&"), "key is not 1"},
      {"other platform", Replaced(good, "=Windows&", "=Linux&"), "platform is not \"Windows\""},
      {"empty text", "", "the field \"nkid\" is missing"},
      {"address without a query", "https://stats.example/hm4.gif", "the field \"nkid\" is missing"},
      {"long foreign key", std::string(5000, 'x'),
       "field 1 is \"" + std::string(32, 'x') + "...\" where \"nkid\" belongs"},
  };
  for (const auto& c : cases) {
    const ReportVerdict verdict = VerifyEventReport(c.report);
    EXPECT_FALSE(verdict.accepted) << c.what;
    EXPECT_EQ(verdict.reason, c.reason) << c.what;
  }
}

}  // namespace
}  // namespace lumo
