// The addresses of the web pages the installer's links open. Only the scheme
// and the paths are the installer's; the hosts are deployment settings.
// Platform-neutral.
#pragma once

#include <string>

#include "app/wizard_effects.h"

namespace lumo {

// The user agreement and the privacy policy are on the product's web site
// (`website`), the error help on its service site (`serviceSite`).
std::wstring WebPageAddress(WebPage page, const std::wstring& website,
                            const std::wstring& serviceSite);

}  // namespace lumo
