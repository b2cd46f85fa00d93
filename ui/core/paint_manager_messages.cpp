// Window messages turned into UiEvents: mouse (hit-testing, hover, capture),
// keyboard, timers, and the messages the manager answers itself.
#include <windowsx.h>

#include "ui/controls/control.h"
#include "ui/core/accessible_tree.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

constexpr UINT kHoverTime = 400;

bool IsPointMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSEHOVER:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL: return true;
    default: return false;
  }
}

LPARAM PointParam(POINT point) {
  return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

}  // namespace

WORD PaintManager::CurrentKeyState() {
  WORD keys = 0;
  if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
  if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
  if (GetKeyState(VK_MENU) < 0) keys |= kKeyStateAlt;
  if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
  return keys;
}

bool PaintManager::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!window_) return false;
  for (size_t i = 0; i < hooks_.size(); ++i) {
    bool handled = false;
    const LRESULT answer = hooks_[i]->FilterMessage(message, wParam, lParam, handled);
    if (handled) {
      result = answer;
      return true;
    }
  }
  if (IsPointMessage(message)) return ProcessMouseMessage(message, wParam, lParam, result);
  return ProcessWindowMessage(message, wParam, lParam, result);
}

bool PaintManager::ProcessMouseMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (message == WM_MOUSEWHEEL || message == WM_CONTEXTMENU) ScreenToClient(window_, &point);
  lastMouse_ = point;
  CControlUI* control = FindControlAt(point);
  if (control && control->GetManager() != this) return false;
  switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(point, control, wParam, lParam); break;
    case WM_MOUSEHOVER:
      if (!OnMouseHover(point, control, wParam, lParam)) return false;
      result = 0;
      return true;
    case WM_LBUTTONUP: OnButtonUp(point, wParam, lParam); break;
    case WM_CONTEXTMENU: OnContextMenu(point); break;
    case WM_MOUSEWHEEL: OnMouseWheel(point, control, wParam, lParam); break;
    default: OnButtonPress(message, control, point, wParam, lParam); break;
  }
  return false;
}

bool PaintManager::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
  if (message == AccessibleTree::ActionMessage()) {
    Accessibility().RunDefaultAction(wParam);
    result = 0;
    return true;
  }
  switch (message) {
    case kCleanupMessage: {
      // Destructors may queue further controls: take the list first.
      auto doomed = std::move(cleanup_);
      cleanup_.clear();
      return false;
    }
    case WM_CLOSE: OnClose(); return false;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PAINT:
      OnPaint();
      result = 0;
      return true;
    case WM_SIZE:
      if (focus_) Send(focus_, UiEventType::WindowSize, lastMouse_, CurrentKeyState());
      if (root_) root_->RequestLayout();
      result = 0;
      return true;
    case WM_TIMER: OnTimer(wParam); return false;
    case WM_MOUSELEAVE: OnMouseLeave(); return false;
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam, result);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: OnKeyMessage(message, wParam, lParam); return false;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (minSize_.cx > 0) info->ptMinTrackSize.x = minSize_.cx;
      if (minSize_.cy > 0) info->ptMinTrackSize.y = minSize_.cy;
      if (maxSize_.cx > 0) info->ptMaxTrackSize.x = maxSize_.cx;
      if (maxSize_.cy > 0) info->ptMaxTrackSize.y = maxSize_.cy;
      return false;
    }
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (!lParam) return false;
      result = SendMessageW(reinterpret_cast<HWND>(lParam), kReflectedMessageBase + message, wParam,
                            lParam);
      return true;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (!header) return false;
      result = SendMessageW(header->hwndFrom, kReflectedMessageBase + message, wParam, lParam);
      return true;
    }
    case WM_SYSCOMMAND: result = 0; return true;
    case WM_GETOBJECT: result = Accessibility().AnswerGetObject(wParam, lParam); return result != 0;
    default: return false;
  }
}

// Hover and leave tracking are armed by the first move and again after each
// hover or leave; the enter event comes at once, the hover event (which
// sends "mouseenter") after the hover time.
void PaintManager::OnMouseMove(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam) {
  if (!mouseTracking_) {
    TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, window_,
                             tooltip_.HoverTime(kHoverTime)};
    TrackMouseEvent(&track);
    mouseTracking_ = true;
  }
  const WORD keys = LOWORD(wParam);
  if (control != hover_) {
    if (hover_) {
      Send(hover_, UiEventType::MouseLeave, point, keys, wParam, lParam);
      hover_ = nullptr;
      tooltip_.Hide();
    }
    if (control) {
      hover_ = control;  // before the event: a handler may delete the control
      Send(control, UiEventType::MouseEnter, point, keys, wParam, lParam);
    }
  }
  CControlUI* target = click_ ? click_ : hover_;
  if (target) Send(target, UiEventType::MouseMove, point, keys, wParam, lParam);
}

bool PaintManager::OnMouseHover(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam) {
  mouseTracking_ = false;
  if (!control) return false;
  if (hover_) Send(hover_, UiEventType::MouseHover, point, LOWORD(wParam), wParam, lParam);
  control = FindControlAt(point);  // the event may have changed the tree
  if (control && !control->GetTooltip().empty()) {
    tooltip_.Show(window_, control->GetRect(), control->GetTooltip(), control->GetTooltipWidth());
  }
  return true;
}

// A move to (-1, -1) gives the hover control its leave event. It is sent
// also when tracking ended with a hover, so a pointer that leaves the window
// without moving inside it first still ends the hover; tracking stays set
// during that move so that it doesn't arm itself outside the window.
void PaintManager::OnMouseLeave() {
  tooltip_.Hide();
  if (mouseTracking_ || hover_) {
    mouseTracking_ = true;
    SendMessageW(window_, WM_MOUSEMOVE, 0, PointParam({-1, -1}));
  }
  mouseTracking_ = false;
}

// The click control holds the capture from the press to the release; events
// go to the manager's reference, which a deleted control no longer holds.
void PaintManager::OnButtonPress(UINT message, CControlUI* control, POINT point, WPARAM wParam,
                                 LPARAM lParam) {
  ::SetFocus(window_);
  if (!control) return;
  const WORD keys = LOWORD(wParam);
  click_ = control;
  if (message != WM_LBUTTONDBLCLK) control->SetFocus();
  SetCapture(window_);
  mouseCaptured_ = true;
  if (!click_) return;
  if (message == WM_LBUTTONDOWN) {
    Send(click_, UiEventType::ButtonDown, point, keys, wParam, lParam);
  } else if (message == WM_RBUTTONDOWN) {
    Send(click_, UiEventType::RButtonDown, point, keys, wParam, lParam);
  } else {
    Send(click_, UiEventType::DblClick, point, keys);
  }
}

void PaintManager::OnButtonUp(POINT point, WPARAM wParam, LPARAM lParam) {
  if (!click_) return;
  ReleaseMouseCapture();
  Send(click_, UiEventType::ButtonUp, point, LOWORD(wParam), wParam, lParam);
  click_ = nullptr;
}

void PaintManager::OnContextMenu(POINT point) {
  if (!click_) return;
  ReleaseMouseCapture();
  Send(click_, UiEventType::ContextMenu, point, CurrentKeyState(), 0,
       reinterpret_cast<LPARAM>(click_));
  click_ = nullptr;
}

void PaintManager::ReleaseMouseCapture() {
  if (!mouseCaptured_) return;
  mouseCaptured_ = false;
  if (GetCapture() == window_) ReleaseCapture();
}

void PaintManager::OnMouseWheel(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam) {
  if (!control) return;
  const WPARAM direction = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? SB_LINEDOWN : SB_LINEUP;
  Send(control, UiEventType::ScrollWheel, point, CurrentKeyState(), direction, lParam);
  SendMessageW(window_, WM_MOUSEMOVE, 0, PointParam(point));  // hovering follows the content
}

bool PaintManager::OnSetCursor(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  result = TRUE;
  if (mouseCaptured_) return true;
  POINT point;
  GetCursorPos(&point);
  ScreenToClient(window_, &point);
  CControlUI* control = FindControlAt(point);
  if (!control || control->GetManager() != this || !(control->GetFlags() & SetsCursor)) {
    return false;
  }
  Send(control, UiEventType::SetCursor, point, CurrentKeyState(), wParam, lParam);
  return true;
}

void PaintManager::OnKeyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const WORD keys = CurrentKeyState();
  if (message == WM_KEYDOWN && focus_) {
    key_ = focus_;
    Send(focus_, UiEventType::KeyDown, lastMouse_, keys, wParam, lParam);
  } else if (message == WM_KEYUP && key_) {
    Send(key_, UiEventType::KeyUp, lastMouse_, keys, wParam, lParam);
    key_ = nullptr;
  } else if (message == WM_CHAR && focus_) {
    Send(focus_, UiEventType::Char, lastMouse_, keys, wParam, lParam);
  }
}

// The window is going: hover and capture end, and the owner gets the focus.
void PaintManager::OnClose() {
  const WORD keys = CurrentKeyState();
  if (hover_) Send(hover_, UiEventType::MouseLeave, lastMouse_, keys);
  if (click_) Send(click_, UiEventType::ButtonUp, lastMouse_, keys);
  SetFocusedControl(nullptr);
  if (HWND owner = ::GetWindow(window_, GW_OWNER)) ::SetFocus(owner);
}

void PaintManager::OnTimer(WPARAM wParam) {
  const TimerRecord* record = timers_.Find(window_, wParam);
  if (!record) return;
  CControlUI* control = record->control;  // the record may move while the event runs
  Send(control, UiEventType::Timer, lastMouse_, CurrentKeyState(), record->localId);
}

void PaintManager::Send(CControlUI* target, UiEventType type, POINT point, WORD keyState,
                        WPARAM wParam, LPARAM lParam) {
  UiEvent event;
  event.type = type;
  event.sender = target;
  event.timestamp = GetTickCount();
  event.mouse = point;
  event.key = IsKeyEvent(type) ? static_cast<wchar_t>(wParam) : 0;
  event.keyState = keyState;
  event.wParam = wParam;
  event.lParam = lParam;
  target->DispatchEvent(event);
}

}  // namespace Veneer
