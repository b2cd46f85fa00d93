// Text rules of the install folder: what the user typed in the path box turns
// into the folder the browser is installed to. Platform-neutral.
#pragma once

#include <string>

namespace lumo {

// `text` with every occurrence of `search` replaced, left to right; the
// search goes on after each inserted replacement, so a replacement that holds
// the search text is not searched again. An empty `search` changes nothing.
std::wstring ReplaceAll(const std::wstring& text, const std::wstring& search,
                        const std::wstring& replacement);

// `text` trimmed (CAppString::Trim), "/" turned into "\", and every run of
// backslashes made one (so a leading "\\" loses one backslash too).
std::wstring NormalizePath(const std::wstring& text);

// The install folder for the path box's text: normalised, one trailing
// backslash dropped, and "\LumoGameBrowser" appended unless the text already
// ends in those letters in any case. The end is compared as letters only: a
// folder named "MyLumoGameBrowser" is taken as it is.
//   D:/Games//                   -> D:\Games\LumoGameBrowser
//   D:\Games\lumogamebrowser\    -> D:\Games\lumogamebrowser
//   (empty)                      -> \LumoGameBrowser, which no folder check accepts
std::wstring GetInstallPath(const std::wstring& pathBoxText);

}  // namespace lumo
