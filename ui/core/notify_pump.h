// Notification maps: a class derived from CNotifyPump lists which handler
// takes which notification in a static table linked to its base class's
// table; dispatch walks the tables from the most derived class down. A pump
// can also hand notifications for a named virtual window to another pump.
//
// A class declares its map as two static members and returns it from
// GetNotifyMap:
//   const NotifyMapEntry MyWnd::kNotifyEntries[] = {
//       {Notify::kClick, L"ok", NotifyKind::kNotification, nullptr,
//        AsNotifyHandler(&MyWnd::OnOk)},
//       {}};
//   const NotifyMap MyWnd::kNotifyMap = {&WindowImplBase::kNotifyMap, kNotifyEntries};
#pragma once

#include <windows.h>

#include <string>

#include "ui/core/name_map.h"
#include "ui/core/ui_notification.h"

namespace Veneer {

class CNotifyPump;

using NotifyParamsHandler = void (CNotifyPump::*)(WPARAM wParam, LPARAM lParam);
using NotifyHandler = void (CNotifyPump::*)(UiNotification& notification);

enum class NotifyKind : int {
  kParams = 1,        // called with the notification's wParam and lParam
  kNotification = 2,  // called with the whole notification
};

// One row of a notification map; a row without a type ends the table.
struct NotifyMapEntry {
  const wchar_t* type = nullptr;     // the notification type, compared exactly
  const wchar_t* control = nullptr;  // the sender's name; empty for any sender
  NotifyKind kind = NotifyKind::kNotification;
  NotifyParamsHandler onParams = nullptr;
  NotifyHandler onNotification = nullptr;
};

struct NotifyMap {
  const NotifyMap* base;  // the base class's map, or nullptr
  const NotifyMapEntry* entries;
};

// A handler of a derived class as a row's handler.
template <typename Pump>
constexpr NotifyHandler AsNotifyHandler(void (Pump::*handler)(UiNotification&)) {
  return static_cast<NotifyHandler>(handler);
}
template <typename Pump>
constexpr NotifyParamsHandler AsNotifyHandler(void (Pump::*handler)(WPARAM, LPARAM)) {
  return static_cast<NotifyParamsHandler>(handler);
}

class CNotifyPump {
 public:
  CNotifyPump() = default;
  virtual ~CNotifyPump() = default;
  CNotifyPump(const CNotifyPump&) = delete;
  CNotifyPump& operator=(const CNotifyPump&) = delete;

  // Notifications whose virtual window name is `name` also go to `target`
  // (borrowed; it must outlive its registration). False when the name is
  // taken.
  bool AddVirtualTarget(const std::wstring& name, CNotifyPump* target);
  bool RemoveVirtualTarget(const std::wstring& name);

 protected:
  // CNotifyPump's own map is empty.
  static const NotifyMap kNotifyMap;

  // The most derived class's notification map.
  virtual const NotifyMap& GetNotifyMap() const { return kNotifyMap; }
  // Hands the notification to the virtual targets of its virtual window
  // name, then to this pump's own map; true when a handler took it.
  bool DispatchNotification(UiNotification& notification);
  // The first table, from the most derived class down, with a row of the
  // notification's type for its sender's name (or for any sender) calls
  // that row's handler.
  bool DispatchToMap(UiNotification& notification);

 private:
  NameMap<CNotifyPump*> virtualTargets_;
};

}  // namespace Veneer
