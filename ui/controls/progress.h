// A label that shows a value in a range as the filled part of a bar: its
// foreground image, stretched or cropped over the filled part, above the
// background image. Values outside the range are ignored.
#pragma once

#include <windows.h>

#include "ui/controls/label.h"

namespace Veneer {

class CProgressUI : public CLabelUI {
 public:
  CProgressUI();

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  // An inverted range is corrected here (maximum := minimum + 1).
  void PaintStateImage(HDC dc) override;
  AccessibleTraits DescribeForAccessibility() override;  // its value is the percent done

  int GetValue() const { return value_; }
  // Ignored when equal to the value or outside [minimum, maximum].
  void SetValue(int value);
  int GetMinValue() const { return minimum_; }
  void SetMinValue(int minimum);
  int GetMaxValue() const { return maximum_; }
  void SetMaxValue(int maximum);
  bool IsHorizontal() const { return horizontal_; }
  void SetHorizontal(bool horizontal);
  bool IsStretchForeImage() const { return stretch_; }
  void SetStretchForeImage(bool stretch);
  const std::wstring& GetProgressImage() const { return foreImage_; }
  void SetProgressImage(const std::wstring& image);

 private:
  bool horizontal_ = true;
  bool stretch_ = true;
  int maximum_ = 100;
  int minimum_ = 0;
  int value_ = 0;
  std::wstring foreImage_;
  std::wstring destination_;
};

}  // namespace Veneer
