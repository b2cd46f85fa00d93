// The tooltip window of a paint manager, created when a control with a
// tooltip is first hovered and destroyed with the manager.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace Veneer {

class Tooltip {
 public:
  Tooltip() = default;
  ~Tooltip();
  Tooltip(const Tooltip&) = delete;
  Tooltip& operator=(const Tooltip&) = delete;

  // The hover delay the tooltip window asks for, or `fallback` without one.
  UINT HoverTime(UINT fallback) const;
  // Shows `text` for the area `rect` of `owner`; nothing happens when the
  // tooltip window can't be created.
  void Show(HWND owner, const RECT& rect, const std::wstring& text, int maxWidth);
  void Hide();

 private:
  HWND window_ = nullptr;
  TOOLINFOW info_ = {};
};

}  // namespace Veneer
