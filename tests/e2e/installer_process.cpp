#include "tests/e2e/installer_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tests/e2e/installation_run.h"

extern char** environ;

namespace lumo::e2e {

std::string InstallerProgram() {
  return Win64Tree() + "/app/LumoGameBrowserSetup.exe";
}

InstallerProcess::InstallerProcess(const std::map<std::string, std::string>& environment) {
  std::vector<std::string> variables;
  for (char** v = environ; *v != nullptr; ++v) variables.emplace_back(*v);
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& v : variables) envp.push_back(v.data());
  envp.push_back(nullptr);

  const std::string runner = Win64Tree() + "/wine-run";
  const std::string program = InstallerProgram();
  char* const argv[] = {const_cast<char*>(runner.c_str()), const_cast<char*>(program.c_str()),
                        nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  if (posix_spawn(&pid_, runner.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

InstallerProcess::~InstallerProcess() {
  if (!Running()) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool InstallerProcess::Running() {
  if (pid_ <= 0 || exitCode_ >= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return true;
  exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
  return false;
}

int InstallerProcess::WaitForExit(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (Running() && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return Running() ? -1 : exitCode_;
}

}  // namespace lumo::e2e
