#include "install/package_parameters.h"

namespace lumo {
namespace {

const wchar_t* Flag(bool selected) {
  return selected ? L"1" : L"0";
}

}  // namespace

std::wstring PackageParameters(const InstallOptions& options) {
  std::wstring text = L" /InstallPath=" + options.installFolder;
  text += L" /IsSelectExperiencePlan=";
  text += Flag(options.experiencePlan);
  text += L" /IsSelectSetDefaultBrowser=";
  text += Flag(options.defaultBrowser);
  text += L" /IsTaskbarShortcut=";
  text += Flag(options.taskbarShortcut);
  text += L" /IsDespktopShortcut=";
  text += Flag(options.desktopShortcut);
  return text;
}

}  // namespace lumo
