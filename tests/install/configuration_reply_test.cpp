#include "install/configuration_reply.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(ChoosePackage, FollowsTheReadingRulesForTheUrl) {
  struct Case {
    const char* what;
    std::string reply;
    std::string version;
    std::string url;
  };
  const Case cases[] = {
      {"default", R"([{"status":1,"files":"D"}])", "1.0.0.1", "D"},
      {"matching version after the default",
       R"([{"status":1,"files":"D"},{"status":0,"version":"1.0.0.1","files":"V"}])", "1.0.0.1",
       "V"},
      {"matching version before the default",
       R"([{"status":0,"version":"1.0.0.1","files":"V"},{"status":1,"files":"D"}])", "1.0.0.1",
       "V"},
      {"case differs", R"([{"status":0,"version":"v1","files":"V"},{"status":1,"files":"D"}])",
       "V1", "D"},
      {"blank padding", R"([{"status":0,"version":" 1 ","files":"V"},{"status":1,"files":"D"}])",
       "1", "D"},
      {"match without files", R"([{"status":1,"files":"D"},{"status":0,"version":"1"}])", "1", "D"},
      {"match with empty files",
       R"([{"status":0,"version":"1","files":""},{"status":1,"files":"D"}])", "1", "D"},
      {"later default wins", R"([{"status":1,"files":"A"},{"status":1,"files":"B"}])", "", "B"},
      {"later match wins",
       R"([{"status":0,"version":"1","files":"A"},{"status":0,"version":"1","files":"B"}])", "1",
       "B"},
      {"string status is 0", R"([{"status":"1","version":"1","files":"S"}])", "1", "S"},
      {"true status is 1", R"([{"status":true,"files":"T"}])", "1", "T"},
      {"false status is 0", R"([{"status":false,"version":"1","files":"F"}])", "1", "F"},
      {"fraction cut toward zero", R"([{"status":1.9,"files":"F"}])", "", "F"},
      {"negative fraction cut toward zero", R"([{"status":-0.5,"version":"1","files":"N"}])", "1",
       "N"},
      {"other status ignored", R"([{"status":2,"files":"X"},{"status":-1,"files":"Y"}])", "", ""},
      {"status beyond 32 bits ignored", R"([{"status":4294967297,"files":"X"}])", "", ""},
      {"huge status ignored", R"([{"status":1e300,"files":"X"}])", "", ""},
      {"boolean texts", R"([{"status":0,"version":true,"files":true}])", "true", "true"},
      {"number text is empty", R"([{"status":0,"version":1,"files":"N"}])", "", "N"},
      {"empty installer version matches a missing version", R"([{"status":0,"files":"E"}])", "",
       "E"},
      {"null entry matches an empty version and sets an empty URL",
       R"([{"status":1,"files":"D"},null])", "", "D"},
      {"non-object entries skipped",
       R"([1,"x",[{"status":1,"files":"A"}],{"status":1,"files":"D"}])", "", "D"},
      {"raw UTF-8 bytes", "[{\"status\":1,\"files\":\"https://h/\xe5\x8c\x85.exe\"}]", "",
       "https://h/\xe5\x8c\x85.exe"},
      {"empty array", "[]", "", ""},
      {"null", "null", "", ""},
      {"object", R"({"status":1,"files":"D"})", "", ""},
      {"HTML", "<html><body>502 Bad Gateway</body></html>", "", ""},
      {"cut off", R"([{"status":1,"files":"D"})", "", ""},
      {"empty", "", "", ""},
      {"nested past the reader's limit", std::string(5000, '[') + std::string(5000, ']'), "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChoosePackage(c.reply, c.version).url, c.url) << c.what;
  }
}

// A default entry whose "sha256" is the given JSON value.
std::string DefaultWithDigest(const std::string& value) {
  return R"({"status":1,"files":"D","sha256":)" + value + "}";
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// The digest comes from the entry that gave the URL, whichever that is.
TEST(ChoosePackage, TakesTheDigestOfTheChosenEntry) {
  using Kind = PackageDigest::Kind;
  const std::string lower(64, 'a');
  const std::string upper(64, 'A');
  struct Case {
    const char* what;
    std::string entries;
    Kind kind;
  };
  const Case cases[] = {
      {"none", R"({"status":1,"files":"D"})", Kind::kNone},
      {"lower case", DefaultWithDigest(Quoted(lower)), Kind::kSha256},
      {"upper case", DefaultWithDigest(Quoted(upper)), Kind::kSha256},
      {"63 digits", DefaultWithDigest(Quoted(lower.substr(1))), Kind::kMalformed},
      {"65 digits", DefaultWithDigest(Quoted(lower + "a")), Kind::kMalformed},
      {"not hexadecimal", DefaultWithDigest(Quoted(lower.substr(1) + "g")), Kind::kMalformed},
      {"blank inside", DefaultWithDigest(Quoted(lower.substr(1) + " ")), Kind::kMalformed},
      {"empty", DefaultWithDigest(Quoted("")), Kind::kMalformed},
      {"null", DefaultWithDigest("null"), Kind::kMalformed},
      {"number", DefaultWithDigest("12"), Kind::kMalformed},
      {"the version entry's, not the default's",
       DefaultWithDigest(Quoted(upper)) + R"(,{"status":0,"version":"1","files":"V"})",
       Kind::kNone},
      {"the default's when the version entry has no files",
       DefaultWithDigest(Quoted(upper)) + R"(,{"status":0,"version":"1","sha256":1})",
       Kind::kSha256},
      {"the later default's", DefaultWithDigest(Quoted(upper)) + R"(,{"status":1,"files":"B"})",
       Kind::kNone},
  };
  std::array<std::uint8_t, 32> allAa;
  allAa.fill(0xaa);
  for (const auto& c : cases) {
    const PackageChoice choice = ChoosePackage("[" + c.entries + "]", "1");
    EXPECT_EQ(choice.digest.kind, c.kind) << c.what;
    if (c.kind == Kind::kSha256) {
      EXPECT_EQ(choice.digest.sha256, allAa) << c.what;
    }
  }
}

TEST(ChoosePackage, ReadsTheDigestsBytesInOrder) {
  std::string text;
  for (int i = 0; i < 32; ++i) {
    text += "0123456789abcDEF"[i % 16];
    text += "fEDcba9876543210"[i % 16];
  }
  const PackageDigest digest =
      ChoosePackage("[" + DefaultWithDigest(Quoted(text)) + "]", "").digest;
  ASSERT_EQ(digest.kind, PackageDigest::Kind::kSha256);
  EXPECT_EQ(digest.sha256[0], 0x0f);
  EXPECT_EQ(digest.sha256[1], 0x1e);
  EXPECT_EQ(digest.sha256[10], 0xa5);
  EXPECT_EQ(digest.sha256[15], 0xf0);
  EXPECT_EQ(digest.sha256[31], 0xf0);
}

}  // namespace
}  // namespace lumo
