#include "tests/e2e/desktop.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include "tests/e2e/installation_run.h"

extern char** environ;

namespace lumo::e2e {
namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, '\t')) fields.push_back(field);
  return fields;
}

TopWindow ParseWindow(const std::vector<std::string>& f) {
  TopWindow w;
  w.handle = f[0];
  w.process = std::stoul(f[1]);
  w.className = f[2];
  w.title = f[3];
  w.rect = {std::stol(f[4]), std::stol(f[5]), std::stol(f[6]), std::stol(f[7])};
  w.visible = f[8].find('v') != std::string::npos;
  w.enabled = f[8].find('e') != std::string::npos;
  w.minimised = f[8].find('i') != std::string::npos;
  w.layered = f[8].find('l') != std::string::npos;
  w.owner = f[9];
  w.threadActive = f[10];
  w.threadFocus = f[11];
  return w;
}

void Xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {"xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  RunProgram(argv);
}

std::string Number(long value) {
  return std::to_string(value);
}

}  // namespace

std::vector<TopWindow> DesktopWindows::Titled(const std::string& title) const {
  std::vector<TopWindow> found;
  for (const TopWindow& w : windows) {
    if (w.visible && w.title == title) found.push_back(w);
  }
  return found;
}

std::vector<TopWindow> DesktopWindows::OfClass(const std::string& className) const {
  std::vector<TopWindow> found;
  for (const TopWindow& w : windows) {
    if (w.visible && w.className == className) found.push_back(w);
  }
  return found;
}

DesktopWindows ListWindows() {
  DesktopWindows desktop;
  std::stringstream output(
      RunProgram({Win64Tree() + "/wine-run", Win64Tree() + "/tests/e2e/window_probe.exe", "list"}));
  std::string line;
  while (std::getline(output, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> f = Fields(line);
    if (f.size() == 2 && f[0] == "foreground") desktop.foreground = f[1];
    if (f.size() == 12) desktop.windows.push_back(ParseWindow(f));
  }
  return desktop;
}

std::vector<Rect> WatchWindow(const std::string& handle, int milliseconds,
                              const std::function<void()>& action) {
  const std::string command = "'" + Win64Tree() + "/wine-run' '" + Win64Tree() +
                              "/tests/e2e/window_probe.exe' watch " + handle + " " +
                              std::to_string(milliseconds);
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) return {};
  std::vector<Rect> rects;
  Rect r;
  // The first line is the rectangle when the watch began.
  while (std::fscanf(output, "%ld %ld %ld %ld", &r.left, &r.top, &r.right, &r.bottom) == 4) {
    if (rects.empty()) action();
    rects.push_back(r);
  }
  pclose(output);
  return rects;
}

bool IsNullHandle(const std::string& handle) {
  return handle.find_first_not_of('0') == std::string::npos;
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

void MovePointer(long x, long y) {
  Xdotool({"mousemove", Number(x), Number(y)});
}

void Click(long x, long y) {
  Xdotool({"mousemove", Number(x), Number(y), "click", "1"});
}

void DoubleClick(long x, long y) {
  Xdotool({"mousemove", Number(x), Number(y), "click", "--repeat", "2", "--delay", "60", "1"});
}

void Drag(long fromX, long fromY, long toX, long toY) {
  Xdotool({"mousemove", Number(fromX), Number(fromY), "mousedown", "1"});
  const int steps = 8;
  for (int i = 1; i <= steps; ++i) {
    Xdotool({"mousemove", Number(fromX + (toX - fromX) * i / steps),
             Number(fromY + (toY - fromY) * i / steps)});
  }
  Xdotool({"mouseup", "1"});
}

void PressKeys(const std::string& keys) {
  Xdotool({"key", keys});
}

void TypeText(const std::string& text) {
  Xdotool({"type", "--delay", "30", text});
}

std::uint32_t Image::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
  return (static_cast<std::uint32_t>(p[0]) << 16) | (p[1] << 8) | p[2];
}

Image LoadPng(const std::string& path) {
  Image image;
  int channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &image.width, &image.height, &channels, 4);
  if (pixels == nullptr) return Image();
  image.rgba.assign(pixels, pixels + static_cast<std::size_t>(image.width) * image.height * 4);
  stbi_image_free(pixels);
  return image;
}

Image Screenshot(const Rect& area, const std::string& path) {
  const std::string geometry = Number(area.width()) + "x" + Number(area.height()) + "+" +
                               Number(area.left) + "+" + Number(area.top);
  RunProgram({"import", "-window", "root", "-crop", geometry, "+repage", path});
  return LoadPng(path);
}

double MatchShare(const Image& shot, int x, int y, const Image& picture, int tolerance) {
  long opaque = 0, matching = 0;
  for (int py = 0; py < picture.height; ++py) {
    for (int px = 0; px < picture.width; ++px) {
      const std::uint8_t* p =
          &picture.rgba[(static_cast<std::size_t>(py) * picture.width + px) * 4];
      if (p[3] < 250) continue;
      ++opaque;
      const std::uint32_t seen = shot.At(x + px, y + py);
      const int dr = std::abs(static_cast<int>((seen >> 16) & 0xFF) - p[0]);
      const int dg = std::abs(static_cast<int>((seen >> 8) & 0xFF) - p[1]);
      const int db = std::abs(static_cast<int>(seen & 0xFF) - p[2]);
      if (dr <= tolerance && dg <= tolerance && db <= tolerance) ++matching;
    }
  }
  return opaque == 0 ? 0.0 : static_cast<double>(matching) / opaque;
}

std::string RunProgram(const std::vector<std::string>& argv, int* exitCode) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::string();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::string output;
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) output.append(buffer, got);
  close(pipeEnds[0]);
  int status = 0;
  if (spawned == 0) waitpid(pid, &status, 0);
  if (exitCode != nullptr) *exitCode = spawned == 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return output;
}

}  // namespace lumo::e2e
