// A container whose children stand one below the other: fixed heights are
// kept, the stretchable children (height 0) share what is left, and every
// child sits at the left of the column.
#pragma once

#include "ui/controls/container.h"

namespace Veneer {

class CVerticalLayoutUI : public CContainerUI {
 public:
  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  void SetRect(const RECT& rect) override;
  // "sepheight" and "sepimm" are stored; the layouts offer no resizing
  // separator.
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;

  int GetSeparatorHeight() const { return separator_; }
  bool IsSeparatorImmediate() const { return immediate_; }

 private:
  int separator_ = 0;
  bool immediate_ = false;
};

}  // namespace Veneer
