#include "ui/controls/container.h"

#include <climits>
#include <cwchar>

#include "ui/controls/attribute_table.h"
#include "ui/controls/layout_arithmetic.h"
#include "ui/controls/scroll_bar.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"
#include "ui/render/win_rect.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CContainerUI>;

const Row kRows[] = {
    {L"inset", [](CContainerUI& c, const std::wstring& v) { c.SetInset(ToRECT(ParseIntRect(v))); }},
    {L"mousechild",
     [](CContainerUI& c, const std::wstring& v) { c.SetMouseChildEnabled(ParseBool(v)); }},
    {L"vscrollbar",
     [](CContainerUI& c, const std::wstring& v) {
       c.EnableScrollBars(ParseBool(v), c.GetHorizontalScrollBar() != nullptr);
     }},
    {L"vscrollbarstyle",
     [](CContainerUI& c, const std::wstring& v) {
       c.EnableScrollBars(true, c.GetHorizontalScrollBar() != nullptr);
       c.GetVerticalScrollBar()->ApplyAttributeText(v);
     }},
    {L"hscrollbar",
     [](CContainerUI& c, const std::wstring& v) {
       c.EnableScrollBars(c.GetVerticalScrollBar() != nullptr, ParseBool(v));
     }},
    {L"hscrollbarstyle",
     [](CContainerUI& c, const std::wstring& v) {
       c.EnableScrollBars(c.GetVerticalScrollBar() != nullptr, true);
       c.GetHorizontalScrollBar()->ApplyAttributeText(v);
     }},
    {L"childpadding",
     [](CContainerUI& c, const std::wstring& v) { c.SetChildPadding(ParseInt(v)); }},
    {L"scrollstepsize",
     [](CContainerUI& c, const std::wstring& v) { c.SetScrollStepSize(ParseInt(v)); }},
};

// How much more than `extent` the children need; 0 when they fit.
int Overflow(int needed, LONG begin, LONG end) {
  const long long over = static_cast<long long>(needed) - (static_cast<long long>(end) - begin);
  return over <= 0 ? 0 : over > INT_MAX ? INT_MAX : static_cast<int>(over);
}

bool Meets(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != 0;
}

// The clip of a device context as it is now, kept to go back to.
class SavedClip {
 public:
  explicit SavedClip(HDC dc) : region_(CreateRectRgn(0, 0, 0, 0)) {
    exists_ = GetClipRgn(dc, region_.get()) == 1;
  }
  void Select(HDC dc) const { SelectClipRgn(dc, exists_ ? region_.get() : nullptr); }

 private:
  ScopedRegion region_;
  bool exists_ = false;
};

// Narrows the clip to `rect` until the scope ends.
class RectClip {
 public:
  RectClip(HDC dc, const RECT& rect)
      : region_(CreateRectRgnIndirect(&rect)), clip_(dc, region_.get()) {}

 private:
  ScopedRegion region_;
  ScopedClip clip_;
};

}  // namespace

CContainerUI::CContainerUI() = default;

// Children go at once: a queue for the manager's cleanup could outlive the
// manager that is deleting this tree.
CContainerUI::~CContainerUI() {
  std::vector<std::unique_ptr<CControlUI>> children;
  children.swap(items_);
  children.clear();
  verticalBar_.reset();
  horizontalBar_.reset();
}

const wchar_t* CContainerUI::UiClassName() const {
  return L"ContainerUI";
}

void* CContainerUI::AsInterface(const wchar_t* name) {
  if (std::wcscmp(name, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
  if (std::wcscmp(name, L"Container") == 0) return this;
  return CControlUI::AsInterface(name);
}

void CContainerUI::Attach(PaintManager* manager, CControlUI* parent, bool initialise) {
  for (auto& child : items_) child->Attach(manager, this, initialise);
  if (verticalBar_) verticalBar_->Attach(manager, this, initialise);
  if (horizontalBar_) horizontalBar_->Attach(manager, this, initialise);
  CControlUI::Attach(manager, parent, initialise);
}

// The children of a plain container lie on top of each other, each over the
// whole area inside the inset.
void CContainerUI::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  const RECT inside = InsetRect();
  for (int i = 0; i < ChildCount(); ++i) {
    CControlUI* child = items_[i].get();
    if (!child->IsVisible() || PlaceIfFloating(i)) continue;
    child->SetRect(inside);
  }
}

void CContainerUI::SetVisible(bool visible) {
  if (IsOwnVisible() == visible) return;
  CControlUI::SetVisible(visible);
  SetInheritedVisibleOfChildren();
}

// Hiding a page hides (and unfocuses) everything inside it; the children's
// own "visible" stays as it is.
void CContainerUI::SetInheritedVisible(bool visible) {
  CControlUI::SetInheritedVisible(visible);
  SetInheritedVisibleOfChildren();
}

void CContainerUI::SetInheritedVisibleOfChildren() {
  const bool visible = IsVisible();
  for (auto& child : items_) child->SetInheritedVisible(visible);
}

void CContainerUI::SetEnabled(bool enabled) {
  if (IsEnabled() == enabled) return;
  CControlUI::SetEnabled(enabled);
  for (auto& child : items_) child->SetEnabled(enabled);
}

void CContainerUI::SetMouseEnabled(bool enabled) {
  if (verticalBar_) verticalBar_->SetMouseEnabled(enabled);
  if (horizontalBar_) horizontalBar_->SetMouseEnabled(enabled);
  CControlUI::SetMouseEnabled(enabled);
}

// Children before their container unless FindMeFirst; a hit on a
// non-floating child counts only inside the content rectangle.
CControlUI* CContainerUI::SearchTree(ControlVisitor visitor, void* data, UINT flags) {
  if ((flags & FindVisible) && !IsVisible()) return nullptr;
  if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
  const POINT* point = (flags & FindHitTest) ? static_cast<const POINT*>(data) : nullptr;
  if (point && !PtInRect(&GetRect(), *point)) return nullptr;
  for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
    if (!bar) continue;
    if (CControlUI* found = bar->SearchTree(visitor, data, flags)) return found;
  }
  if (point && !mouseChild_) return CControlUI::SearchTree(visitor, data, flags);
  if (flags & FindMeFirst) {
    if (CControlUI* found = CControlUI::SearchTree(visitor, data, flags)) return found;
  }
  const RECT content = ContentRect();
  const int count = ChildCount();
  for (int n = 0; n < count; ++n) {
    const int i = (flags & FindTopFirst) ? count - 1 - n : n;
    CControlUI* found = items_[i]->SearchTree(visitor, data, flags);
    if (found && (!point || found->IsFloating() || PtInRect(&content, *point))) return found;
  }
  return (flags & FindMeFirst) ? nullptr : CControlUI::SearchTree(visitor, data, flags);
}

void CContainerUI::HandleEvent(UiEvent& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.type)) {
    if (GetParent()) {
      GetParent()->HandleEvent(event);
    } else {
      CControlUI::HandleEvent(event);
    }
    return;
  }
  if (event.type == UiEventType::SetFocus || event.type == UiEventType::KillFocus) {
    SetFocusedFlag(event.type == UiEventType::SetFocus);
    return;
  }
  const auto usable = [](const CScrollBarUI* bar) {
    return bar && bar->IsVisible() && bar->IsEnabled();
  };
  if (usable(verticalBar_.get())) {
    if (event.type == UiEventType::KeyDown) {
      switch (event.key) {
        case VK_PRIOR: return PageUp();
        case VK_NEXT: return PageDown();
        case VK_END: return EndDown();
        case VK_HOME: return HomeUp();
        case VK_UP: return LineUp();
        case VK_DOWN: return LineDown();
        default: break;
      }
    } else if (event.type == UiEventType::ScrollWheel) {
      if (event.wParam == SB_LINEUP) return LineUp();
      if (event.wParam == SB_LINEDOWN) return LineDown();
    }
  }
  if (usable(horizontalBar_.get())) {
    if (event.type == UiEventType::KeyDown) {
      switch (event.key) {
        case VK_PRIOR: return PageLeft();
        case VK_NEXT: return PageRight();
        case VK_HOME: return HomeLeft();
        case VK_END: return EndRight();
        case VK_LEFT: return LineLeft();
        case VK_RIGHT: return LineRight();
        default: break;
      }
    } else if (event.type == UiEventType::ScrollWheel) {
      if (event.wParam == SB_LINEUP) return LineLeft();
      if (event.wParam == SB_LINEDOWN) return LineRight();
    }
  }
  CControlUI::HandleEvent(event);
}

void CContainerUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CControlUI::ApplyAttribute(name, value);
}

// Children are clipped to the content rectangle, except floating ones,
// which may cover the inset; later children paint over earlier ones.
void CContainerUI::Paint(HDC dc, const RECT& dirty) {
  RECT area;
  if (!IntersectRect(&area, &GetRect(), &dirty)) return;
  RectClip outer(dc, area);
  CControlUI::Paint(dc, dirty);
  if (!items_.empty()) PaintChildren(dc, dirty);
  for (CScrollBarUI* bar : {verticalBar_.get(), horizontalBar_.get()}) {
    if (IsBarVisible(bar) && Meets(bar->GetRect(), dirty)) bar->Paint(dc, dirty);
  }
}

void CContainerUI::PaintChildren(HDC dc, const RECT& dirty) {
  const RECT content = ContentRect();
  RECT inner;
  if (!IntersectRect(&inner, &dirty, &content)) {
    for (auto& child : items_) {
      if (child->IsVisible() && child->IsFloating() && Meets(child->GetRect(), dirty) &&
          Meets(child->GetRect(), GetRect())) {
        child->Paint(dc, dirty);
      }
    }
    return;
  }
  const SavedClip outerClip(dc);
  RectClip innerClip(dc, inner);
  std::unique_ptr<SavedClip> innerSaved;  // taken when a floating child needs the outer clip
  for (auto& child : items_) {
    if (!child->IsVisible() || !Meets(child->GetRect(), dirty)) continue;
    if (!child->IsFloating()) {
      if (Meets(child->GetRect(), content)) child->Paint(dc, dirty);
      continue;
    }
    if (!Meets(child->GetRect(), GetRect())) continue;
    if (!innerSaved) innerSaved = std::make_unique<SavedClip>(dc);
    outerClip.Select(dc);
    child->Paint(dc, dirty);
    innerSaved->Select(dc);
  }
}

CControlUI* CContainerUI::ChildAt(int index) const {
  return index >= 0 && index < ChildCount() ? items_[index].get() : nullptr;
}

int CContainerUI::ChildIndexOf(CControlUI* child) const {
  for (int i = 0; i < ChildCount(); ++i) {
    if (items_[i].get() == child) return i;
  }
  return -1;
}

int CContainerUI::ChildCount() const {
  return static_cast<int>(items_.size());
}

bool CContainerUI::MoveChildTo(CControlUI* child, int index) {
  const int from = ChildIndexOf(child);
  if (from < 0 || index < 0 || index >= ChildCount()) return false;
  std::unique_ptr<CControlUI> moving = std::move(items_[from]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + index, std::move(moving));
  if (IsVisible()) RequestLayout();
  return true;
}

// Not through the virtual InsertChildAt: a derived container's AddChild and
// InsertChildAt each add their own rule (a tab layout's page selection).
bool CContainerUI::AddChild(CControlUI* child) {
  return Insert(child, ChildCount());
}

bool CContainerUI::InsertChildAt(CControlUI* child, int index) {
  return Insert(child, index);
}

// The index is checked before anything happens, so a refused child stays
// the caller's, untouched.
bool CContainerUI::Insert(CControlUI* child, int index) {
  if (!child || index < 0 || index > ChildCount()) return false;
  if (PaintManager* manager = GetManager()) {
    child->Attach(manager, this, true);
    manager->RegisterNames(child);
  } else {
    child->Attach(child->GetManager(), this, false);
  }
  if (!IsVisible()) {
    child->SetInheritedVisible(false);
  } else {
    RequestLayout();
  }
  items_.emplace(items_.begin() + index, child);
  return true;
}

bool CContainerUI::RemoveChild(CControlUI* child) {
  const int index = ChildIndexOf(child);
  if (index < 0) return false;
  if (IsVisible()) RequestLayout();
  CControlUI* removed = items_[index].release();
  items_.erase(items_.begin() + index);
  Destroy(removed);
  return true;
}

bool CContainerUI::RemoveChildAt(int index) {
  CControlUI* child = ChildAt(index);
  return child && RemoveChild(child);
}

void CContainerUI::RemoveAllChildren() {
  std::vector<std::unique_ptr<CControlUI>> children;
  children.swap(items_);
  for (auto& child : children) Destroy(child.release());
  if (IsVisible()) RequestLayout();
}

// A child out of the list: deleted (by the manager's cleanup unless
// delayed destroy is off), or, without auto-destroy, handed back detached.
void CContainerUI::Destroy(CControlUI* child) {
  PaintManager* manager = GetManager();
  if (!autoDestroy_) {
    child->Attach(child->GetManager(), nullptr, false);
  } else if (delayedDestroy_ && manager) {
    manager->QueueForDeletion(child);
  } else {
    delete child;
  }
}

RECT CContainerUI::GetInset() const {
  return inset_;
}
void CContainerUI::SetInset(const RECT& inset) {
  inset_ = inset;
  if (IsVisible()) RequestLayout();
}
int CContainerUI::GetChildPadding() const {
  return childPadding_;
}
void CContainerUI::SetChildPadding(int padding) {
  childPadding_ = padding;
  if (IsVisible()) RequestLayout();
}
bool CContainerUI::IsAutoDestroy() const {
  return autoDestroy_;
}
void CContainerUI::SetAutoDestroy(bool on) {
  autoDestroy_ = on;
}
bool CContainerUI::IsDelayedDestroy() const {
  return delayedDestroy_;
}
void CContainerUI::SetDelayedDestroy(bool on) {
  delayedDestroy_ = on;
}
bool CContainerUI::IsMouseChildEnabled() const {
  return mouseChild_;
}
void CContainerUI::SetMouseChildEnabled(bool on) {
  mouseChild_ = on;
}

int CContainerUI::FindSelectable(int start, bool forward) const {
  for (int i = start; i >= 0 && i < ChildCount(); i += forward ? 1 : -1) {
    if (items_[i]->IsVisible() && items_[i]->IsEnabled()) return i;
  }
  return -1;
}

RECT CContainerUI::InsetRect() const {
  const RECT& r = GetRect();
  return {r.left + inset_.left, r.top + inset_.top, r.right - inset_.right,
          r.bottom - inset_.bottom};
}

RECT CContainerUI::ContentRect() const {
  RECT content = InsetRect();
  if (IsBarVisible(verticalBar_.get())) content.right -= verticalBar_->GetFixedWidth();
  if (IsBarVisible(horizontalBar_.get())) content.bottom -= horizontalBar_->GetFixedHeight();
  return content;
}

bool CContainerUI::IsBarVisible(const CScrollBarUI* bar) const {
  return bar && bar->IsVisible();
}

void CContainerUI::PlaceFloatChild(int index) {
  CControlUI* child = ChildAt(index);
  if (!child || !child->IsVisible() || !child->IsFloating()) return;
  const RelativeRule& rule = child->GetRelativeRule();
  FloatPlacement f;
  f.offset = {child->GetFloatOffset().cx, child->GetFloatOffset().cy};
  f.size = {child->GetFixedWidth(), child->GetFixedHeight()};
  f.relative = rule.enabled;
  f.baseSize = {rule.baseSize.cx, rule.baseSize.cy};
  f.moveX = rule.moveX;
  f.moveY = rule.moveY;
  f.zoomX = rule.zoomX;
  f.zoomY = rule.zoomY;
  const IntRect placed = PlaceFloating(ToIntRect(GetRect()), f);
  if (rule.enabled) child->SetRelativeBaseSize({GetWidth(), GetHeight()});
  child->SetRect(ToRECT(placed));
}

bool CContainerUI::PlaceIfFloating(int index) {
  if (!items_[index]->IsFloating()) return false;
  PlaceFloatChild(index);
  return true;
}

SIZE CContainerUI::GetScrollPos() const {
  return {horizontalBar_ ? horizontalBar_->GetScrollPos() : 0,
          verticalBar_ ? verticalBar_->GetScrollPos() : 0};
}

SIZE CContainerUI::GetScrollRange() const {
  return {horizontalBar_ ? horizontalBar_->GetScrollRange() : 0,
          verticalBar_ ? verticalBar_->GetScrollRange() : 0};
}

void CContainerUI::SetScrollPos(SIZE position) {
  const SIZE old = GetScrollPos();
  if (verticalBar_) verticalBar_->SetScrollPos(position.cy);
  if (horizontalBar_) horizontalBar_->SetScrollPos(position.cx);
  const SIZE now = GetScrollPos();
  ScrollBy(now.cx - old.cx, now.cy - old.cy);
}

// Scrolling moves the children's rectangles; nothing is laid out again.
void CContainerUI::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  for (auto& child : items_) {
    if (!child->IsVisible() || child->IsFloating()) continue;
    RECT r = child->GetRect();
    OffsetRect(&r, -dx, -dy);
    child->SetRect(r);
  }
  Invalidate();
}

void CContainerUI::SetScrollStepSize(int step) {
  if (step > 0) scrollStep_ = step;
}
int CContainerUI::GetScrollStepSize() const {
  return scrollStep_;
}

int CContainerUI::VerticalLineStep() const {
  if (scrollStep_ > 0) return scrollStep_;
  PaintManager* manager = GetManager();
  return manager ? manager->DefaultFont().metrics.tmHeight + 8 : 8;
}

void CContainerUI::LineUp() {
  SetScrollPos({GetScrollPos().cx, GetScrollPos().cy - VerticalLineStep()});
}
void CContainerUI::LineDown() {
  SetScrollPos({GetScrollPos().cx, GetScrollPos().cy + VerticalLineStep()});
}
void CContainerUI::PageUp() {
  const RECT c = ContentRect();
  SetScrollPos({GetScrollPos().cx, GetScrollPos().cy - (c.bottom - c.top)});
}
void CContainerUI::PageDown() {
  const RECT c = ContentRect();
  SetScrollPos({GetScrollPos().cx, GetScrollPos().cy + (c.bottom - c.top)});
}
void CContainerUI::HomeUp() {
  SetScrollPos({GetScrollPos().cx, 0});
}
void CContainerUI::EndDown() {
  SetScrollPos({GetScrollPos().cx, GetScrollRange().cy});
}
void CContainerUI::LineLeft() {
  SetScrollPos({GetScrollPos().cx - (scrollStep_ > 0 ? scrollStep_ : 8), GetScrollPos().cy});
}
void CContainerUI::LineRight() {
  SetScrollPos({GetScrollPos().cx + (scrollStep_ > 0 ? scrollStep_ : 8), GetScrollPos().cy});
}
void CContainerUI::PageLeft() {
  const RECT c = ContentRect();
  SetScrollPos({GetScrollPos().cx - (c.right - c.left), GetScrollPos().cy});
}
void CContainerUI::PageRight() {
  const RECT c = ContentRect();
  SetScrollPos({GetScrollPos().cx + (c.right - c.left), GetScrollPos().cy});
}
void CContainerUI::HomeLeft() {
  SetScrollPos({0, GetScrollPos().cy});
}
void CContainerUI::EndRight() {
  SetScrollPos({GetScrollRange().cx, GetScrollPos().cy});
}

void CContainerUI::EnableScrollBars(bool vertical, bool horizontal) {
  const auto make = [this](bool isHorizontal) {
    auto bar = std::make_unique<CScrollBarUI>();
    bar->SetHorizontal(isHorizontal);
    bar->SetOwner(this);
    bar->Attach(GetManager(), this, false);
    if (GetManager()) {
      const wchar_t* name = isHorizontal ? L"HScrollBar" : L"VScrollBar";
      if (const std::wstring* defaults = GetManager()->GetDefaultAttributes(name)) {
        bar->ApplyAttributeText(*defaults);
      }
    }
    return bar;
  };
  if (vertical) {
    if (!verticalBar_) {
      verticalBar_ = make(false);
    } else {
      verticalBar_->SetVisible(true);
    }
  } else if (verticalBar_) {
    verticalBar_->SetVisible(false);
  }
  if (horizontal) {
    if (!horizontalBar_) {
      horizontalBar_ = make(true);
    } else {
      horizontalBar_->SetVisible(true);
    }
  } else {
    horizontalBar_.reset();
  }
  RequestLayout();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const {
  return verticalBar_.get();
}
CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const {
  return horizontalBar_.get();
}

// A bar shows while the children need more than `rect` holds; showing or
// hiding it asks for another layout pass through the bar's visibility.
void CContainerUI::UpdateScrollBars(const RECT& rect, int neededWidth, int neededHeight) {
  if (verticalBar_) {
    const int range = Overflow(neededHeight, rect.top, rect.bottom);
    verticalBar_->SetScrollRange(range);
    verticalBar_->SetVisible(range > 0);
    PlaceBar(verticalBar_.get(), rect, true);
  }
  if (horizontalBar_) {
    const int range = Overflow(neededWidth, rect.left, rect.right);
    horizontalBar_->SetScrollRange(range);
    horizontalBar_->SetVisible(range > 0);
    PlaceBar(horizontalBar_.get(), rect, false);
  }
}

void CContainerUI::PlaceBar(CScrollBarUI* bar, const RECT& rect, bool vertical) {
  if (!bar->IsVisible()) return;
  if (vertical) {
    bar->SetRect({rect.right, rect.top, rect.right + bar->GetFixedWidth(), rect.bottom});
  } else {
    bar->SetRect({rect.left, rect.bottom, rect.right, rect.bottom + bar->GetFixedHeight()});
  }
}

}  // namespace Veneer
