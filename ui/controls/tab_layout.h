// A container that shows one of its children, the selected page, over its
// whole area inside the inset; the other pages are hidden. Selecting a page
// sends "tabselect" with the new and the old page index.
#pragma once

#include "ui/controls/container.h"

namespace Veneer {

class CTabLayoutUI : public CContainerUI {
 public:
  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;

  // The first visible child added becomes the page; later ones are hidden.
  bool AddChild(CControlUI* child) override;
  bool InsertChildAt(CControlUI* child, int index) override;
  // Removing the page selects page 0, when there is one.
  bool RemoveChild(CControlUI* child) override;
  void RemoveAllChildren() override;
  void SetRect(const RECT& rect) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  AccessibleTraits DescribeForAccessibility() override;  // a page tab list of property pages

  // False for a control that isn't a page, or an index out of range; the
  // current page again is true and sends nothing.
  virtual bool SelectPage(CControlUI* page);
  virtual bool SelectPage(int index);

  int GetPageIndex() const { return pageIndex_; }

 private:
  int pageIndex_ = -1;
};

}  // namespace Veneer
