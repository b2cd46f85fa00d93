#include "install/configuration_reply.h"

#include <json/json.h>

#include <cstdint>
#include <exception>
#include <limits>
#include <memory>

namespace lumo {
namespace {

enum class EntryKind { kForVersion, kDefault, kIgnored };

// "status" as a signed 32-bit number: numbers cut toward zero, true 1, false
// 0, anything else 0. A number outside the 32-bit range makes the entry one
// the installer ignores rather than one it misreads.
EntryKind ReadStatus(const Json::Value& status) {
  std::int64_t value = 0;
  if (status.isBool()) {
    value = status.asBool() ? 1 : 0;
  } else if (status.isNumeric()) {
    const double number = status.asDouble();
    if (!(number > static_cast<double>(std::numeric_limits<std::int32_t>::min()) - 1.0 &&
          number < static_cast<double>(std::numeric_limits<std::int32_t>::max()) + 1.0)) {
      return EntryKind::kIgnored;
    }
    value = status.isIntegral() ? status.asInt64() : static_cast<std::int64_t>(number);
  }
  if (value == 0) return EntryKind::kForVersion;
  if (value == 1) return EntryKind::kDefault;
  return EntryKind::kIgnored;
}

// A text field: a string gives its bytes, a boolean "true" or "false",
// anything else the empty text.
std::string ReadText(const Json::Value& value) {
  if (value.isString()) return value.asString();
  if (value.isBool()) return value.asBool() ? "true" : "false";
  return std::string();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "sha256" of an entry: absent, 64 hexadecimal digits, or malformed (any
// other value, null included: the operator asked for a check).
PackageDigest ReadDigest(const Json::Value& entry) {
  PackageDigest digest;
  if (!entry.isObject() || !entry.isMember("sha256")) return digest;
  digest.kind = PackageDigest::Kind::kMalformed;
  const Json::Value& value = entry["sha256"];
  if (!value.isString()) return digest;
  const std::string text = value.asString();
  if (text.size() != 2 * digest.sha256.size()) return digest;
  for (std::size_t i = 0; i < digest.sha256.size(); ++i) {
    const int high = HexDigit(text[2 * i]);
    const int low = HexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) return digest;
    digest.sha256[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  digest.kind = PackageDigest::Kind::kSha256;
  return digest;
}

PackageChoice ReadChoice(const Json::Value& entry) {
  return PackageChoice{ReadText(entry["files"]), ReadDigest(entry)};
}

bool Parse(const std::string& text, Json::Value& root) {
  Json::CharReaderBuilder builder;
  const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  std::string errors;
  try {
    return reader->parse(text.data(), text.data() + text.size(), &root, &errors);
  } catch (const std::exception&) {
    return false;  // the reader throws on nesting beyond its stack limit
  }
}

}  // namespace

PackageChoice ChoosePackage(const std::string& reply, const std::string& installerVersion) {
  Json::Value root;
  if (!Parse(reply, root) || !(root.isArray() || root.isNull())) return PackageChoice();

  PackageChoice preferred;
  PackageChoice fallback;
  for (const Json::Value& entry : root) {
    if (!entry.isObject() && !entry.isNull()) continue;
    // A null entry reads as an object without keys.
    switch (ReadStatus(entry["status"])) {
      case EntryKind::kForVersion:
        if (ReadText(entry["version"]) == installerVersion) preferred = ReadChoice(entry);
        break;
      case EntryKind::kDefault: fallback = ReadChoice(entry); break;
      case EntryKind::kIgnored: break;
    }
  }
  return preferred.url.empty() ? fallback : preferred;
}

}  // namespace lumo
