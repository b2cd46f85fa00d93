#include "ui/controls/shadow_window.h"

#include <cstring>
#include <map>

#include "ui/core/module_instance.h"
#include "ui/core/paint_manager.h"
#include "ui/render/dib_section.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/renderer.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

bool g_classRegistered = false;

// Parent window -> its shadow; created on first use (a function-local
// static, so safe against concurrent first use) and gone at process exit.
std::map<HWND, CShadowUI*>& ShadowMap() {
  static std::map<HWND, CShadowUI*> shadows;
  return shadows;
}

IntRect WindowRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return ToIntRect(rect);
}

// The parent's rows inside its window region; a parent without a region
// has none.
std::vector<RowSpan> RegionRows(HWND parent, int width, int height) {
  std::vector<RowSpan> rows(static_cast<size_t>(height), RowSpan{width, 0});
  ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
  if (!region || GetWindowRgn(parent, region.get()) == ERROR) return rows;
  for (int y = 0; y < height; ++y) {
    int start = 0;
    while (start < width && !PtInRegion(region.get(), start, y)) ++start;
    if (start == width) continue;
    int end = width;
    while (end > start && !PtInRegion(region.get(), end - 1, y)) --end;
    rows[static_cast<size_t>(y)] = {start, end};
  }
  return rows;
}

}  // namespace

CShadowUI::~CShadowUI() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  Unhook();
}

bool CShadowUI::Initialize(HINSTANCE instance) {
  if (g_classRegistered) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  g_classRegistered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return g_classRegistered;
}

CShadowUI* CShadowUI::Of(HWND parent) {
  auto& shadows = ShadowMap();
  auto found = shadows.find(parent);
  return found == shadows.end() ? nullptr : found->second;
}

ShadowAttribute CShadowUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  const ShadowAttribute result = ApplyShadowAttribute(style_, name, value);
  if (result == ShadowAttribute::kChanged && window_ && (status_ & kVisible)) {
    Update(GetWindow(window_, GW_OWNER));
  }
  return result;
}

void CShadowUI::Create(PaintManager* manager) {
  if (!style_.show || window_ || !manager || !manager->GetWindow()) return;
  if (!Initialize(ModuleInstance())) return;
  manager_ = manager;
  const HWND parent = manager->GetWindow();
  const LONG style = GetWindowLongW(parent, GWL_STYLE);
  // A plain popup: a border or a system menu would draw nothing on a
  // layered window, but would make window managers (wine's X11 driver among
  // them) treat the shadow as a window of its own to decorate and manage.
  window_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kWindowClass, nullptr,
                            (style & WS_CAPTION) | WS_POPUP, CW_USEDEFAULT, 0, 0, 0, parent,
                            nullptr, ModuleInstance(), nullptr);
  if (!window_) return;
  parent_ = parent;
  ShadowMap()[parent] = this;
  if (!(style & WS_VISIBLE)) {
    status_ = kEnabled;
  } else if (style & (WS_MINIMIZE | WS_MAXIMIZE)) {
    status_ = kEnabled | kParentVisible;
  } else {
    status_ = kEnabled | kVisible | kParentVisible;
    ShowWindow(window_, SW_SHOWNA);
    Update(parent);
  }
  parentProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentProc)));
}

// Gives the parent its procedure back, unless another hook came after this
// one, and leaves the map.
void CShadowUI::Unhook() {
  if (!parent_) return;
  auto& shadows = ShadowMap();
  auto found = shadows.find(parent_);
  if (found != shadows.end() && found->second == this) {
    if (IsWindow(parent_) &&
        GetWindowLongPtrW(parent_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ParentProc)) {
      SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(parentProc_));
    }
    shadows.erase(found);
  }
  parent_ = nullptr;
}

LRESULT CALLBACK CShadowUI::ParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  CShadowUI* shadow = Of(parent);
  if (!shadow) return DefWindowProcW(parent, message, wParam, lParam);
  // The parent's procedure may destroy the shadow with its window object.
  const WNDPROC previous = shadow->parentProc_;
  shadow->Follow(parent, message, wParam, lParam);
  return CallWindowProcW(previous, parent, message, wParam, lParam);
}

void CShadowUI::Follow(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      if (window_) DestroyWindow(window_);
      window_ = nullptr;
      break;
    case WM_MOVE:
      if (status_ & kVisible) {
        const IntRect place = ShadowRect(style_, WindowRectOf(parent));
        SetWindowPos(window_, nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_DEFERERASE);
      }
      break;
    case WM_SIZE: FollowSize(parent, wParam, lParam); break;
    case WM_PAINT:
      if (updatePending_) {
        Update(parent);
        updatePending_ = false;
      }
      break;
    case WM_SHOWWINDOW: FollowShow(wParam); break;
    case WM_EXITSIZEMOVE:
      if (status_ & kVisible) Update(parent);
      break;
    case WM_NCDESTROY:
      ShadowMap().erase(parent);
      parent_ = nullptr;
      break;
    default: break;
  }
}

// A growing parent is redrawn at its next paint, when its new region is
// known; a shrinking one at once.
void CShadowUI::FollowSize(HWND parent, WPARAM wParam, LPARAM lParam) {
  if (!(status_ & kEnabled)) return;
  if (wParam == SIZE_MAXIMIZED || wParam == SIZE_MINIMIZED) {
    Hide(kVisible);
    if (wParam == SIZE_MAXIMIZED) Update(parent);
  } else if (status_ & kParentVisible) {
    if (LOWORD(lParam) > LOWORD(lastParentSize_) || HIWORD(lParam) > HIWORD(lastParentSize_)) {
      updatePending_ = true;
    } else {
      Update(parent);
    }
    if (!(status_ & kVisible)) Show();
  }
  lastParentSize_ = lParam;
}

void CShadowUI::FollowShow(WPARAM wParam) {
  if (!(status_ & kEnabled)) return;
  if (!wParam) {
    Hide(kVisible | kParentVisible);
  } else if (!(status_ & kParentVisible)) {
    updatePending_ = true;
    Show();
    status_ |= kParentVisible;
  }
}

void CShadowUI::Show() {
  ShowWindow(window_, SW_SHOWNA);
  status_ |= kVisible;
}

void CShadowUI::Hide(BYTE cleared) {
  ShowWindow(window_, SW_HIDE);
  status_ &= static_cast<BYTE>(~cleared);
}

void CShadowUI::Update(HWND parent) {
  if (!window_ || !parent) return;
  if (style_.imageMode && style_.image.empty()) return;
  const IntRect parentRect = WindowRectOf(parent);
  const IntRect place = ShadowRect(style_, parentRect);
  if (place.IsEmpty()) return;
  const int width = place.Width();
  const int height = place.Height();
  void* bits = nullptr;
  ScopedBitmap bitmap(CreateBottomUpDib(width, height, &bits));
  ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return;
  ScopedSelect select(dc.get(), bitmap.get());
  std::memset(bits, 0, static_cast<size_t>(width) * height * 4);
  if (style_.imageMode) {
    if (!DrawImage(dc.get(), width, height)) return;
  } else {
    DrawComputed(parent, parentRect.Width(), parentRect.Height(), bits);
  }
  MoveWindow(window_, place.left, place.top, width, height, FALSE);
  POINT source = {0, 0};
  SIZE size = {width, height};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiFlush();
  UpdateLayeredWindow(window_, nullptr, nullptr, &size, dc.get(), &source, 0, &blend, ULW_ALPHA);
}

// The image stretched around the window, its middle left out so that the
// shadow is clear under the window.
bool CShadowUI::DrawImage(HDC dc, int width, int height) {
  if (!manager_) return false;
  const ImageEntry* image = manager_->FindImage(style_.image);
  if (!image) image = manager_->RegisterImage(style_.image, L"", 0);
  if (!image) return false;
  const RECT whole = {0, 0, width, height};
  CRenderer::RenderNineGrid(dc, image->bitmap.get(), whole, whole,
                            {0, 0, image->width, image->height}, ToRECT(style_.corners),
                            image->hasAlpha, 255, true, false, false);
  return true;
}

void CShadowUI::DrawComputed(HWND parent, int parentWidth, int parentHeight, void* bits) {
  MakeShadowPixels(style_, parentWidth, RegionRows(parent, parentWidth, parentHeight),
                   static_cast<std::uint32_t*>(bits));
}

}  // namespace Veneer
