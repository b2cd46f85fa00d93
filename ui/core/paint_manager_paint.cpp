// WM_PAINT: the lazy layout pass, "windowinit", and the tree painted through
// the double buffer.
#include "ui/controls/control.h"
#include "ui/core/control_interface.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

CControlUI* FindLayoutNeeded(CControlUI* control, void*) {
  return control->IsLayoutNeeded() ? control : nullptr;
}

class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { BeginPaint(window, &paint_); }
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC dc() const { return paint_.hdc; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
};

}  // namespace

// The layout pass and the focus move run before BeginPaint: what they
// invalidate joins this paint's area instead of asking for a second paint.
void PaintManager::OnPaint() {
  RECT update;
  if (!GetUpdateRect(window_, &update, FALSE)) return;
  if (root_) {
    RunLayoutPass();
    if (focusDue_) MoveFocus(true);
  }
  ScopedPaint paint(window_);
  if (!root_) return;
  PaintTree(paint.dc(), paint.area());
  if (layoutDue_) InvalidateRect(window_, nullptr, FALSE);
}

// The whole tree is placed when the root is marked; otherwise only the
// marked controls, at their own rectangles, until none is marked. (The
// buffer follows the client size when it is next painted.)
void PaintManager::RunLayoutPass() {
  if (!layoutDue_) return;
  layoutDue_ = false;
  RECT client;
  GetClientRect(window_, &client);
  if (IsRectEmpty(&client)) return;
  if (root_->IsLayoutNeeded()) {
    if (!IsIconic(window_)) root_->SetRect(client);
  } else {
    // A control that stays marked after placing (it has no manager) would
    // be found again and again: stop there.
    CControlUI* previous = nullptr;
    while (CControlUI* control =
               root_->SearchTree(FindLayoutNeeded, nullptr, FindVisible | FindMeFirst)) {
      if (control == previous) break;
      control->SetRect(control->GetRect());
      previous = control;
    }
  }
  if (firstLayout_) {
    firstLayout_ = false;
    SendNotification(root_.get(), Notify::kWindowInit);
  }
}

void PaintManager::PaintTree(HDC dc, const RECT& area) {
  HDC target = dc;
  if (offscreenPainting_) {
    RECT client;
    GetClientRect(window_, &client);
    if (!buffer_.Ensure(windowDc_.get(), {client.right, client.bottom})) return;
    target = buffer_.dc();
  }
  const int saved = SaveDC(target);
  root_->Paint(target, area);
  for (size_t i = 0; i < overlays_.size(); ++i) overlays_[i]->PaintOverlay(target, area);
  RestoreDC(target, saved);
  if (target != dc) {
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, target,
           area.left, area.top, SRCCOPY);
  }
}

}  // namespace Veneer
