// The test display as a person sees and uses it, from the Linux side: the
// top-level windows of the test prefix (through window_probe.exe), real
// pointer and keyboard input on the X display (xdotool), and screenshots
// (ImageMagick's import) read back as pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumo::e2e {

struct Rect {
  long left = 0, top = 0, right = 0, bottom = 0;
  long width() const { return right - left; }
  long height() const { return bottom - top; }
  bool operator==(const Rect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct TopWindow {
  std::string handle;  // hexadecimal, as window_probe prints it
  unsigned long process = 0;
  std::string className;
  std::string title;
  Rect rect;
  bool visible = false, enabled = false, minimised = false, layered = false;
  std::string owner, threadActive, threadFocus;  // handles; all zeros for none
};

struct DesktopWindows {
  std::vector<TopWindow> windows;  // topmost first
  std::string foreground;
  // The visible windows with this exact title.
  std::vector<TopWindow> Titled(const std::string& title) const;
  // The visible windows of the class, or none.
  std::vector<TopWindow> OfClass(const std::string& className) const;
};

DesktopWindows ListWindows();
// The window's rectangle each time it changed over `milliseconds`, with
// `action` done once the watch has begun.
std::vector<Rect> WatchWindow(const std::string& handle, int milliseconds,
                              const std::function<void()>& action);
bool IsNullHandle(const std::string& handle);

// Polls `condition` every 20 ms until it holds or `milliseconds` passed.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 15000);

// Real input through the X server: the pointer moves there, then clicks.
void MovePointer(long x, long y);
void Click(long x, long y);
void DoubleClick(long x, long y);
// Presses at `from`, moves to `to` in steps and releases.
void Drag(long fromX, long fromY, long toX, long toY);
void PressKeys(const std::string& keys);  // xdotool key syntax: "Escape", "alt+F4"
void TypeText(const std::string& text);

struct Image {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
  std::uint32_t At(int x, int y) const;  // 0xRRGGBB
};

// Saves the screen's `area` as a PNG at `path` and reads it back.
Image Screenshot(const Rect& area, const std::string& path);
Image LoadPng(const std::string& path);
// The share of `picture`'s opaque pixels that `shot` shows at (x, y) within
// `tolerance` per channel.
double MatchShare(const Image& shot, int x, int y, const Image& picture, int tolerance = 24);

// Runs a program to its end; its standard output.
std::string RunProgram(const std::vector<std::string>& argv, int* exitCode = nullptr);

}  // namespace lumo::e2e
