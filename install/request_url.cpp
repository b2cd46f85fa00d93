#include "install/request_url.h"

#include <vector>

namespace lumo {

std::wstring RequestUrl(HINTERNET request) {
  // The sizing call answers in bytes, the filling call in characters (wine
  // does both): neither is trusted. The buffer holds the answer counted as
  // characters, its last unit stays zero, and the text ends at its
  // terminator.
  DWORD size = 0;
  InternetQueryOptionW(request, INTERNET_OPTION_URL, nullptr, &size);
  std::vector<wchar_t> url(static_cast<std::size_t>(size) + 2, L'\0');
  DWORD capacity = static_cast<DWORD>((url.size() - 1) * sizeof(wchar_t));
  if (!InternetQueryOptionW(request, INTERNET_OPTION_URL, url.data(), &capacity)) return L"";
  return url.data();
}

}  // namespace lumo
