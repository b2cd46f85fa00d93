#include "tests/e2e/installation_run.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

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
std::string HeadlessInstallation() {
  return Win64Tree() + "/tools/headless/headless_install.exe";
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
  if (settings.fileSizeLimit > 0) command += "trap '' XFSZ; ";  // a failing write, not a signal
  for (const auto& [name, value] : settings.environment) command += name + "=" + Quote(value) + " ";
  if (settings.fileSizeLimit > 0) {
    command += "prlimit --fsize=" + std::to_string(settings.fileSizeLimit) + " ";
  }
  command += Quote(Win64Tree() + "/wine-run") + " " +
             Quote(settings.program.empty() ? HeadlessInstallation() : settings.program) +
             " --config-host " + Quote(settings.configurationHost) + " --stats-host " +
             Quote(settings.statisticsHost) + " --options " + settings.options + " " +
             (settings.temporaryFolder.empty()
                  ? std::string()
                  : "--temp-folder " + Quote(settings.temporaryFolder) + " ") +
             Quote(settings.installFolder) + " 2>&1";
  InstallationRun run;
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) {
    run.output = std::string("popen: ") + std::strerror(errno);
    return run;
  }
  char line[4096];
  while (std::fgets(line, sizeof line, output) != nullptr) {
    run.output += line;
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
  if (WIFEXITED(status)) {
    run.exitCode = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    run.exitCode = 128 + WTERMSIG(status);
  }
  return run;
}

DesktopShell::DesktopShell() {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  const std::string runner = Win64Tree() + "/wine-run";
  const std::string program = Win64Tree() + "/tools/wine/desktop_shell.exe";
  char* const argv[] = {const_cast<char*>(runner.c_str()), const_cast<char*>(program.c_str()),
                        nullptr};
  if (posix_spawn(&pid_, runner.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  FILE* output = fdopen(pipeEnds[0], "r");
  char line[256] = {};
  ready_ = pid_ > 0 && output != nullptr && std::fgets(line, sizeof line, output) != nullptr &&
           std::string(line).rfind("desktop shell ready", 0) == 0;
  if (output != nullptr) std::fclose(output);
}

DesktopShell::~DesktopShell() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace lumo::e2e
