#include "app/single_instance.h"

#include "install/private_messages.h"

namespace lumo {

InstanceMutex::InstanceMutex()
    : mutex_(CreateMutexW(nullptr, TRUE, L"QuilletMutex")),
      anotherRuns_(GetLastError() == ERROR_ALREADY_EXISTS) {}

InstanceMutex::~InstanceMutex() {
  if (mutex_ == nullptr) return;
  if (!anotherRuns_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
}

void ActivateFirstInstance() {
  if (const HWND first = FindWindowW(nullptr, kInstallerTitle)) {
    PostMessageW(first, WM_ACTIVATE_INSTANCE, 0, 0);
  }
}

}  // namespace lumo
