// A screen reader's hold on the installer, from the Linux side: the
// accessibility probe (accessibility_probe.exe) run in the test prefix reads
// a window's accessible tree, presses an object by its name and follows the
// WinEvents, from a process of its own, as Narrator, NVDA or JAWS do.
#pragma once

#include <string>
#include <thread>
#include <vector>

namespace lumo::e2e {

using Lines = std::vector<std::string>;

// The window's tree, one "role 'name' states = value" line an object,
// indented by two blanks a level (UTF-8).
Lines ReadTree(const std::string& handle);
// The lines of the tree that mention `text`, without their indentation.
Lines TreeLinesWith(const std::string& handle, const std::string& text);
// accDoDefaultAction on the first object of the window named `name`.
bool PressByName(const std::string& handle, const std::string& name);

// The WinEvents of every window while it lives, as "focus 'name'" lines.
class EventWatch {
 public:
  // Returns once the probe's hook is in place; it listens for at most
  // `milliseconds`.
  explicit EventWatch(int milliseconds = 8000);
  ~EventWatch();
  EventWatch(const EventWatch&) = delete;
  EventWatch& operator=(const EventWatch&) = delete;

  bool listening() const { return listening_; }
  // Waits for the probe's end; what it saw.
  Lines Finish();

 private:
  std::string mark_;
  std::string output_;
  std::thread probe_;
  bool listening_ = false;
};

}  // namespace lumo::e2e
