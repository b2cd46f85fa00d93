#include "app/launch_command_text.h"

#include "app/install_path.h"
#include "install/browser_contract.h"

namespace lumo {

std::wstring InstallDirFromLaunchCommand(const std::wstring& command) {
  std::wstring folder = ApplicationFromLaunchCommand(command);
  folder = ReplaceAll(folder, contract::kEarlierProductFolder, contract::kProductFolder);
  return ReplaceAll(folder, contract::kBrowserProgramSuffix, L"");
}

std::wstring ApplicationFromLaunchCommand(const std::wstring& command) {
  return ReplaceAll(command, L"\"", L"");
}

}  // namespace lumo
