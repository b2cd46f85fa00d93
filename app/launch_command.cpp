#include "app/launch_command.h"

#include "app/launch_command_text.h"
#include "app/registry_reader.h"
#include "install/browser_contract.h"

namespace lumo {
namespace {

LONG ReadLaunchCommand(const RegistryReader& classes, const wchar_t* key, std::wstring& command) {
  DWORD type = 0;
  const LONG result = classes.ReadString(key, contract::kLaunchCommandValue, command, type);
  const std::size_t nul = command.find(L'\0');
  if (nul != std::wstring::npos) command.resize(nul);
  return result;
}

}  // namespace

std::wstring FindExistingInstallDir() {
  const RegistryReader classes(HKEY_CLASSES_ROOT);
  for (const wchar_t* key : contract::kLaunchCommandKeys) {
    std::wstring command;
    if (ReadLaunchCommand(classes, key, command) == ERROR_SUCCESS) {
      return InstallDirFromLaunchCommand(command);
    }
  }
  return std::wstring();
}

std::wstring FindLaunchCommand() {
  const RegistryReader classes(HKEY_CLASSES_ROOT);
  for (const wchar_t* key : contract::kLaunchCommandKeys) {
    std::wstring command;
    ReadLaunchCommand(classes, key, command);
    if (!command.empty()) return command;
  }
  return std::wstring();
}

}  // namespace lumo
