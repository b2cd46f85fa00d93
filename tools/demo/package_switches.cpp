#include "tools/demo/package_switches.h"

#include "install/browser_contract.h"

namespace lumo::demo {
namespace {

constexpr const wchar_t* kFlagSwitches[] = {
    contract::kExperiencePlanSwitch, contract::kDefaultBrowserSwitch,
    contract::kTaskbarShortcutSwitch, contract::kDesktopShortcutSwitch};

// Reads `name` followed by "0" or "1" at `at`, moving `at` past it.
bool ReadFlag(const std::wstring& text, std::size_t& at, const std::wstring& name, bool& flag) {
  if (text.compare(at, name.size(), name) != 0) return false;
  at += name.size();
  if (at >= text.size() || (text[at] != L'0' && text[at] != L'1')) return false;
  flag = text[at++] == L'1';
  return true;
}

}  // namespace

bool ParsePackageSwitches(const std::wstring& commandLine, PackageSwitches& switches) {
  const std::wstring pathSwitch = contract::kInstallPathSwitch;
  const std::size_t start = commandLine.find(pathSwitch);
  if (start == std::wstring::npos) return false;
  const std::size_t pathBegin = start + pathSwitch.size();
  std::size_t at = commandLine.find(kFlagSwitches[0], pathBegin);
  if (at == std::wstring::npos || at == pathBegin) return false;

  PackageSwitches read;
  read.installPath = commandLine.substr(pathBegin, at - pathBegin);
  bool* const flags[] = {&read.experiencePlan, &read.defaultBrowser, &read.taskbarShortcut,
                         &read.desktopShortcut};
  for (int i = 0; i < 4; ++i) {
    if (!ReadFlag(commandLine, at, kFlagSwitches[i], *flags[i])) return false;
  }
  if (at != commandLine.size()) return false;
  switches = read;
  return true;
}

}  // namespace lumo::demo
