// Starting a worker thread that nobody waits for: created with CreateThread,
// its handle dropped at once. The thread owns its job and deletes it.
#pragma once

#include <windows.h>

#include <memory>

namespace lumo {

template <typename Job, DWORD (*run)(Job&)>
DWORD WINAPI DetachedThreadEntry(void* parameter) {
  const std::unique_ptr<Job> job(static_cast<Job*>(parameter));
  return run(*job);
}

// Runs `run(*job)` on a new thread; false when the thread can't be created
// (the job is deleted then). The result of `run` is the thread's exit code.
template <typename Job, DWORD (*run)(Job&)>
bool StartDetachedThread(std::unique_ptr<Job> job) {
  HANDLE thread = CreateThread(nullptr, 0, DetachedThreadEntry<Job, run>, job.get(), 0, nullptr);
  if (thread == nullptr) return false;
  job.release();  // the thread owns it now
  CloseHandle(thread);
  return true;
}

}  // namespace lumo
