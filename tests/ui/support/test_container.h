// A minimal container for the framework's tests: it owns its children,
// places each at its "pos" inside its own rectangle, paints them in order
// and searches them as containers do (children before the container unless
// FindMeFirst, last to first with FindTopFirst).
#pragma once

#include <memory>
#include <vector>

#include "ui/controls/control.h"

namespace Veneer::test {

class TestContainer : public CControlUI, public IContainerUI {
 public:
  explicit TestContainer(const std::wstring& name = L"");

  // Takes ownership; returns the child.
  template <typename T>
  T* Add(T* child) {
    AddChild(child);
    return child;
  }

  void* AsInterface(const wchar_t* name) override;
  void Attach(PaintManager* manager, CControlUI* parent, bool initialise) override;
  void SetRect(const RECT& rect) override;
  void SetVisible(bool visible) override;
  void SetInheritedVisible(bool visible) override;
  CControlUI* SearchTree(ControlVisitor visitor, void* data, UINT flags) override;
  void Paint(HDC dc, const RECT& dirty) override;

  CControlUI* ChildAt(int index) const override;
  int ChildIndexOf(CControlUI* child) const override;
  bool MoveChildTo(CControlUI* child, int index) override;
  int ChildCount() const override { return static_cast<int>(children_.size()); }
  bool AddChild(CControlUI* child) override;
  bool InsertChildAt(CControlUI* child, int index) override;
  bool RemoveChild(CControlUI* child) override;
  bool RemoveChildAt(int index) override;
  void RemoveAllChildren() override;

 private:
  std::vector<std::unique_ptr<CControlUI>> children_;
};

}  // namespace Veneer::test
