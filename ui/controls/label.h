// A control that shows one line of text in a font of the manager's table,
// aligned inside its text padding. Without a height it is as high as its
// font plus 4 pixels; with auto-width it is as wide as its text.
#pragma once

#include <windows.h>

#include "ui/controls/control.h"

namespace Veneer {

// The text-effect settings a skin may give a label (shadows, strokes,
// gradients). They are stored, not drawn: while the effect is enabled the
// label keeps its text apart and draws none.
struct TextEffect {
  bool enabled = false;
  int transShadow = 0;
  int transText = 0;
  int transShadow1 = 0;
  int transText1 = 0;
  int gradientAngle = 0;
  bool stroke = false;
  bool shadow = false;
  int transStroke = 0;
  int gradientLength = 0;
  SIZE shadowOffset = {0, 0};
  DWORD textColour1 = 0;
  DWORD shadowColourA = 0;
  DWORD shadowColourB = 0;
  DWORD strokeColour = 0;
};

class CLabelUI : public CControlUI {
 public:
  CLabelUI();

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  const std::wstring& GetText() const override;
  void SetText(const std::wstring& text) override;
  // Focus changes only set the focused flag.
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  SIZE MeasureSize(SIZE available) override;
  void PaintText(HDC dc) override;
  virtual bool IsAutoWidth() const;
  virtual void SetAutoWidth(bool on);

  DWORD GetTextColor() const { return textColour_; }  // 0: the manager's default
  void SetTextColor(DWORD colour);
  DWORD GetDisabledTextColor() const { return disabledTextColour_; }
  void SetDisabledTextColor(DWORD colour);
  int GetFont() const { return font_; }  // -1: the default font
  void SetFont(int index);
  UINT GetTextStyle() const { return textStyle_; }  // DrawText bits
  void SetTextStyle(UINT style) { textStyle_ = style; }
  RECT GetTextPadding() const { return textPadding_; }
  void SetTextPadding(const RECT& padding);
  bool IsShowHtml() const { return showHtml_; }
  void SetShowHtml(bool on);
  TextEffect& TextEffects() { return effect_; }

 protected:
  // The rectangle less the text padding.
  RECT TextRect() const;
  // The height of the label's font (text metrics), 0 without a manager.
  int FontHeight() const;
  // Colours of 0 become (and stay) the manager's default colours.
  void ApplyDefaultColours();
  // Sets the fixed width to the text's width plus the text padding.
  void FitWidthToText();
  void DrawLabelText(HDC dc, const std::wstring& text, DWORD colour, UINT style);

 private:
  DWORD textColour_ = 0;
  DWORD disabledTextColour_ = 0;
  int font_ = -1;
  UINT textStyle_ = DT_VCENTER;
  RECT textPadding_ = {0, 0, 0, 0};
  bool showHtml_ = false;
  bool autoWidth_ = false;
  TextEffect effect_;
  std::wstring effectText_;
};

}  // namespace Veneer
