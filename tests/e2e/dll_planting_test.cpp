// The installer runs elevated from the user's Downloads folder, where anyone
// may drop a DLL. Under wine, a DLL name set to "native first" in
// WINEDLLOVERRIDES is looked for in the program's folder first, as Windows
// looks for every name that is not a known DLL: so a marker DLL planted under
// each name the program imports or loads shows whether one is ever taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/installation_run.h"
#include "tools/deployment/deployment_server.h"
#include "tools/pe/known_dlls.h"
#include "tools/pe/pe_imports.h"

namespace lumo::e2e {
namespace {

namespace fs = std::filesystem;

// Loaded by name at run time: the delay-loaded DLLs of the build and the
// blending functions of the UI framework.
std::vector<std::string> LoadedByName() {
  std::vector<std::string> names = {"msimg32.dll"};
  std::istringstream list(LUMO_DELAY_LOADED_DLLS);
  for (std::string name; std::getline(list, name, ',');) names.push_back(name + ".dll");
  return names;
}

std::string Marker() {
  return Win64Tree() + "/tests/e2e/planted/version.dll";
}

// Wine's own system DLLs take these from the program's folder where Windows
// would not, resolving their imports through a search path that ignores the
// default DLL directories: its user32 imports version.dll at start (Windows'
// user32 is a known DLL, whose imports come from the system), its wininet
// delay-loads crypt32.dll and iphlpapi.dll, its schannel imports bcrypt.dll.
// Planted, they would show wine's loader, not the program's; the program
// loads them as it loads wininet.dll.
bool WineTakesFromTheProgramsFolder(const std::string& name) {
  return name == "version.dll" || name == "crypt32.dll" || name == "iphlpapi.dll" ||
         name == "bcrypt.dll";
}

// Every name that Windows would look for beside `program`.
std::vector<std::string> PlantableNames(const std::string& program) {
  std::vector<std::string> imports;
  if (!pe::ReadImports(ReadFile(program), imports)) return {};
  std::vector<std::string> names;
  for (const std::string& name : LoadedByName()) {
    if (!WineTakesFromTheProgramsFolder(name)) names.push_back(name);
  }
  for (const std::string& name : imports) {
    if (!pe::IsKnownDll(name)) names.push_back(name);
  }
  return names;
}

std::string NativeFirst(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    list += (list.empty() ? "" : ",") + name.substr(0, name.size() - 4);
  }
  return list + "=n,b;mscoree,mshtml=";
}

// A fresh folder of the prefix holding a copy of `program` and the marker
// under each of `names`; the Linux path of the copy.
std::string PlantBeside(const std::string& windowsFolder, const std::string& program,
                        const std::vector<std::string>& names) {
  const fs::path folder = PrefixPath(windowsFolder);
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path copy = folder / fs::path(program).filename();
  fs::copy_file(program, copy);
  for (const std::string& name : names) fs::copy_file(Marker(), folder / name);
  return copy.string();
}

std::vector<std::string> LoadedMarkers(const std::string& programCopy) {
  std::vector<std::string> loaded;
  for (const auto& entry : fs::directory_iterator(fs::path(programCopy).parent_path())) {
    if (entry.path().extension() == ".loaded") loaded.push_back(entry.path().filename());
  }
  return loaded;
}

TEST(DllPlanting, NoDllPlantedBesideTheInstallationIsLoaded) {
  const std::vector<std::string> names = PlantableNames(HeadlessInstallation());
  ASSERT_GT(names.size(), 3u);
  const std::string copy =
      PlantBeside("C:\\lumo e2e\\planted\\Downloads", HeadlessInstallation(), names);

  deployment::Scenario scenario;
  scenario.packageBody = ReadFile(Win64Tree() + "/tools/demo/demo_package.exe");
  deployment::DeploymentServer server(CertificateFolder() + "/server.pem",
                                      CertificateFolder() + "/server.key", scenario);
  ASSERT_TRUE(server.Start());
  RunSettings settings;
  settings.program = copy;
  settings.configurationHost = settings.statisticsHost =
      "localhost:" + std::to_string(server.port());
  settings.installFolder = "C:\\lumo e2e\\planted\\LumoGameBrowser";
  settings.environment = {{"WINEDLLOVERRIDES", NativeFirst(names)}};
  const InstallationRun run = RunHeadlessInstallation(settings);
  server.Stop();

  ASSERT_GE(run.messages.size(), 2u) << run.output;
  EXPECT_EQ(run.messages.back(), "WM_INSTALL_DONE 0") << run.output;
  EXPECT_EQ(server.StatisticsLog().size(), 1u);
  EXPECT_EQ(LoadedMarkers(copy), std::vector<std::string>()) << NativeFirst(names);
  fs::remove_all(PrefixPath("C:\\lumo e2e\\planted"));
}

// The control: the same planting makes a program that imports "version.dll"
// in the ordinary way load the marker, so the test above can fail.
TEST(DllPlanting, AnOrdinaryImportTakesThePlantedDll) {
  const std::string probe = Win64Tree() + "/tests/e2e/planted/planted_import_probe.exe";
  const std::string copy = PlantBeside("C:\\lumo e2e\\planted\\control", probe, {"version.dll"});
  const std::string command = "WINEDLLOVERRIDES='" + NativeFirst({"version.dll"}) + "' '" +
                              Win64Tree() + "/wine-run' '" + copy + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(LoadedMarkers(copy), std::vector<std::string>{"version.dll.loaded"});
  fs::remove_all(PrefixPath("C:\\lumo e2e\\planted\\control"));
}

}  // namespace
}  // namespace lumo::e2e
