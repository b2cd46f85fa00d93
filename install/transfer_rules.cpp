#include "install/transfer_rules.h"

#include <limits>

namespace lumo {

int DownloadPercent(std::uint32_t received, std::uint32_t announced) {
  if (announced == 0) return 0;
  const double percent = static_cast<double>(received) * 100.0 / static_cast<double>(announced);
  // A server that announces a few bytes and sends megabytes must not push
  // the quotient past what an int holds.
  constexpr int kMost = std::numeric_limits<int>::max();
  return percent >= static_cast<double>(kMost) ? kMost : static_cast<int>(percent);
}

bool BodyIsComplete(std::uint32_t received, std::uint32_t announced) {
  return announced == 0 || received >= announced;
}

bool IsHttpsUrl(const std::wstring& url) {
  static const wchar_t kScheme[] = L"https://";
  for (std::size_t i = 0; kScheme[i] != L'\0'; ++i) {
    if (i >= url.size()) return false;
    const wchar_t c = url[i] >= L'A' && url[i] <= L'Z' ? url[i] - L'A' + L'a' : url[i];
    if (c != kScheme[i]) return false;
  }
  return true;
}

}  // namespace lumo
