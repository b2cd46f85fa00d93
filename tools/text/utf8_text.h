// UTF-16 to UTF-8, for what the tools print and write for people and tests.
#pragma once

#include <string>

namespace lumo::tools {

std::string Utf8(const std::wstring& text);

}  // namespace lumo::tools
