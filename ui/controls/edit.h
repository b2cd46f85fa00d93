// A one-line text box. While it has the focus a native edit window (its
// editor, CEditWnd) lies over its text area and takes the typing; the
// control's text follows every keystroke ("textchanged") and Return sends
// "return". Without the focus the control paints its text itself, or its
// tip while the text is empty.
#pragma once

#include <windows.h>

#include "ui/controls/label.h"

namespace Veneer {

class CEditWnd;

enum class EditImage { Normal, Hot, Focused, Disabled, Count };

class CEditUI : public CLabelUI {
 public:
  CEditUI();
  // Destroys an open editor first.
  ~CEditUI() override;

  const wchar_t* UiClassName() const override;
  void* AsInterface(const wchar_t* name) override;
  UINT GetFlags() const override;
  // Stores the text and puts it into an open editor.
  void SetText(const std::wstring& text) override;
  void SetRect(const RECT& rect) override;  // an open editor moves along
  // Hiding the edit, or a container of it, ends its editor.
  void SetVisible(bool visible) override;
  void SetInheritedVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void HandleEvent(UiEvent& event) override;
  void ApplyAttribute(const std::wstring& name, const std::wstring& value) override;
  SIZE MeasureSize(SIZE available) override;
  void PaintStateImage(HDC dc) override;
  void PaintText(HDC dc) override;
  // Editable text whose value is the text, named by the label in front of it.
  AccessibleTraits DescribeForAccessibility() override;

  // The native editor, while the edit has the focus.
  CEditWnd* GetEditor() const { return editor_; }
  // Where the editor lies: the text area, narrowed to one line of the font
  // and centred vertically; in screen coordinates when `screen` is set.
  RECT EditorRect(bool screen) const;

  int GetMaxChar() const { return maxChar_; }
  void SetMaxChar(int count);  // negative counts are ignored
  bool IsReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  void SetNumberOnly(bool on);
  bool IsPasswordMode() const { return password_; }
  void SetPasswordMode(bool on);
  wchar_t GetPasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t c);
  DWORD GetExtraStyle() const { return extraStyle_; }
  const std::wstring& GetTipValue() const { return tip_; }
  void SetTipValue(const std::wstring& tip) { tip_ = tip; }
  void SetTipColor(DWORD colour) { tipColour_ = colour; }
  DWORD GetNativeBkColor() const { return nativeBkColour_; }  // 0xFFFFFFFF: unset
  void SetNativeBkColor(DWORD colour) { nativeBkColour_ = colour; }
  DWORD GetNativeTextColor() const { return nativeTextColour_; }
  void SetNativeTextColor(DWORD colour) { nativeTextColour_ = colour; }
  void SetImage(EditImage which, const std::wstring& image);
  UINT GetButtonState() const { return state_; }

 private:
  friend class CEditWnd;

  void OpenEditor();
  void SelectAllInEditor();
  // Ends the editor when the edit is no longer visible.
  void CloseEditorIfHidden();

  CEditWnd* editor_ = nullptr;  // owns itself; clears this when it ends
  int maxChar_ = 255;
  bool readOnly_ = false;
  bool password_ = false;
  wchar_t passwordChar_ = L'*';
  UINT state_ = 0;
  std::wstring images_[static_cast<int>(EditImage::Count)];
  std::wstring tip_;
  DWORD tipColour_ = 0xFFBAC0C5;
  DWORD nativeBkColour_ = 0xFFFFFFFF;
  DWORD nativeTextColour_ = 0;
  DWORD extraStyle_ = 0;
};

}  // namespace Veneer
