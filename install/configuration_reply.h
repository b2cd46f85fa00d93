// Reading the configuration service's reply: a JSON array of entries, each
// with "status" (0: for one installer version, 1: default), "version",
// "files" (the package URL) and an optional "sha256" (the package's digest).
// Platform-neutral.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lumo {

// What an entry says about the package's bytes.
struct PackageDigest {
  enum class Kind {
    kNone,       // no "sha256": the package is taken as it comes
    kSha256,     // 64 hexadecimal digits, either case
    kMalformed,  // a "sha256" that is anything else: no check can be made
  };
  Kind kind = Kind::kNone;
  std::array<std::uint8_t, 32> sha256 = {};
};

struct PackageChoice {
  std::string url;
  PackageDigest digest;  // of the entry the URL came from
};

// The package the reply offers to the installer of `installerVersion`: the
// last status-0 entry whose "version" equals it byte for byte, unless its
// "files" is empty; otherwise the last default entry; otherwise none (an
// empty URL). Text that is not JSON, or not an array (null counts as an
// empty one), offers nothing.
PackageChoice ChoosePackage(const std::string& reply, const std::string& installerVersion);

}  // namespace lumo
