// Only one installer runs at a time. The first instance owns the mutex
// "QuilletMutex" until its message loop has ended; a later one finds the
// first one's window by its title and asks it to show itself.
#pragma once

#include <windows.h>

namespace lumo {

// The installer window's title, also the key by which a second instance
// finds the first.
inline constexpr wchar_t kInstallerTitle[] = L"Lumo游戏浏览器安装";

class InstanceMutex {
 public:
  // Creates the mutex with initial ownership.
  InstanceMutex();
  // A first instance releases the mutex; every instance closes its handle.
  ~InstanceMutex();
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;

  // Another installer created the mutex first. Any other outcome of the
  // creation, a failure included, counts as a first instance.
  bool AnotherInstanceRuns() const { return anotherRuns_; }

 private:
  HANDLE mutex_;
  bool anotherRuns_;
};

// Posts WM_ACTIVATE_INSTANCE to the first instance's window, if it has one
// yet (or still).
void ActivateFirstInstance();

}  // namespace lumo
