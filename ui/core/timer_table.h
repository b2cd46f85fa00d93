// The control timers of the paint managers: each control timer is a Win32
// timer of the manager's window with an id of its own. A stopped timer keeps
// its record, so starting it again reuses its Win32 id.
#pragma once

#include <windows.h>

#include <vector>

namespace Veneer {

class CControlUI;

// The Win32 timer the window base's attention shake runs on a manager's
// window: control timers never get its id.
constexpr UINT_PTR kShakeTimerId = 10;

struct TimerRecord {
  CControlUI* control = nullptr;
  UINT localId = 0;  // the control's own id
  HWND window = nullptr;
  UINT_PTR win32Id = 0;
  bool killed = false;
};

class TimerTable {
 public:
  // False when SetTimer fails or when the timer is already running.
  bool Start(CControlUI* control, HWND window, UINT localId, UINT milliseconds);
  // False when no such timer runs.
  bool Stop(CControlUI* control, HWND window, UINT localId);
  // The first running timer of `window` with that Win32 id, or nullptr.
  const TimerRecord* Find(HWND window, UINT_PTR win32Id) const;
  // Removes the control's timers of `window`, killing the running ones.
  void RemoveControl(CControlUI* control, HWND window);
  void KillAll(HWND window);

 private:
  TimerRecord* RecordOf(CControlUI* control, HWND window, UINT localId);
  UINT_PTR NextWin32Id(HWND window);

  std::vector<TimerRecord> records_;
  UINT_PTR nextId_ = 0x1000;
};

}  // namespace Veneer
