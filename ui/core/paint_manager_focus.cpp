// Keyboard focus, Tab navigation, Alt shortcuts, and the message loop's
// pre-translation that drives them.
#include <windowsx.h>

#include <cwchar>

#include "ui/controls/control.h"
#include "ui/core/control_interface.h"
#include "ui/core/manager_registry.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

struct TabSearch {
  CControlUI* focus;           // where the move starts, or nullptr for the first stop
  CControlUI* last = nullptr;  // the last Tab stop seen
  bool forward;
  bool nextIsTheOne = false;
};

// Visits controls in document order, containers before their children.
CControlUI* FindTabStop(CControlUI* control, void* data) {
  auto& search = *static_cast<TabSearch*>(data);
  if (control == search.focus) {
    if (search.forward) {
      search.nextIsTheOne = true;
    } else if (search.last) {
      return search.last;
    }
    return nullptr;
  }
  if (!(control->GetFlags() & TabStop)) return nullptr;
  search.last = control;
  return search.nextIsTheOne || !search.focus ? control : nullptr;
}

constexpr UINT kTabSearchFlags = FindVisible | FindEnabled | FindMeFirst;

wchar_t UpperCase(wchar_t c) {
  return static_cast<wchar_t>(
      reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(c)))));
}

struct ShortcutSearch {
  wchar_t key;  // upper case
  bool pickNext = false;
};

// The first control at or after the one whose shortcut matches, labels
// excepted, in the order containers first and children last to first.
CControlUI* FindShortcut(CControlUI* control, void* data) {
  auto& search = *static_cast<ShortcutSearch*>(data);
  if (!control->IsVisible()) return nullptr;
  if (UpperCase(control->GetShortcut()) == search.key) search.pickNext = true;
  if (!search.pickNext || std::wcsstr(control->UiClassName(), L"LabelUI")) return nullptr;
  return control;
}

// Runs the translators of the manager; true when one consumed the message.
bool Translate(const std::vector<ITranslateAccelerator*>& translators, MSG* message) {
  for (size_t i = 0; i < translators.size(); ++i) {
    if (translators[i]->TranslateAccelerator(message) == 0) return true;
  }
  return false;
}

bool IsAncestorOrSelf(HWND ancestor, HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (w == ancestor) return true;
  }
  return false;
}

}  // namespace

void PaintManager::SetFocusedControl(CControlUI* control) {
  if (window_ && GetFocus() != window_ && control != focus_) ::SetFocus(window_);
  if (control == focus_) return;
  EndFocus(control);
  if (!control || control->GetManager() != this || !control->IsVisible() || !control->IsEnabled()) {
    return;
  }
  focus_ = control;
  // Screen readers hear of the focus first: a control that opens a native
  // window of its own on the event (an edit's editor) hands the focus on,
  // and the system's event for that window must come last.
  NotifyAccessibility(control, EVENT_OBJECT_FOCUS);
  Send(control, UiEventType::SetFocus, lastMouse_, CurrentKeyState());
  // The notification comes from the control only if the event left it alive
  // and focused.
  if (focus_ == control) SendNotification(control, Notify::kSetFocus);
}

// The focus control gets a kill-focus event naming its successor.
void PaintManager::EndFocus(CControlUI* next) {
  CControlUI* old = focus_;
  if (!old) return;
  UiEvent event;
  event.type = UiEventType::KillFocus;
  event.sender = next;
  event.timestamp = GetTickCount();
  event.mouse = lastMouse_;
  event.keyState = CurrentKeyState();
  old->DispatchEvent(event);
  if (focus_ != old) return;  // deleted, or focused anew, while the event ran
  SendNotification(old, Notify::kKillFocus);
  if (focus_ == old) focus_ = nullptr;
}

CControlUI* PaintManager::NextTabStop(CControlUI* from, bool forward) {
  if (!root_) return nullptr;
  TabSearch search{from, nullptr, forward};
  if (CControlUI* found = root_->SearchTree(FindTabStop, &search, kTabSearchFlags)) return found;
  if (!forward) return search.last;  // wraps to the last Tab stop
  TabSearch first{nullptr, nullptr, true};
  return root_->SearchTree(FindTabStop, &first, kTabSearchFlags);
}

void PaintManager::MoveFocus(bool forward) {
  if (layoutDue_ && forward) {
    focusDue_ = true;
    if (window_) InvalidateRect(window_, nullptr, FALSE);
    return;
  }
  if (CControlUI* next = NextTabStop(focus_, forward)) SetFocusedControl(next);
  focusDue_ = false;
}

void PaintManager::RefocusAfterLayout(CControlUI* control) {
  if (window_) ::SetFocus(window_);
  if (!control || !root_) return;
  EndFocus(nullptr);
  focus_ = nullptr;
  // The Tab stop before the control, without wrapping: the next paint moves
  // forward from it, onto the control.
  TabSearch search{control, nullptr, false};
  focus_ = root_->SearchTree(FindTabStop, &search, kTabSearchFlags);
  focusDue_ = true;
  root_->RequestLayout();
}

bool PaintManager::PreProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  for (size_t i = 0; i < earlyHooks_.size(); ++i) {
    bool handled = false;
    earlyHooks_[i]->FilterMessage(message, wParam, lParam, handled);
    if (handled) return true;
  }
  switch (message) {
    case WM_KEYDOWN:
      if (wParam != VK_TAB) return false;
      MoveFocus(GetKeyState(VK_SHIFT) >= 0);
      return true;
    case WM_SYSCHAR: return ActivateShortcut(UpperCase(static_cast<wchar_t>(wParam)));
    case WM_SYSKEYDOWN:
      if (focus_) Send(focus_, UiEventType::SysKey, lastMouse_, CurrentKeyState(), wParam, lParam);
      return false;
    default: return false;
  }
}

bool PaintManager::ActivateShortcut(wchar_t key) {
  if (!root_) return false;
  ShortcutSearch search{key};
  CControlUI* control =
      root_->SearchTree(FindShortcut, &search, FindEnabled | FindMeFirst | FindTopFirst);
  if (!control) return false;
  control->SetFocus();
  control->Activate();
  return true;
}

void PaintManager::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!FilterQueuedMessage(&message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

// A message of a child window (a native editor) is offered to the managers
// of the window and of its ancestors, once each, but never consumed by
// their pre-translation; a top-level window's manager may consume it.
bool PaintManager::FilterQueuedMessage(MSG* message) {
  const auto& managers = ManagerRegistry::All();
  const bool child = (GetWindowLongPtrW(message->hwnd, GWL_STYLE) & WS_CHILD) != 0;
  for (size_t i = 0; i < managers.size(); ++i) {
    PaintManager* manager = managers[i];
    if (child) {
      if (!IsAncestorOrSelf(manager->window_, message->hwnd)) continue;
      if (Translate(manager->translators_, message)) return true;
      manager->PreProcessMessage(message->message, message->wParam, message->lParam);
    } else if (manager->window_ == message->hwnd) {
      if (Translate(manager->translators_, message)) return true;
      return manager->PreProcessMessage(message->message, message->wParam, message->lParam);
    }
  }
  return false;
}

}  // namespace Veneer
