#include "ui/controls/control.h"

#include <cwchar>

#include "ui/core/paint_manager.h"

namespace Veneer {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
  const ControlListeners listeners = destroyListeners_;
  for (const auto& listener : listeners) listener(*this);
  if (manager_) manager_->ForgetControl(this);
}

const std::wstring& CControlUI::GetName() const {
  return name_;
}
void CControlUI::SetName(const std::wstring& name) {
  name_ = name;
}
const wchar_t* CControlUI::UiClassName() const {
  return L"ControlUI";
}
void* CControlUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Control") == 0 ? this : nullptr;
}
UINT CControlUI::GetFlags() const {
  return 0;
}
bool CControlUI::Activate() {
  return IsVisible() && IsEnabled();
}
PaintManager* CControlUI::GetManager() const {
  return manager_;
}

void CControlUI::Attach(PaintManager* manager, CControlUI* parent, bool initialise) {
  manager_ = manager;
  parent_ = parent;
  if (initialise && parent_) InitControl();
}

CControlUI* CControlUI::GetParent() const {
  return parent_;
}
const std::wstring& CControlUI::GetText() const {
  return text_;
}
void CControlUI::SetText(const std::wstring& text) {
  if (text_ == text) return;
  text_ = text;
  Invalidate();
  NotifyAccessibility(EVENT_OBJECT_NAMECHANGE);
}

const RECT& CControlUI::GetRect() const {
  return rect_;
}

// The rectangle is normalised, the size listeners run (never re-entered), a
// floating control writes its offset and size back keeping the sign of its
// anchoring, and the old and new areas are repainted.
void CControlUI::SetRect(const RECT& rect) {
  RECT placed = rect;
  if (placed.right < placed.left) placed.right = placed.left;
  if (placed.bottom < placed.top) placed.bottom = placed.top;
  RECT old = IsRectEmpty(&rect_) ? placed : rect_;
  rect_ = placed;
  if (!manager_) return;
  if (!placing_) {
    placing_ = true;
    const ControlListeners listeners = sizeListeners_;
    for (const auto& listener : listeners) {
      if (!listener(*this)) break;
    }
    placing_ = false;
  }
  if (floating_ && parent_) {
    const RECT& p = parent_->GetRect();
    floatOffset_.cx = floatOffset_.cx >= 0 ? placed.left - p.left : placed.right - p.right;
    floatOffset_.cy = floatOffset_.cy >= 0 ? placed.top - p.top : placed.bottom - p.bottom;
    fixedSize_ = {placed.right - placed.left, placed.bottom - placed.top};
  }
  layoutNeeded_ = false;
  RECT both;
  UnionRect(&both, &old, &placed);
  InvalidateClipped(both);
}

int CControlUI::GetWidth() const {
  return rect_.right - rect_.left;
}
int CControlUI::GetHeight() const {
  return rect_.bottom - rect_.top;
}
int CControlUI::GetX() const {
  return rect_.left;
}
int CControlUI::GetY() const {
  return rect_.top;
}
RECT CControlUI::GetPadding() const {
  return padding_;
}
void CControlUI::SetPadding(const RECT& padding) {
  padding_ = padding;
  RequestParentLayout();
}
SIZE CControlUI::GetFloatOffset() const {
  return floatOffset_;
}
void CControlUI::SetFloatOffset(SIZE offset) {
  floatOffset_ = offset;
  OnSizeChanged();
}
int CControlUI::GetFixedWidth() const {
  return fixedSize_.cx;
}
void CControlUI::SetFixedWidth(int width) {
  if (width < 0) return;
  fixedSize_.cx = width;
  OnSizeChanged();
}
int CControlUI::GetFixedHeight() const {
  return fixedSize_.cy;
}
void CControlUI::SetFixedHeight(int height) {
  if (height < 0) return;
  fixedSize_.cy = height;
  OnSizeChanged();
}

namespace {

// The min/max setters ignore negative and unchanged values.
bool StoreLimit(int& field, int value) {
  if (value < 0 || value == field) return false;
  field = value;
  return true;
}

}  // namespace

int CControlUI::GetMinWidth() const {
  return minWidth_;
}
void CControlUI::SetMinWidth(int width) {
  if (StoreLimit(minWidth_, width)) OnSizeChanged();
}
int CControlUI::GetMaxWidth() const {
  return maxWidth_;
}
void CControlUI::SetMaxWidth(int width) {
  if (StoreLimit(maxWidth_, width)) OnSizeChanged();
}
int CControlUI::GetMinHeight() const {
  return minHeight_;
}
void CControlUI::SetMinHeight(int height) {
  if (StoreLimit(minHeight_, height)) OnSizeChanged();
}
int CControlUI::GetMaxHeight() const {
  return maxHeight_;
}
void CControlUI::SetMaxHeight(int height) {
  if (StoreLimit(maxHeight_, height)) OnSizeChanged();
}

void CControlUI::SetRelativeRule(int moveX, int moveY, int zoomX, int zoomY) {
  relativeRule_.moveX = moveX;
  relativeRule_.moveY = moveY;
  relativeRule_.zoomX = zoomX;
  relativeRule_.zoomY = zoomY;
  relativeRule_.enabled = true;
}
void CControlUI::SetRelativeBaseSize(SIZE size) {
  relativeRule_.baseSize = size;
}
const RelativeRule& CControlUI::GetRelativeRule() const {
  return relativeRule_;
}
bool CControlUI::IsRelativeRuleEnabled() const {
  return relativeRule_.enabled;
}

const std::wstring& CControlUI::GetTooltip() const {
  return tooltip_;
}
void CControlUI::SetTooltip(const std::wstring& text) {
  tooltip_ = text;
  for (size_t at = tooltip_.find(L"<n>"); at != std::wstring::npos;
       at = tooltip_.find(L"<n>", at + 2)) {
    tooltip_.replace(at, 3, L"\r\n");
  }
}
void CControlUI::SetTooltipWidth(int width) {
  tooltipWidth_ = width;
}
int CControlUI::GetTooltipWidth() const {
  return tooltipWidth_;
}
wchar_t CControlUI::GetShortcut() const {
  return shortcut_;
}
void CControlUI::SetShortcut(wchar_t key) {
  shortcut_ = key;
}
bool CControlUI::IsMenuEnabled() const {
  return menu_;
}
void CControlUI::SetMenuEnabled(bool enabled) {
  menu_ = enabled;
}
const std::wstring& CControlUI::GetUserData() const {
  return userData_;
}
void CControlUI::SetUserData(const std::wstring& data) {
  userData_ = data;
}
UINT_PTR CControlUI::GetTag() const {
  return tag_;
}
void CControlUI::SetTag(UINT_PTR tag) {
  tag_ = tag;
}

bool CControlUI::IsVisible() const {
  return visible_ && inheritedVisible_;
}

void CControlUI::SetVisible(bool visible) {
  if (visible_ == visible) return;
  const bool wasVisible = IsVisible();
  visible_ = visible;
  focused_ = false;
  if (!visible && manager_ && manager_->GetFocusedControl() == this) {
    manager_->SetFocusedControl(nullptr);
  }
  if (IsVisible() != wasVisible) RequestParentLayout();
}

void CControlUI::SetInheritedVisible(bool visible) {
  inheritedVisible_ = visible;
  if (!visible && manager_ && manager_->GetFocusedControl() == this) {
    manager_->SetFocusedControl(nullptr);
  }
}

bool CControlUI::IsEnabled() const {
  return enabled_;
}
void CControlUI::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
  NotifyAccessibility(EVENT_OBJECT_STATECHANGE);
}
bool CControlUI::IsMouseEnabled() const {
  return mouseEnabled_;
}
void CControlUI::SetMouseEnabled(bool enabled) {
  mouseEnabled_ = enabled;
}
bool CControlUI::IsKeyboardEnabled() const {
  return keyboardEnabled_;
}
void CControlUI::SetKeyboardEnabled(bool enabled) {
  keyboardEnabled_ = enabled;
}
bool CControlUI::IsFocused() const {
  return focused_;
}
void CControlUI::SetFocus() {
  if (manager_) manager_->SetFocusedControl(this);
}
bool CControlUI::IsFloating() const {
  return floating_;
}
void CControlUI::SetFloating(bool floating) {
  if (floating_ == floating) return;
  floating_ = floating;
  RequestParentLayout();
}

CControlUI* CControlUI::SearchTree(ControlVisitor visitor, void* data, UINT flags) {
  if ((flags & FindVisible) && !IsVisible()) return nullptr;
  if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
  if ((flags & FindHitTest) &&
      (!mouseEnabled_ || !PtInRect(&rect_, *static_cast<const POINT*>(data)))) {
    return nullptr;
  }
  return visitor(this, data);
}

void CControlUI::InitControl() {
  OnInit();
  const ControlListeners listeners = initListeners_;
  for (const auto& listener : listeners) {
    if (!listener(*this)) break;
  }
}

void CControlUI::OnInit() {}

void CControlUI::DispatchEvent(UiEvent& event) {
  const EventListeners listeners = eventListeners_;
  for (const auto& listener : listeners) {
    if (!listener(event)) return;
  }
  HandleEvent(event);
}

void CControlUI::HandleEvent(UiEvent& event) {
  switch (event.type) {
    case UiEventType::SetCursor: ::SetCursor(LoadCursorW(nullptr, IDC_ARROW)); return;
    case UiEventType::SetFocus:
    case UiEventType::KillFocus:
      focused_ = event.type == UiEventType::SetFocus;
      Invalidate();
      return;
    case UiEventType::Timer: Notify(Notify::kTimer, event.wParam, event.lParam); return;
    case UiEventType::ContextMenu:
      if (menu_) return Notify(Notify::kMenu, event.wParam, event.lParam);
      break;
    case UiEventType::MouseHover: Notify(Notify::kMouseEnter, event.wParam, event.lParam); break;
    case UiEventType::MouseLeave: Notify(Notify::kMouseLeave, event.wParam, event.lParam); break;
    default: break;
  }
  if (parent_) parent_->HandleEvent(event);
}

SIZE CControlUI::MeasureSize(SIZE) {
  return fixedSize_;
}

void CControlUI::Invalidate() {
  if (IsVisible()) InvalidateClipped(rect_);
}

// The area clipped by every ancestor's rectangle; nothing when it vanishes.
void CControlUI::InvalidateClipped(RECT area) {
  if (!manager_) return;
  for (const CControlUI* p = parent_; p; p = p->parent_) {
    if (!IntersectRect(&area, &area, &p->GetRect())) return;
  }
  if (!IsRectEmpty(&area)) manager_->InvalidateArea(area);
}

void CControlUI::RequestLayout() {
  if (!IsVisible()) return;
  layoutNeeded_ = true;
  Invalidate();
  if (manager_) manager_->SetLayoutDue();
}

void CControlUI::RequestParentLayout() {
  if (parent_) {
    if (parent_->IsVisible()) parent_->RequestLayout();
    parent_->Invalidate();
  } else {
    RequestLayout();
  }
  if (manager_) manager_->SetLayoutDue();
}

// The tail of the size setters: a floating control is placed again on its
// own, any other by its container.
void CControlUI::OnSizeChanged() {
  if (floating_) {
    if (!IsVisible()) return;
    layoutNeeded_ = true;
    Invalidate();
    if (manager_) manager_->SetLayoutDue();
  } else {
    RequestParentLayout();
  }
}

void CControlUI::Notify(const wchar_t* type, WPARAM wParam, LPARAM lParam) {
  if (manager_) manager_->SendNotification(this, type, wParam, lParam);
}

const std::wstring& CControlUI::GetVirtualWindow() const {
  const CControlUI* control = this;
  while (control->virtualWindow_.empty() && control->parent_) control = control->parent_;
  return control->virtualWindow_;
}

void CControlUI::SetVirtualWindow(const std::wstring& name) {
  virtualWindow_ = name;
}

}  // namespace Veneer
