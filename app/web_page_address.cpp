#include "app/web_page_address.h"

namespace lumo {

std::wstring WebPageAddress(WebPage page, const std::wstring& website,
                            const std::wstring& serviceSite) {
  switch (page) {
    case WebPage::Agreement: return L"https://" + website + L"/zh-cn/installer/agreement.html";
    case WebPage::Privacy: return L"https://" + website + L"/zh-cn/installer/privacy.html";
    case WebPage::ErrorHelp: return L"https://" + serviceSite + L"/error";
  }
  return std::wstring();
}

}  // namespace lumo
