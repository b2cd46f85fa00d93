#include "tests/ui/support/ui_test_window.h"

#include <algorithm>
#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace Veneer::test {
namespace {

void AppendToFile(void* context, void* data, int size) {
  static_cast<std::ofstream*>(context)->write(static_cast<const char*>(data), size);
}

bool WritePngFile(std::ofstream& file, int width, int height, const std::uint8_t* rgba) {
  return file && stbi_write_png_to_func(AppendToFile, &file, width, height, 4, rgba, width * 4) &&
         file.good();
}

}  // namespace

TestWindow::TestWindow(int width, int height) {
  // Topmost, so that windows of tests running beside this one don't cover
  // it; shown without activation, because wine's X11 driver waits two
  // seconds for a window manager to withdraw an activated window when it is
  // hidden, and the test display has none.
  Create(nullptr, L"Veneer test", WS_POPUP, WS_EX_TOPMOST, 100, 100, width, height);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

TestWindow::~TestWindow() {
  if (hwnd()) DestroyWindow(hwnd());
}

LRESULT TestWindow::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) manager_.AttachWindow(hwnd());
  LRESULT result = 0;
  if (manager_.ProcessMessage(message, wParam, lParam, result)) return result;
  return CWindowWnd::RouteWindowMessage(message, wParam, lParam);
}

void TestWindow::PaintNow() {
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void TestWindow::PaintNow(const RECT& area) {
  InvalidateRect(hwnd(), &area, FALSE);
  UpdateWindow(hwnd());
}

std::uint32_t TestWindow::Pixel(int x, int y) const {
  const BackBuffer& buffer = manager_.GetBackBuffer();
  if (!buffer.pixels() || x < 0 || y < 0 || x >= buffer.size().cx || y >= buffer.size().cy) {
    return 0xDEADBEEF;
  }
  GdiFlush();
  return buffer.pixels()[y * buffer.size().cx + x] & 0xFFFFFF;
}

bool TestWindow::SaveBuffer(const std::string& path) const {
  const BackBuffer& buffer = manager_.GetBackBuffer();
  if (!buffer.pixels()) return false;
  GdiFlush();
  const int width = buffer.size().cx;
  const int height = buffer.size().cy;
  std::vector<std::uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < rgba.size() / 4; ++i) {
    const std::uint32_t pixel = buffer.pixels()[i];
    rgba[i * 4 + 0] = (pixel >> 16) & 0xFF;
    rgba[i * 4 + 1] = (pixel >> 8) & 0xFF;
    rgba[i * 4 + 2] = pixel & 0xFF;
    rgba[i * 4 + 3] = 0xFF;
  }
  std::ofstream file(path, std::ios::binary);
  return WritePngFile(file, width, height, rgba.data());
}

void TestWindow::MoveMouseTo(int x, int y) const {
  POINT point = {x, y};
  ClientToScreen(hwnd(), &point);
  SetCursorPos(point.x, point.y);
}

RecordingControl::RecordingControl(const std::wstring& name, UINT flags) : flags_(flags) {
  SetName(name);
}

void RecordingControl::HandleEvent(UiEvent& event) {
  events.push_back(event.type);
  points.push_back(event.mouse);
  wParams.push_back(event.wParam);
  CControlUI::HandleEvent(event);
}

int RecordingControl::Count(UiEventType type) const {
  return static_cast<int>(std::count(events.begin(), events.end(), type));
}

void NotificationLog::OnNotification(UiNotification& notification) {
  const std::wstring sender = notification.sender ? notification.sender->GetName() : L"";
  entries.push_back(notification.type + L":" + sender);
  notifications.push_back(notification);
}

int NotificationLog::Count(const std::wstring& entry) const {
  return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!PaintManager::FilterQueuedMessage(&message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
  }
}

void PressKey(HWND window, WPARAM key, bool shift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PumpMessages(20);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

void SendMouseButton(DWORD flag) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  SendInput(1, &input, sizeof(input));
}

bool WritePng(const std::wstring& path, int width, int height,
              const std::vector<std::uint8_t>& rgba) {
  std::ofstream file(path.c_str(), std::ios::binary);
  return WritePngFile(file, width, height, rgba.data());
}

}  // namespace Veneer::test
