#include "ui/core/notify_pump.h"

#include <vector>

#include "ui/controls/control.h"

namespace Veneer {
namespace {

const NotifyMapEntry kNoEntries[] = {{}};

bool EqualsIgnoringCase(const std::wstring& a, std::wstring_view b) {
  return a.size() == b.size() &&
         CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The row of one table for the notification: the row for the sender's name
// if there is one, else the first row for any sender.
const NotifyMapEntry* FindRow(const NotifyMapEntry* rows, const UiNotification& notification,
                              const std::wstring& sender) {
  const NotifyMapEntry* anySender = nullptr;
  for (const NotifyMapEntry* row = rows; row->type; ++row) {
    if (notification.type != row->type) continue;
    if (row->control && *row->control) {
      if (sender == row->control) return row;
    } else if (!anySender) {
      anySender = row;
    }
  }
  return anySender;
}

}  // namespace

const NotifyMap CNotifyPump::kNotifyMap = {nullptr, kNoEntries};

bool CNotifyPump::AddVirtualTarget(const std::wstring& name, CNotifyPump* target) {
  return target && virtualTargets_.Insert(name, target);
}

bool CNotifyPump::RemoveVirtualTarget(const std::wstring& name) {
  return virtualTargets_.Remove(name);
}

bool CNotifyPump::DispatchNotification(UiNotification& notification) {
  if (!notification.virtualWindow.empty()) {
    std::vector<CNotifyPump*> targets;
    virtualTargets_.ForEach([&](std::wstring_view name, CNotifyPump* target) {
      if (EqualsIgnoringCase(notification.virtualWindow, name)) targets.push_back(target);
    });
    for (CNotifyPump* target : targets) {
      if (target->DispatchToMap(notification)) return true;
    }
  }
  return DispatchToMap(notification);
}

bool CNotifyPump::DispatchToMap(UiNotification& notification) {
  const std::wstring sender = notification.sender ? notification.sender->GetName() : L"";
  for (const NotifyMap* map = &GetNotifyMap(); map; map = map->base) {
    const NotifyMapEntry* row = FindRow(map->entries, notification, sender);
    if (!row) continue;
    if (row->kind == NotifyKind::kParams) {
      if (row->onParams) (this->*row->onParams)(notification.wParam, notification.lParam);
    } else if (row->onNotification) {
      (this->*row->onNotification)(notification);
    }
    return true;
  }
  return false;
}

}  // namespace Veneer
