#include "report/report_format.h"

#include "report/stored_constants.h"
#include "report/string_cipher.h"

namespace lumo {

const std::array<const char*, kReportFieldCount> kReportKeys = {
    "nkid",  "uid", "um",   "product",   "platform",   "channel",   "version",
    "event", "key", "data", "osversion", "systemType", "signature", "hsguid",
};

std::string JoinReportQuery(const ReportValues& values) {
  std::string query;
  for (std::size_t i = 0; i < kReportFieldCount; ++i) {
    if (i != 0) query += '&';
    query += kReportKeys[i];
    query += '=';
    query += values[i];
  }
  return query;
}

std::string DecipherDataKey() {
  std::string key;
  DecryptFromHex(StoredKey, DataKeyCipherText, key);
  return key;
}

std::string DecipherSignatureSalt() {
  std::string salt;
  DecryptFromHex(StoredKey, SignatureSaltCipherText, salt);
  return salt;
}

std::string ReportSignature(const std::string& uid, const std::string& umField,
                            const std::string& dataField) {
  return Md5DigestText(uid + '&' + umField + '&' + dataField + '&' + DecipherSignatureSalt());
}

}  // namespace lumo
