// A label that can be clicked: it tracks hot, pushed and captured states
// with the mouse, draws the image of its state, and sends "click" when the
// button goes up inside it after going down inside it (or on Space and
// Return). It can select a page of a named tab layout when clicked.
#pragma once

#include <windows.h>

#include "ui/controls/label.h"

namespace Veneer {

// Bits of a button's state.
constexpr UINT StateFocused = 0x01;
constexpr UINT StateSelected = 0x02;
constexpr UINT StateDisabled = 0x04;
constexpr UINT StateHot = 0x08;
constexpr UINT StatePushed = 0x10;
constexpr UINT StateCaptured = 0x40;

enum class ButtonImage { Normal, Hot, HotFore, Pushed, PushedFore, Focused, Disabled, Count };

class CButtonUI : public CLabelUI {
 public:
  CButtonUI();

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  UINT GetFlags() const override;
  // Sends "click", then selects the bound tab page.
  bool Activate() override;
  void SetEnabled(bool enabled) override;  // disabling clears the state
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  SIZE MeasureSize(SIZE available) override;
  void PaintStateImage(HDC dc) override;
  void PaintText(HDC dc) override;
  AccessibleTraits DescribeForAccessibility() override;  // a push button

  UINT GetButtonState() const { return state_; }
  const std::wstring& GetImage(ButtonImage which) const;
  void SetImage(ButtonImage which, const std::wstring& image);
  DWORD GetHotBkColor() const { return hotBkColour_; }
  void SetHotBkColor(DWORD colour) { hotBkColour_ = colour; }
  void SetHotTextColor(DWORD colour) { hotTextColour_ = colour; }
  void SetPushedTextColor(DWORD colour) { pushedTextColour_ = colour; }
  void SetFocusedTextColor(DWORD colour) { focusedTextColour_ = colour; }
  void SetBindTabIndex(int index);  // negative indices are ignored
  void SetBindTabLayoutName(const std::wstring& name) { bindTabLayoutName_ = name; }
  int GetBindTabIndex() const { return bindTabIndex_; }
  const std::wstring& GetBindTabLayoutName() const { return bindTabLayoutName_; }

 protected:
  void SetButtonState(UINT state) { state_ = state; }
  // Updates the focused and disabled bits from the control.
  void UpdateFocusAndEnabledBits();
  // Selects the bound page of the bound tab layout, when both are set.
  void SelectBoundTab();
  // Draws a description when it is set; false when it isn't or can't be
  // drawn at all (it is then cleared).
  bool DrawIfSet(HDC dc, std::wstring& image);
  bool DrawForeImage(HDC dc);

 private:
  UINT state_ = 0;
  DWORD hotBkColour_ = 0;
  DWORD hotTextColour_ = 0;
  DWORD pushedTextColour_ = 0;
  DWORD focusedTextColour_ = 0;
  std::wstring images_[static_cast<int>(ButtonImage::Count)];
  int bindTabIndex_ = -1;
  std::wstring bindTabLayoutName_;
};

}  // namespace Veneer
