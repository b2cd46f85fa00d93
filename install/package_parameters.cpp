#include "install/package_parameters.h"

#include "install/browser_contract.h"

namespace lumo {
namespace {

const wchar_t* Flag(bool selected) {
  return selected ? L"1" : L"0";
}

}  // namespace

std::wstring PackageParameters(const InstallOptions& options) {
  std::wstring text = contract::kInstallPathSwitch + options.installFolder;
  text += contract::kExperiencePlanSwitch;
  text += Flag(options.experiencePlan);
  text += contract::kDefaultBrowserSwitch;
  text += Flag(options.defaultBrowser);
  text += contract::kTaskbarShortcutSwitch;
  text += Flag(options.taskbarShortcut);
  text += contract::kDesktopShortcutSwitch;
  text += Flag(options.desktopShortcut);
  return text;
}

}  // namespace lumo
