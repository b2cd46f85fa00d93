// The shape of the event report query, shared by the installer that builds it
// and the operators' verifier that reads it: the fourteen keys in their fixed
// order, how pairs are joined, and what the signature covers.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lumo {

// Positions of the report fields, in the order they are sent.
enum ReportField : std::size_t {
  kNkid,
  kUid,
  kUm,
  kProduct,
  kPlatform,
  kChannel,
  kVersion,
  kEvent,
  kKey,
  kData,
  kOsVersion,
  kSystemType,
  kSignature,
  kHsguid,
  kReportFieldCount
};

extern const std::array<const char*, kReportFieldCount> kReportKeys;

using ReportValues = std::array<std::string, kReportFieldCount>;

// "nkid=...&uid=...&...&hsguid=...": every value exactly as it stands, with
// no escaping, so a value holding "&" or "=" goes out as it is.
std::string JoinReportQuery(const ReportValues& values);

// The key under which the data field is enciphered, and the signature salt,
// deciphered from the stored constants; empty if they don't decipher.
std::string DecipherDataKey();
std::string DecipherSignatureSalt();

// The 64-character signature over uid & um & data & salt. The salt is
// deciphered for this call only.
std::string ReportSignature(const std::string& uid, const std::string& umField,
                            const std::string& dataField);

}  // namespace lumo
