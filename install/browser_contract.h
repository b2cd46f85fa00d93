// What the installer hands to the browser's setup package and to the browser
// it installs, and what it reads back from them. Both programs are outside
// this one, so every text here is fixed to the letter. Platform-neutral.
#pragma once

namespace lumo::contract {

// The product folder: the install folder always ends in it.
inline constexpr wchar_t kProductFolder[] = L"LumoGameBrowser";
// The product's earlier name, still found in older installations' keys and
// folders; an existing folder is reported with the current name instead.
inline constexpr wchar_t kEarlierProductFolder[] = L"LumoBrowser";

// The package writes the browser's launch command, the full path of its
// program file with or without enclosing double quotes, as a string value
// under HKEY_CLASSES_ROOT. The keys are read in this order.
inline constexpr const wchar_t* kLaunchCommandKeys[] = {L"SOFTWARE\\LumoGameBrowser",
                                                        L"SOFTWARE\\LumoBrowser"};
inline constexpr wchar_t kLaunchCommandValue[] = L"InstallerSuccessLaunchCmdLine";
// How the launch command ends: the browser's program file in the folder.
inline constexpr wchar_t kBrowserProgramSuffix[] = L"\\Nebrix.exe";

// The switch that tells the browser the installer started it.
inline constexpr wchar_t kLaunchTypeSwitch[] = L"--launch-type=install";

// The package runs with administrator rights and hidden; its parameter text
// is these five switches in this order, each followed directly by its value
// (the install folder unquoted, then "1" or "0" for each option).
inline constexpr wchar_t kPackageVerb[] = L"runas";
inline constexpr wchar_t kInstallPathSwitch[] = L" /InstallPath=";
inline constexpr wchar_t kExperiencePlanSwitch[] = L" /IsSelectExperiencePlan=";
inline constexpr wchar_t kDefaultBrowserSwitch[] = L" /IsSelectSetDefaultBrowser=";
inline constexpr wchar_t kTaskbarShortcutSwitch[] = L" /IsTaskbarShortcut=";
inline constexpr wchar_t kDesktopShortcutSwitch[] = L" /IsDespktopShortcut=";

}  // namespace lumo::contract
