#include "app/install_path.h"

#include <algorithm>

#include "app/app_string.h"
#include "install/browser_contract.h"

namespace lumo {
namespace {

// Case folding as the C runtime's default locale does it: ASCII letters only.
wchar_t FoldAscii(wchar_t unit) {
  return unit >= L'A' && unit <= L'Z' ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - end.size(),
                    [](wchar_t a, wchar_t b) { return FoldAscii(a) == FoldAscii(b); });
}

}  // namespace

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& search,
                        const std::wstring& replacement) {
  if (search.empty()) return text;
  std::wstring result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t found; (found = text.find(search, from)) != std::wstring::npos;
       from = found + search.size()) {
    result.append(text, from, found - from);
    result += replacement;
  }
  result.append(text, from, std::wstring::npos);
  return result;
}

std::wstring NormalizePath(const std::wstring& text) {
  CAppString trimmed(text);
  trimmed.Trim();
  std::wstring path = ReplaceAll(trimmed.str(), L"/", L"\\");
  const auto doubled = [](wchar_t a, wchar_t b) { return a == L'\\' && b == L'\\'; };
  path.erase(std::unique(path.begin(), path.end(), doubled), path.end());
  return path;
}

std::wstring GetInstallPath(const std::wstring& pathBoxText) {
  const std::wstring product = contract::kProductFolder;
  std::wstring path = NormalizePath(pathBoxText);
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  if (path.size() <= product.size() || !EndsWithIgnoringCase(path, product)) {
    path += L'\\';
    path += product;
  }
  return path;
}

}  // namespace lumo
