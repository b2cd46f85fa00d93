#include "tests/app/classes_registry.h"

#include "common/scoped_handle.h"

namespace lumo::test {

std::string Utf16Bytes(const wchar_t* text, std::size_t units) {
  return std::string(reinterpret_cast<const char*>(text), units * sizeof(wchar_t));
}

bool WriteClassesValue(const std::wstring& key, const std::wstring& name, DWORD type,
                       const std::string& data) {
  RegistryKey opened;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      opened.receive(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::string padded = data + std::string(4, 'x');
  return RegSetValueExW(opened.get(), name.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(padded.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool CreateClassesKey(const std::wstring& key) {
  RegistryKey opened;
  return RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                         opened.receive(), nullptr) == ERROR_SUCCESS;
}

void DeleteClassesKey(const std::wstring& key) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

bool WriteLaunchCommand(const wchar_t* key, const std::wstring& command) {
  return WriteClassesValue(key, L"InstallerSuccessLaunchCmdLine", REG_SZ,
                           Utf16Bytes(command.c_str(), command.size() + 1));
}

void DeleteBrowserKeys() {
  DeleteClassesKey(L"SOFTWARE\\LumoGameBrowser");
  DeleteClassesKey(L"SOFTWARE\\LumoBrowser");
}

}  // namespace lumo::test
