#include "ui/controls/progress.h"

#include <cwchar>
#include <string>

#include "ui/controls/attribute_table.h"
#include "ui/controls/progress_arithmetic.h"
#include "ui/core/value_syntax.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CProgressUI>;

const Row kRows[] = {
    {L"foreimage", [](CProgressUI& c, const std::wstring& v) { c.SetProgressImage(v); }},
    {L"hor", [](CProgressUI& c, const std::wstring& v) { c.SetHorizontal(ParseBool(v)); }},
    {L"min", [](CProgressUI& c, const std::wstring& v) { c.SetMinValue(ParseInt(v)); }},
    {L"max", [](CProgressUI& c, const std::wstring& v) { c.SetMaxValue(ParseInt(v)); }},
    {L"value", [](CProgressUI& c, const std::wstring& v) { c.SetValue(ParseInt(v)); }},
    {L"isstretchfore",
     [](CProgressUI& c, const std::wstring& v) { c.SetStretchForeImage(ParseBool(v)); }},
};

std::wstring RectText(const IntRect& r) {
  return std::to_wstring(r.left) + L',' + std::to_wstring(r.top) + L',' + std::to_wstring(r.right) +
         L',' + std::to_wstring(r.bottom);
}

}  // namespace

CProgressUI::CProgressUI() {
  SetTextStyle(DT_SINGLELINE | DT_CENTER);
  SetFixedHeight(12);
}

const wchar_t* CProgressUI::UiClassName() const {
  return L"ProgressUI";
}

void* CProgressUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Progress") == 0 ? this : CLabelUI::AsInterface(name);
}

void CProgressUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CLabelUI::ApplyAttribute(name, value);
}

void CProgressUI::SetValue(int value) {
  if (value == value_ || value < minimum_ || value > maximum_) return;
  value_ = value;
  Invalidate();
  NotifyAccessibility(EVENT_OBJECT_VALUECHANGE);
}

void CProgressUI::SetMinValue(int minimum) {
  minimum_ = minimum;
  Invalidate();
}

void CProgressUI::SetMaxValue(int maximum) {
  maximum_ = maximum;
  Invalidate();
}

void CProgressUI::SetHorizontal(bool horizontal) {
  if (horizontal_ == horizontal) return;
  horizontal_ = horizontal;
  Invalidate();
}

void CProgressUI::SetStretchForeImage(bool stretch) {
  if (stretch_ == stretch) return;
  stretch_ = stretch;
  Invalidate();
}

void CProgressUI::SetProgressImage(const std::wstring& image) {
  if (foreImage_ == image) return;
  foreImage_ = image;
  Invalidate();
}

// Stretched, the image fills the filled part; cropped, the same part of the
// image is drawn at the same place.
void CProgressUI::PaintStateImage(HDC dc) {
  CorrectProgressRange(minimum_, maximum_, value_);
  const IntRect fore =
      ProgressForeground(GetWidth(), GetHeight(), minimum_, maximum_, value_, horizontal_);
  if (foreImage_.empty()) return;
  destination_ = L"dest='" + RectText(fore) + L"'";
  if (!stretch_) destination_ += L" source='" + RectText(fore) + L"'";
  DrawImage(dc, foreImage_, destination_);
}

}  // namespace Veneer
