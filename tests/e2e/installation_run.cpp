#include "tests/e2e/installation_run.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace lumo::e2e {
namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string Win64Tree() {
  return LUMO_WIN64_TREE;
}
std::string CertificateFolder() {
  return Win64Tree() + "/deployment";
}

std::string PrefixPath(const std::string& windowsPath) {
  std::string path = Win64Tree() + "/wineprefix/drive_c/" + windowsPath.substr(3);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

InstallationRun RunHeadlessInstallation(const RunSettings& settings) {
  std::string command;
  for (const auto& [name, value] : settings.environment) command += name + "=" + Quote(value) + " ";
  command += Quote(Win64Tree() + "/wine-run") + " " +
             Quote(Win64Tree() + "/tools/headless/headless_install.exe") + " --config-host " +
             Quote(settings.configurationHost) + " --stats-host " + Quote(settings.statisticsHost) +
             " --options " + settings.options + " " +
             (settings.temporaryFolder.empty()
                  ? std::string()
                  : "--temp-folder " + Quote(settings.temporaryFolder) + " ") +
             Quote(settings.installFolder) + " 2>&1";
  InstallationRun run;
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) return run;
  char line[4096];
  while (std::fgets(line, sizeof line, output) != nullptr) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const std::string packagePrefix = "package path ";
    if (text.rfind(packagePrefix, 0) == 0) {
      run.packagePath = text.substr(packagePrefix.size());
    } else if (text.rfind("WM_", 0) == 0) {
      run.messages.push_back(text);
    }
  }
  const int status = pclose(output);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace lumo::e2e
