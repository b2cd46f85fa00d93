#include "ui/core/timer_table.h"

#include <algorithm>

namespace Veneer {
namespace {

// Win32 ids cycle below this bound; 241 stays free for the caret blink.
constexpr UINT_PTR kWin32IdCycle = 240;

void KillIfRunning(const TimerRecord& record) {
  if (!record.killed && IsWindow(record.window)) KillTimer(record.window, record.win32Id);
}

template <typename Match>
void EraseKilling(std::vector<TimerRecord>& records, Match match) {
  auto gone = [&](const TimerRecord& record) {
    if (!match(record)) return false;
    KillIfRunning(record);
    return true;
  };
  records.erase(std::remove_if(records.begin(), records.end(), gone), records.end());
}

}  // namespace

bool TimerTable::Start(CControlUI* control, HWND window, UINT localId, UINT milliseconds) {
  if (TimerRecord* record = RecordOf(control, window, localId)) {
    if (!record->killed) return false;  // a running timer keeps its period
    if (!SetTimer(window, record->win32Id, milliseconds, nullptr)) return false;
    record->killed = false;
    return true;
  }
  const UINT_PTR id = NextWin32Id(window);
  if (!SetTimer(window, id, milliseconds, nullptr)) return false;
  records_.push_back({control, localId, window, id, false});
  return true;
}

bool TimerTable::Stop(CControlUI* control, HWND window, UINT localId) {
  TimerRecord* record = RecordOf(control, window, localId);
  if (!record || record->killed) return false;
  KillIfRunning(*record);
  record->killed = true;
  return true;
}

const TimerRecord* TimerTable::Find(HWND window, UINT_PTR win32Id) const {
  for (const auto& record : records_) {
    if (!record.killed && record.window == window && record.win32Id == win32Id) return &record;
  }
  return nullptr;
}

void TimerTable::RemoveControl(CControlUI* control, HWND window) {
  EraseKilling(records_, [&](const TimerRecord& record) {
    return record.control == control && record.window == window;
  });
}

void TimerTable::KillAll(HWND window) {
  EraseKilling(records_, [&](const TimerRecord& record) { return record.window == window; });
}

TimerRecord* TimerTable::RecordOf(CControlUI* control, HWND window, UINT localId) {
  for (auto& record : records_) {
    if (record.control == control && record.window == window && record.localId == localId) {
      return &record;
    }
  }
  return nullptr;
}

// The next id of the cycle that no record of the window holds, so that a
// window with many timers never gives two of them one Win32 timer. Id 0 is
// skipped, because SetTimer's answer to it can't be told from failure, and
// so is the shake's id, whose ticks would reach a control.
UINT_PTR TimerTable::NextWin32Id(HWND window) {
  for (UINT_PTR tries = 0; tries < kWin32IdCycle; ++tries) {
    nextId_ = (nextId_ + 1) % kWin32IdCycle;
    const bool taken = std::any_of(records_.begin(), records_.end(), [&](const TimerRecord& r) {
      return r.window == window && r.win32Id == nextId_;
    });
    if (nextId_ != 0 && nextId_ != kShakeTimerId && !taken) return nextId_;
  }
  return 0;
}

}  // namespace Veneer
