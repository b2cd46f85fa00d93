// What the paint manager hands to a control: one record per input or state
// change, in client coordinates of the manager's window.
#pragma once

#include <windows.h>

namespace Veneer {

class CControlUI;

// The values are fixed: skins and controls test the key events (3 to 6) and
// the mouse events (9 to 18) by range.
enum class UiEventType : int {
  First = 1,
  KeyBegin,
  KeyDown,
  KeyUp,
  Char,
  SysKey,
  KeyEnd,
  MouseBegin,
  MouseMove,
  MouseLeave,
  MouseEnter,
  MouseHover,
  ButtonDown,
  ButtonUp,
  RButtonDown,
  DblClick,
  ContextMenu,
  ScrollWheel,
  MouseEnd,
  KillFocus,
  SetFocus,
  WindowSize,
  SetCursor,
  Timer,
};

constexpr bool IsKeyEvent(UiEventType type) {
  return type > UiEventType::KeyBegin && type < UiEventType::KeyEnd;
}
constexpr bool IsMouseEvent(UiEventType type) {
  return type > UiEventType::MouseBegin && type < UiEventType::MouseEnd;
}

// Key state bits: the Win32 MK_ layout plus this bit for Alt.
constexpr WORD kKeyStateAlt = 0x20;

struct UiEvent {
  UiEventType type = UiEventType::First;
  CControlUI* sender = nullptr;
  DWORD timestamp = 0;  // milliseconds since system start
  POINT mouse = {0, 0};
  wchar_t key = 0;
  WORD keyState = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

}  // namespace Veneer
