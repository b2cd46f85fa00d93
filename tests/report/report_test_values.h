// Chosen machine values for report tests, and the report they give. The
// expected cipher texts and signatures come from the OpenSSL command-line
// tool and md5sum, not from the code under test:
//   um:        printf %s 02FC00000001 | openssl enc -aes-128-cbc
//                -K $(printf %s 'H7&D3K9#2c4E#6Bf' | xxd -p) -iv 0...0 | xxd -p -u
//   data:      the install event's data text the same way under the data key
//   signature: printf %s "$uid&$um&$data&$salt" | md5sum, uppercased, + 32 "0"
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "report/event_report.h"

namespace lumo::test {

class ChosenSources : public ReportSources {
 public:
  std::vector<std::string> machineUids{
      "9E107D9D372BB6826BD81D3542A419D600000000000000000000000000000000"};
  std::string adapterText = "02FC00000001";
  std::string sharedGuid = "{A&B=C D}";
  std::string osFileVersion = "6.1.7601.24545";
  std::string systemTypeName = "Win7";

  // Each call takes the next of `machineUids`, the last one repeating.
  std::string MachineUid() override {
    const std::string uid = machineUids[std::min(uidCalls_++, machineUids.size() - 1)];
    return uid;
  }
  std::string AdapterAddressText() override { return adapterText; }
  std::string SharedGuid() override { return sharedGuid; }
  std::string OsFileVersion() override { return osFileVersion; }
  std::string SystemTypeName() override { return systemTypeName; }

 private:
  std::size_t uidCalls_ = 0;
};

// The install event's data text enciphered under the stored data key.
inline const char kInstallDataField[] =
    "AD34E2F20C3DE78F1B18183E9ECC58795257A65BA63496E9F637A691800B7E04"
    "B3C31FE00A2F595F9B0419BAF3A9C798AF2B9B7655A38589C7894BA47DB9A613"
    "3C6A7FB9D6B3476922BFF2AA770F7D9FCA9E5A9AC26186BD243A3B2BB6193510"
    "96D22455F6B78798AB562942EB93B09125185976AC7EAEE1847AE4C27178DAAB";

// The install event of ChosenSources as it is sent.
inline const std::string kChosenInstallReport =
    std::string(
        "nkid=9E107D9D372BB6826BD81D3542A419D600000000000000000000000000000000"
        "&uid=9E107D9D372BB6826BD81D3542A419D600000000000000000000000000000000"
        "&um=01AB9F5019274EC10ACC51DD9822C52B"
        "&product=LGB&platform=Windows&channel=80001&version=0.0.0.0&event=downloader"
        "&key=1&data=") +
    kInstallDataField +
    "&osversion=6.1.7601.24545&systemType=Win7"
    "&signature=7DEB0481B8BFD7ACFE8B0D6AF421D1E700000000000000000000000000000000"
    "&hsguid={A&B=C D}";

}  // namespace lumo::test
