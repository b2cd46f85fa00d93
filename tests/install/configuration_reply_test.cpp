#include "install/configuration_reply.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(ChoosePackageUrl, FollowsTheReadingRules) {
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
    EXPECT_EQ(ChoosePackageUrl(c.reply, c.version), c.url) << c.what;
  }
}

}  // namespace
}  // namespace lumo
