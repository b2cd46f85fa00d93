// A button that stays selected. Options of one group exclude each other:
// selecting one deselects the others. Without a group an option toggles.
// Its "click" comes before the selection changes; "selectchanged" follows.
#pragma once

#include <windows.h>

#include "ui/controls/button.h"

namespace Veneer {

enum class OptionImage { Selected, SelectedHot, SelectedPushed, Fore, SelectedFore, Count };

class COptionUI : public CButtonUI {
 public:
  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  // Joins the option's group when it is initialised.
  void Attach(PaintManager* manager, CControlUI* parent, bool initialise) override;
  // Sends "click", selects the bound tab page, then selects the option (in
  // a group) or toggles it.
  bool Activate() override;
  void SetEnabled(bool enabled) override;  // disabling keeps only the selected bit
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  SIZE MeasureSize(SIZE available) override;
  void PaintStateImage(HDC dc) override;
  void PaintText(HDC dc) override;
  AccessibleTraits DescribeForAccessibility() override;  // a radio button, checked when selected
  // Sends "selectchanged" on every call for an option without a group; in
  // a group only the option that becomes selected sends it.
  virtual void SetSelected(bool selected);

  // Leaves the old group, joins the new one (empty: none).
  void SetGroup(const std::wstring& group);
  bool IsSelected() const { return selected_; }
  const std::wstring& GetGroup() const { return group_; }
  void SetOptionImage(OptionImage which, const std::wstring& image);
  void SetSelectedBkColor(DWORD colour) { selectedBkColour_ = colour; }
  void SetSelectedTextColor(DWORD colour) { selectedTextColour_ = colour; }

 private:
  std::wstring& Image(OptionImage which) { return images_[static_cast<int>(which)]; }
  // Draws a selected image, or the button's state image when it can't be
  // drawn at all.
  void DrawOrButton(HDC dc, std::wstring& image);

  bool selected_ = false;
  std::wstring group_;
  DWORD selectedBkColour_ = 0;
  DWORD selectedTextColour_ = 0;
  std::wstring images_[static_cast<int>(OptionImage::Count)];
};

}  // namespace Veneer
