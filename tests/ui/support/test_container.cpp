#include "tests/ui/support/test_container.h"

#include <cwchar>

#include "ui/core/paint_manager.h"

namespace Veneer::test {

TestContainer::TestContainer(const std::wstring& name) {
  SetName(name);
}

void* TestContainer::AsInterface(const wchar_t* name) {
  if (std::wcscmp(name, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
  return CControlUI::AsInterface(name);
}

void TestContainer::Attach(PaintManager* manager, CControlUI* parent, bool initialise) {
  for (auto& child : children_) child->Attach(manager, this, initialise);
  CControlUI::Attach(manager, parent, initialise);
}

void TestContainer::SetRect(const RECT& rect) {
  CControlUI::SetRect(rect);
  for (auto& child : children_) {
    const SIZE offset = child->GetFloatOffset();
    const RECT placed = {rect.left + offset.cx, rect.top + offset.cy,
                         rect.left + offset.cx + child->GetFixedWidth(),
                         rect.top + offset.cy + child->GetFixedHeight()};
    child->SetRect(placed);
  }
}

void TestContainer::SetVisible(bool visible) {
  CControlUI::SetVisible(visible);
  for (auto& child : children_) child->SetInheritedVisible(IsVisible());
}

void TestContainer::SetInheritedVisible(bool visible) {
  CControlUI::SetInheritedVisible(visible);
  for (auto& child : children_) child->SetInheritedVisible(IsVisible());
}

CControlUI* TestContainer::SearchTree(ControlVisitor visitor, void* data, UINT flags) {
  if ((flags & FindVisible) && !IsVisible()) return nullptr;
  if ((flags & FindEnabled) && !IsEnabled()) return nullptr;
  if ((flags & FindHitTest) && !PtInRect(&GetRect(), *static_cast<const POINT*>(data))) {
    return nullptr;
  }
  if (flags & FindMeFirst) {
    if (CControlUI* found = CControlUI::SearchTree(visitor, data, flags)) return found;
  }
  const int count = ChildCount();
  for (int i = 0; i < count; ++i) {
    CControlUI* child = children_[(flags & FindTopFirst) ? count - 1 - i : i].get();
    if (CControlUI* found = child->SearchTree(visitor, data, flags)) return found;
  }
  return (flags & FindMeFirst) ? nullptr : CControlUI::SearchTree(visitor, data, flags);
}

void TestContainer::Paint(HDC dc, const RECT& dirty) {
  CControlUI::Paint(dc, dirty);
  for (auto& child : children_) {
    RECT overlap;
    if (child->IsVisible() && IntersectRect(&overlap, &child->GetRect(), &dirty)) {
      child->Paint(dc, dirty);
    }
  }
}

CControlUI* TestContainer::ChildAt(int index) const {
  return index >= 0 && index < ChildCount() ? children_[index].get() : nullptr;
}

int TestContainer::ChildIndexOf(CControlUI* child) const {
  for (int i = 0; i < ChildCount(); ++i) {
    if (children_[i].get() == child) return i;
  }
  return -1;
}

bool TestContainer::MoveChildTo(CControlUI* child, int index) {
  const int from = ChildIndexOf(child);
  if (from < 0 || index < 0 || index >= ChildCount()) return false;
  auto moved = std::move(children_[from]);
  children_.erase(children_.begin() + from);
  children_.insert(children_.begin() + index, std::move(moved));
  return true;
}

bool TestContainer::AddChild(CControlUI* child) {
  return InsertChildAt(child, ChildCount());
}

bool TestContainer::InsertChildAt(CControlUI* child, int index) {
  if (!child || index < 0 || index > ChildCount()) return false;
  if (GetManager()) {
    child->Attach(GetManager(), this, true);
    GetManager()->RegisterNames(child);
  } else {
    child->Attach(nullptr, this, false);
  }
  children_.emplace(children_.begin() + index, child);
  RequestLayout();
  return true;
}

bool TestContainer::RemoveChild(CControlUI* child) {
  return RemoveChildAt(ChildIndexOf(child));
}

bool TestContainer::RemoveChildAt(int index) {
  if (index < 0 || index >= ChildCount()) return false;
  children_.erase(children_.begin() + index);
  RequestLayout();
  return true;
}

void TestContainer::RemoveAllChildren() {
  children_.clear();
  RequestLayout();
}

}  // namespace Veneer::test
