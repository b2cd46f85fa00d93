// What a control reports to its window, and the two listener interfaces
// through which a window hears its controls and its messages.
#pragma once

#include <windows.h>

#include <string>

namespace Veneer {

class CControlUI;

struct UiNotification {
  std::wstring type;           // one of the names below
  std::wstring virtualWindow;  // empty unless the manager uses virtual windows
  CControlUI* sender = nullptr;
  DWORD timestamp = 0;   // milliseconds since system start
  POINT mouse = {0, 0};  // the last mouse point the manager saw
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// The notification names the framework's controls send.
namespace Notify {
inline constexpr wchar_t kWindowInit[] = L"windowinit";  // root, after the first layout
inline constexpr wchar_t kSetFocus[] = L"setfocus";
inline constexpr wchar_t kKillFocus[] = L"killfocus";
inline constexpr wchar_t kTimer[] = L"timer";  // wParam: the control's timer id
inline constexpr wchar_t kMenu[] = L"menu";
inline constexpr wchar_t kMouseEnter[] = L"mouseenter";  // after the hover time
inline constexpr wchar_t kMouseLeave[] = L"mouseleave";
inline constexpr wchar_t kClick[] = L"click";
inline constexpr wchar_t kSelectChanged[] = L"selectchanged";
inline constexpr wchar_t kDbClick[] = L"dbclick";
inline constexpr wchar_t kTabSelect[] = L"tabselect";  // wParam new page, lParam old page
inline constexpr wchar_t kReturn[] = L"return";
inline constexpr wchar_t kTextChanged[] = L"textchanged";
}  // namespace Notify

// A window-level notification listener.
class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void OnNotification(UiNotification& notification) = 0;
};

// Sees window messages before the manager handles them; setting `handled`
// makes the manager return the result and stop.
class IMessageFilterUI {
 public:
  virtual ~IMessageFilterUI() = default;
  virtual LRESULT FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
};

// Consulted first by the message loop for messages of its manager's window;
// answering 0 consumes the message.
class ITranslateAccelerator {
 public:
  virtual ~ITranslateAccelerator() = default;
  virtual LRESULT TranslateAccelerator(MSG* message) = 0;
};

}  // namespace Veneer
