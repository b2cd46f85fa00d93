#include "install/request_url.h"

#include <gtest/gtest.h>

#include <string>

#include "install/internet_handle.h"

namespace lumo {
namespace {

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

// A request that is opened but never sent still knows its URL, so no
// server is needed for any length of host or path.
TEST(RequestUrl, IsTheWholeUrlWhateverItsLength) {
  const InternetHandle internet(InternetOpenW(L"", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  ASSERT_TRUE(internet);
  struct Case {
    const wchar_t* host;
    INTERNET_PORT port;
    std::wstring path;
    std::wstring url;
  };
  const std::wstring longPath = L"/" + std::wstring(1500, L'p') + L".exe";
  const Case cases[] = {
      {L"a.cn", 443, L"/p", L"https://a.cn/p"},
      {L"a", 443, L"/", L"https://a/"},
      {L"localhost", 48443, L"/package/lumo-package.exe",
       L"https://localhost:48443/package/lumo-package.exe"},
      {L"downloads.lumobrowser.com", 443, longPath,
       L"https://downloads.lumobrowser.com" + longPath},
  };
  for (const auto& c : cases) {
    const InternetHandle connection(InternetConnectW(internet.get(), c.host, c.port, nullptr,
                                                     nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    ASSERT_TRUE(connection);
    const InternetHandle request(HttpOpenRequestW(connection.get(), L"GET", c.path.c_str(), nullptr,
                                                  nullptr, nullptr, INTERNET_FLAG_SECURE, 0));
    ASSERT_TRUE(request);
    EXPECT_EQ(Narrow(RequestUrl(request.get())), Narrow(c.url));
  }
}

}  // namespace
}  // namespace lumo
