// A container whose children stand side by side: fixed widths are kept,
// the stretchable children (width 0) share what is left, and every child
// sits at the top of the row. It shows its horizontal scroll bar when the
// children need more width than it has.
#pragma once

#include "ui/controls/container.h"

namespace Veneer {

class CHorizontalLayoutUI : public CContainerUI {
 public:
  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  void SetRect(const RECT& rect) override;
  // "sepwidth" and "sepimm" are stored; the layouts offer no resizing
  // separator.
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;

  int GetSeparatorWidth() const { return separator_; }
  bool IsSeparatorImmediate() const { return immediate_; }

 private:
  // Shows or hides the horizontal bar for children `needed` wide and keeps
  // `content` clear of it.
  void FitHorizontalBar(int needed, RECT& content);

  int separator_ = 0;
  bool immediate_ = false;
};

}  // namespace Veneer
