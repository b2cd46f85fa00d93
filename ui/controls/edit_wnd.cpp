#include "ui/controls/edit_wnd.h"

#include "ui/controls/edit.h"
#include "ui/core/paint_manager.h"

namespace Veneer {

CEditWnd* CEditWnd::Open(CEditUI& owner) {
  PaintManager* manager = owner.GetManager();
  if (!manager || !manager->GetWindow()) return nullptr;
  const bool popup = manager->IsTransparentBackground();
  DWORD style = ES_AUTOHSCROLL | (owner.IsPasswordMode() ? ES_PASSWORD : 0);
  style |= popup ? WS_POPUP | WS_VISIBLE : WS_CHILD;
  const RECT r = owner.EditorRect(popup);
  auto* editor = new CEditWnd(owner);
  owner.editor_ = editor;
  if (!editor->Create(manager->GetWindow(), L"", style, 0, r.left, r.top, r.right - r.left,
                      r.bottom - r.top)) {
    // A window that was destroyed half-way has deleted its object already.
    if (owner.editor_ == editor) {
      owner.editor_ = nullptr;
      delete editor;
    }
    return nullptr;
  }
  editor->Initialise();
  return editor;
}

// The editor takes the control's font, limits, text and states; changes
// count from here on.
void CEditWnd::Initialise() {
  const HWND hwnd = GetHWND();
  CEditUI& owner = *owner_;
  PaintManager* manager = owner.GetManager();
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(manager->GetFont(owner.GetFont())), TRUE);
  SendMessageW(hwnd, EM_LIMITTEXT, owner.GetMaxChar(), 0);
  if (owner.IsPasswordMode()) SendMessageW(hwnd, EM_SETPASSWORDCHAR, owner.GetPasswordChar(), 0);
  SetWindowTextW(hwnd, owner.GetText().c_str());
  SendMessageW(hwnd, EM_SETMODIFY, FALSE, 0);
  SendMessageW(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  EnableWindow(hwnd, owner.IsEnabled());
  SendMessageW(hwnd, EM_SETREADONLY, owner.IsReadOnly(), 0);
  SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | owner.GetExtraStyle());
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ::SetFocus(hwnd);
  initialised_ = true;
}

void CEditWnd::Abandon() {
  owner_ = nullptr;
  DestroyWindow(GetHWND());
}

LRESULT CEditWnd::RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KILLFOCUS: {
      const LRESULT result = CallPreviousProc(message, wParam, lParam);
      PostMessageW(GetHWND(), WM_CLOSE, 0, 0);
      return result;
    }
    case WM_KEYDOWN:
      if (wParam != VK_RETURN || !owner_) break;
      if (PaintManager* manager = owner_->GetManager()) {
        manager->SendNotification(owner_, Notify::kReturn);
      }
      return 0;
    case WM_GETOBJECT:
      // Screen readers that follow the keyboard focus into the editor meet
      // the edit control, named and valued as in the window's tree.
      if (!owner_ || !owner_->GetManager()) break;
      if (const LRESULT answer =
              owner_->GetManager()->AnswerAccessibleObject(owner_, wParam, lParam)) {
        return answer;
      }
      break;
    case kReflectedMessageBase + WM_COMMAND: return OnCommand(wParam);
    case kReflectedMessageBase + WM_CTLCOLOREDIT:
    case kReflectedMessageBase + WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam));
    default: break;
  }
  return CallPreviousProc(message, wParam, lParam);
}

// The control's text follows every change, without a repaint under the
// editor.
LRESULT CEditWnd::OnCommand(WPARAM wParam) {
  const HWND hwnd = GetHWND();
  if (HIWORD(wParam) == EN_CHANGE && initialised_ && owner_) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
    owner_->StoreText(text);
    owner_->NotifyAccessibility(EVENT_OBJECT_VALUECHANGE);
    if (PaintManager* manager = owner_->GetManager()) {
      manager->SendNotification(owner_, Notify::kTextChanged);
    }
  } else if (HIWORD(wParam) == EN_UPDATE) {
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return 0;
}

// Without a native background colour the system's colours stay.
LRESULT CEditWnd::OnControlColour(HDC dc) {
  if (!owner_ || owner_->GetNativeBkColor() == 0xFFFFFFFF) return 0;
  SetBkMode(dc, TRANSPARENT);
  const DWORD text =
      owner_->GetNativeTextColor() != 0 ? owner_->GetNativeTextColor() : owner_->GetTextColor();
  SetTextColor(dc, ToColorRef(text));
  if (!brush_) brush_.reset(CreateSolidBrush(ToColorRef(owner_->GetNativeBkColor())));
  return reinterpret_cast<LRESULT>(brush_.get());
}

void CEditWnd::OnWindowDestroyed(HWND) {
  if (owner_) {
    owner_->editor_ = nullptr;
    owner_->Invalidate();
  }
  delete this;
}

}  // namespace Veneer
