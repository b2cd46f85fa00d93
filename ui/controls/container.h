// A control with children: it owns them, lays them over each other inside
// its inset (the layouts derive from it and place them otherwise), places
// its floating children by their anchored offsets, hides them with itself,
// paints them clipped to itself, and scrolls them with its scroll bars.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/controls/control.h"
#include "ui/core/control_interface.h"

namespace Veneer {

class CScrollBarUI;

class CContainerUI : public CControlUI, public IContainerUI {
 public:
  CContainerUI();
  // Removes every child as RemoveAllChildren does, then the scroll bars.
  ~CContainerUI() override;

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  // Children first (so a subtree initialises children-first), then the
  // scroll bars, then the container itself.
  void Attach(PaintManager* manager, CControlUI* parent, bool initialise) override;
  void SetRect(const RECT& rect) override;
  void SetVisible(bool visible) override;
  void SetInheritedVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetMouseEnabled(bool enabled) override;  // the scroll bars', not the children's
  CControlUI* SearchTree(ControlVisitor visitor, void* data, UINT flags) override;
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  void Paint(HDC dc, const RECT& dirty) override;

  // Adds a child made in code and returns it (nullptr for none).
  template <typename T>
  T* Add(T* child) {
    return AddChild(child) ? child : nullptr;
  }

  CControlUI* ChildAt(int index) const override;
  int ChildIndexOf(CControlUI* child) const override;
  bool MoveChildTo(CControlUI* child, int index) override;
  int ChildCount() const override;
  bool AddChild(CControlUI* child) override;
  bool InsertChildAt(CControlUI* child, int index) override;
  bool RemoveChild(CControlUI* child) override;
  bool RemoveChildAt(int index) override;
  void RemoveAllChildren() override;

  virtual RECT GetInset() const;
  virtual void SetInset(const RECT& inset);
  virtual int GetChildPadding() const;
  virtual void SetChildPadding(int padding);
  virtual bool IsAutoDestroy() const;  // removed children are deleted
  virtual void SetAutoDestroy(bool on);
  virtual bool IsDelayedDestroy() const;  // ... by the manager's cleanup message
  virtual void SetDelayedDestroy(bool on);
  virtual bool IsMouseChildEnabled() const;  // children can be hit
  virtual void SetMouseChildEnabled(bool on);
  // The index of the nearest visible, enabled child from `start` on in the
  // direction given, or -1.
  virtual int FindSelectable(int start, bool forward) const;

  virtual SIZE GetScrollPos() const;
  virtual SIZE GetScrollRange() const;
  // Clamps to the ranges and moves the children by the change.
  virtual void SetScrollPos(SIZE position);
  virtual void SetScrollStepSize(int step);  // values <= 0 are ignored
  virtual int GetScrollStepSize() const;
  virtual void LineUp();
  virtual void LineDown();
  virtual void PageUp();
  virtual void PageDown();
  virtual void HomeUp();
  virtual void EndDown();
  virtual void LineLeft();
  virtual void LineRight();
  virtual void PageLeft();
  virtual void PageRight();
  virtual void HomeLeft();
  virtual void EndRight();
  // Creates or shows the bars asked for; disabling hides the vertical bar
  // and deletes the horizontal one.
  virtual void EnableScrollBars(bool vertical, bool horizontal);
  virtual CScrollBarUI* GetVerticalScrollBar() const;
  virtual CScrollBarUI* GetHorizontalScrollBar() const;
  // Places the child at `index` when it is visible and floating.
  virtual void PlaceFloatChild(int index);
  // Sizes, shows or hides the bars for children that need `neededWidth` x
  // `neededHeight` (0: that bar is not concerned) inside `rect`.
  virtual void UpdateScrollBars(const RECT& rect, int neededWidth, int neededHeight);

 protected:
  // The rectangle less the inset.
  RECT InsetRect() const;
  // The rectangle less the inset and the visible scroll bars.
  RECT ContentRect() const;
  bool IsBarVisible(const CScrollBarUI* bar) const;
  // Places the floating children; true for a child that was one.
  bool PlaceIfFloating(int index);

 private:
  // AddChild and InsertChildAt without the derived classes' additions.
  bool Insert(CControlUI* child, int index);
  void Destroy(CControlUI* child);
  void SetInheritedVisibleOfChildren();
  void ScrollBy(int dx, int dy);
  int VerticalLineStep() const;
  void PlaceBar(CScrollBarUI* bar, const RECT& rect, bool vertical);
  void PaintChildren(HDC dc, const RECT& dirty);

  std::vector<std::unique_ptr<CControlUI>> items_;
  RECT inset_ = {0, 0, 0, 0};
  int childPadding_ = 0;
  bool autoDestroy_ = true;
  bool delayedDestroy_ = true;
  bool mouseChild_ = true;
  int scrollStep_ = 0;
  std::unique_ptr<CScrollBarUI> verticalBar_;
  std::unique_ptr<CScrollBarUI> horizontalBar_;
};

}  // namespace Veneer
