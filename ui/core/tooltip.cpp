#include "ui/core/tooltip.h"

#include "ui/core/module_instance.h"

namespace Veneer {

Tooltip::~Tooltip() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

UINT Tooltip::HoverTime(UINT fallback) const {
  if (!window_) return fallback;
  return static_cast<UINT>(SendMessageW(window_, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
}

void Tooltip::Show(HWND owner, const RECT& rect, const std::wstring& text, int maxWidth) {
  info_ = {};
  info_.cbSize = TTTOOLINFOW_V2_SIZE;
  info_.uFlags = TTF_IDISHWND;
  info_.hwnd = owner;
  info_.uId = reinterpret_cast<UINT_PTR>(owner);
  info_.rect = rect;
  info_.hinst = ModuleInstance();
  info_.lpszText = const_cast<wchar_t*>(text.c_str());
  if (!window_) {
    window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                              nullptr, ModuleInstance(), nullptr);
    if (!window_) return;
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info_));
  }
  SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
  SendMessageW(window_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info_));
  SendMessageW(window_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info_));
  info_.lpszText = nullptr;  // the tooltip keeps its own copy
}

void Tooltip::Hide() {
  if (window_) SendMessageW(window_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info_));
}

}  // namespace Veneer
