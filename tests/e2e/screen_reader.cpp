#include "tests/e2e/screen_reader.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tests/e2e/desktop.h"
#include "tests/e2e/installation_run.h"

namespace lumo::e2e {
namespace {

std::string Probe() {
  return Win64Tree() + "/tests/e2e/accessibility_probe.exe";
}

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream input(text);
  std::string line;
  while (std::getline(input, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The Linux path as the prefix's Z: drive names it.
std::string WindowsPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

bool Exists(const std::string& path) {
  return std::ifstream(path).good();
}

}  // namespace

Lines ReadTree(const std::string& handle) {
  return SplitLines(RunProgram({Win64Tree() + "/wine-run", Probe(), "tree", handle}));
}

Lines TreeLinesWith(const std::string& handle, const std::string& text) {
  Lines found;
  for (const std::string& line : ReadTree(handle)) {
    if (line.find(text) != std::string::npos)
      found.push_back(line.substr(line.find_first_not_of(' ')));
  }
  return found;
}

bool PressByName(const std::string& handle, const std::string& name) {
  int exitCode = -1;
  RunProgram({Win64Tree() + "/wine-run", Probe(), "press", handle, name}, &exitCode);
  return exitCode == 0;
}

EventWatch::EventWatch(int milliseconds)
    : mark_(Win64Tree() + "/accessibility-events-" + std::to_string(getpid())) {
  unlink(mark_.c_str());
  probe_ = std::thread([this, milliseconds] {
    output_ = RunProgram({Win64Tree() + "/wine-run", Probe(), "events",
                          std::to_string(milliseconds), WindowsPath(mark_)});
  });
  listening_ = WaitUntil([this] { return Exists(mark_); }, milliseconds);
}

EventWatch::~EventWatch() {
  unlink(mark_.c_str());
  if (probe_.joinable()) probe_.join();
}

Lines EventWatch::Finish() {
  unlink(mark_.c_str());
  if (probe_.joinable()) probe_.join();
  return SplitLines(output_);
}

}  // namespace lumo::e2e
