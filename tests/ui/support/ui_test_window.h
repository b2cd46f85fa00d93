// A real top-level window with a paint manager for the framework's tests,
// plus controls and listeners that record what reaches them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/controls/control.h"
#include "ui/core/paint_manager.h"
#include "ui/core/window_wnd.h"

namespace Veneer::test {

// A visible popup window at (100, 100) whose messages go to its manager.
class TestWindow : public CWindowWnd {
 public:
  explicit TestWindow(int width = 200, int height = 120);
  ~TestWindow() override;

  PaintManager& manager() { return manager_; }
  HWND hwnd() const { return GetHWND(); }
  // Takes ownership of the root.
  void SetRoot(CControlUI* root) { manager_.SetRoot(root); }
  // Invalidates the whole window (or `area`) and paints it now.
  void PaintNow();
  void PaintNow(const RECT& area);
  // A pixel of the manager's double buffer as 0xRRGGBB.
  std::uint32_t Pixel(int x, int y) const;
  // Writes the double buffer as a PNG file; false on failure.
  bool SaveBuffer(const std::string& path) const;
  // Puts the real mouse pointer on a client point of the window.
  void MoveMouseTo(int x, int y) const;

 protected:
  const wchar_t* WindowClassName() const override { return L"VeneerTestWindow"; }
  UINT WindowClassStyle() const override { return CS_DBLCLKS; }
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  PaintManager manager_;
};

// A control that records the events it receives and then handles them as
// the base control does.
class RecordingControl : public CControlUI {
 public:
  explicit RecordingControl(const std::wstring& name, UINT flags = 0);
  UINT GetFlags() const override { return flags_; }
  void HandleEvent(UiEvent& event) override;

  std::vector<UiEventType> events;
  std::vector<POINT> points;
  std::vector<WPARAM> wParams;
  // How many events of this type arrived.
  int Count(UiEventType type) const;

 private:
  UINT flags_;
};

// Logs every notification as "type:sender-name".
class NotificationLog : public INotifyUI {
 public:
  void OnNotification(UiNotification& notification) override;
  std::vector<std::wstring> entries;
  std::vector<UiNotification> notifications;
  int Count(const std::wstring& entry) const;
};

// Runs the message loop for `milliseconds` (or until `done` answers true).
void PumpMessages(DWORD milliseconds);
template <typename Done>
bool PumpUntil(DWORD milliseconds, Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    PumpMessages(5);
  }
  return true;
}

// A key press as the message loop sees it: WM_KEYDOWN posted to the window
// with Shift held or not, then the messages pumped for 20 ms.
void PressKey(HWND window, WPARAM key, bool shift = false);

// A control of type T made in code with name="value" attributes.
template <typename T = CControlUI>
T* MakeControl(const std::wstring& attributes) {
  auto* control = new T;
  control->ApplyAttributeText(attributes);
  return control;
}

// Sends a real button press or release through the system's input queue.
void SendMouseButton(DWORD flag);

// Writes a width x height RGBA picture as a PNG file.
bool WritePng(const std::wstring& path, int width, int height,
              const std::vector<std::uint8_t>& rgba);

}  // namespace Veneer::test
