// Test values under HKEY_CLASSES_ROOT of the test prefix.
#pragma once

#include <windows.h>

#include <string>

namespace lumo::test {

// Raw bytes of UTF-16 text, `units` of them (NULs included as given).
std::string Utf16Bytes(const wchar_t* text, std::size_t units);

// Creates `key` if needed and stores exactly `data`'s bytes as the value.
// The byte after them is made non-zero, so that the registry doesn't add a
// NUL of its own to string data that lacks one.
bool WriteClassesValue(const std::wstring& key, const std::wstring& name, DWORD type,
                       const std::string& data);
bool CreateClassesKey(const std::wstring& key);
void DeleteClassesKey(const std::wstring& key);

// The browser's launch command as the package leaves it: a string value
// under one of the browser's two keys. Tests that use these hold the ctest
// resource lock "browser_launch_command".
bool WriteLaunchCommand(const wchar_t* key, const std::wstring& command);
void DeleteBrowserKeys();

}  // namespace lumo::test
