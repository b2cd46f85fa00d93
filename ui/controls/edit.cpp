#include "ui/controls/edit.h"

#include <cwchar>

#include "ui/controls/attribute_table.h"
#include "ui/controls/button.h"
#include "ui/controls/edit_wnd.h"
#include "ui/core/paint_manager.h"
#include "ui/core/value_syntax.h"

namespace Veneer {
namespace {

using Row = AttributeRow<CEditUI>;

template <EditImage which>
void ApplyImage(CEditUI& c, const std::wstring& v) {
  c.SetImage(which, v);
}

const Row kRows[] = {
    {L"readonly", [](CEditUI& c, const std::wstring& v) { c.SetReadOnly(ParseBool(v)); }},
    {L"numberonly", [](CEditUI& c, const std::wstring& v) { c.SetNumberOnly(ParseBool(v)); }},
    {L"password", [](CEditUI& c, const std::wstring& v) { c.SetPasswordMode(ParseBool(v)); }},
    {L"passwordchar",
     [](CEditUI& c, const std::wstring& v) {
       if (!v.empty()) c.SetPasswordChar(v[0]);
     }},
    {L"maxchar", [](CEditUI& c, const std::wstring& v) { c.SetMaxChar(ParseInt(v)); }},
    {L"normalimage", ApplyImage<EditImage::Normal>},
    {L"hotimage", ApplyImage<EditImage::Hot>},
    {L"focusedimage", ApplyImage<EditImage::Focused>},
    {L"disabledimage", ApplyImage<EditImage::Disabled>},
    {L"tipvalue", [](CEditUI& c, const std::wstring& v) { c.SetTipValue(v); }},
    {L"tipvaluecolor", [](CEditUI& c, const std::wstring& v) { c.SetTipColor(ParseColour(v)); }},
    {L"nativetextcolor",
     [](CEditUI& c, const std::wstring& v) { c.SetNativeTextColor(ParseColour(v)); }},
    {L"nativebkcolor",
     [](CEditUI& c, const std::wstring& v) { c.SetNativeBkColor(ParseColour(v)); }},
};

}  // namespace

CEditUI::CEditUI() {
  SetTextPadding({4, 3, 4, 3});
  SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI() {
  if (editor_) editor_->Abandon();
}

const wchar_t* CEditUI::UiClassName() const {
  return L"EditUI";
}

void* CEditUI::AsInterface(const wchar_t* name) {
  return std::wcscmp(name, L"Edit") == 0 ? this : CLabelUI::AsInterface(name);
}

UINT CEditUI::GetFlags() const {
  return IsEnabled() ? TabStop | SetsCursor : 0;
}

void CEditUI::SetText(const std::wstring& text) {
  const bool changed = text != GetText();
  StoreText(text);
  if (editor_) SetWindowTextW(editor_->GetHWND(), text.c_str());
  Invalidate();
  if (changed) NotifyAccessibility(EVENT_OBJECT_VALUECHANGE);
}

void CEditUI::SetRect(const RECT& rect) {
  CLabelUI::SetRect(rect);
  if (!editor_) return;
  const RECT r = EditorRect(GetManager() && GetManager()->IsTransparentBackground());
  SetWindowPos(editor_->GetHWND(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void CEditUI::SetVisible(bool visible) {
  CLabelUI::SetVisible(visible);
  CloseEditorIfHidden();
}

void CEditUI::SetInheritedVisible(bool visible) {
  CLabelUI::SetInheritedVisible(visible);
  CloseEditorIfHidden();
}

// Moving the focus away from the edit takes the keyboard focus from the
// editor, which then closes.
void CEditUI::CloseEditorIfHidden() {
  if (!IsVisible() && editor_ && GetManager()) GetManager()->SetFocusedControl(nullptr);
}

void CEditUI::SetEnabled(bool enabled) {
  if (IsEnabled() == enabled) return;
  CLabelUI::SetEnabled(enabled);
  if (!enabled) state_ = 0;
}

// A click focuses the edit (the manager does that first), opens the editor
// and selects the whole text. The focused flag follows the focus, so the
// focused image shows while the edit has it.
void CEditUI::HandleEvent(UiEvent& event) {
  const UiEventType type = event.type;
  if (!IsMouseEnabled() && IsMouseEvent(type)) {
    if (GetParent()) return GetParent()->HandleEvent(event);
    return CLabelUI::HandleEvent(event);
  }
  const bool enabled = IsEnabled();
  switch (type) {
    case UiEventType::SetCursor:
      if (!enabled) break;
      ::SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
      return;
    case UiEventType::WindowSize:
      if (editor_ && GetManager()) GetManager()->RefocusAfterLayout(this);
      break;
    case UiEventType::ScrollWheel:
      if (editor_) return;
      break;
    case UiEventType::SetFocus:
      SetFocusedFlag(true);
      if (!enabled || editor_) return;
      OpenEditor();
      Invalidate();
      return;
    case UiEventType::KillFocus:
      SetFocusedFlag(false);
      if (enabled) Invalidate();
      return;
    case UiEventType::MouseMove:
    case UiEventType::ButtonUp:
    case UiEventType::ContextMenu: return;
    case UiEventType::MouseLeave:
    case UiEventType::MouseEnter:
      if (!enabled) return;
      state_ = type == UiEventType::MouseEnter ? state_ | StateHot : state_ & ~StateHot;
      Invalidate();
      return;
    case UiEventType::ButtonDown:
    case UiEventType::RButtonDown:
    case UiEventType::DblClick:
      if (!enabled) return;
      if (GetManager()) GetManager()->ReleaseMouseCapture();
      if (IsFocused() && !editor_) {
        OpenEditor();
        if (PtInRect(&GetRect(), event.mouse)) SelectAllInEditor();
      } else if (editor_) {
        SelectAllInEditor();
      }
      return;
    default: break;
  }
  CLabelUI::HandleEvent(event);
}

void CEditUI::OpenEditor() {
  CEditWnd::Open(*this);
}

void CEditUI::SelectAllInEditor() {
  if (!editor_) return;
  const int length = GetWindowTextLengthW(editor_->GetHWND());
  SendMessageW(editor_->GetHWND(), EM_SETSEL, 0, length > 0 ? length : 1);
}

void CEditUI::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
  if (!ApplyFromTable(kRows, *this, name, value)) CLabelUI::ApplyAttribute(name, value);
}

SIZE CEditUI::MeasureSize(SIZE) {
  return {GetFixedWidth(), GetFixedHeight() != 0 ? GetFixedHeight() : FontHeight() + 6};
}

RECT CEditUI::EditorRect(bool screen) const {
  RECT r = TextRect();
  const int line = FontHeight();
  if (line < r.bottom - r.top) {
    r.top += (r.bottom - r.top - line) / 2;
    r.bottom = r.top + line;
  }
  if (screen && GetManager())
    MapWindowPoints(GetManager()->GetWindow(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void CEditUI::SetMaxChar(int count) {
  if (count < 0) return;
  maxChar_ = count;
  if (editor_) SendMessageW(editor_->GetHWND(), EM_LIMITTEXT, maxChar_, 0);
}

void CEditUI::SetReadOnly(bool on) {
  if (readOnly_ == on) return;
  readOnly_ = on;
  if (editor_) SendMessageW(editor_->GetHWND(), EM_SETREADONLY, on, 0);
  Invalidate();
}

void CEditUI::SetNumberOnly(bool on) {
  extraStyle_ = on ? extraStyle_ | ES_NUMBER : extraStyle_ & ~ES_NUMBER;
}

void CEditUI::SetPasswordMode(bool on) {
  if (password_ == on) return;
  password_ = on;
  Invalidate();
}

void CEditUI::SetPasswordChar(wchar_t c) {
  if (passwordChar_ == c) return;
  passwordChar_ = c;
  if (editor_) SendMessageW(editor_->GetHWND(), EM_SETPASSWORDCHAR, c, 0);
  Invalidate();
}

void CEditUI::SetImage(EditImage which, const std::wstring& image) {
  images_[static_cast<int>(which)] = image;
  Invalidate();
}

// The image of the first state that applies (disabled, focused, hot) when
// it draws, else the normal image.
void CEditUI::PaintStateImage(HDC dc) {
  const auto image = [this](EditImage which) -> std::wstring& {
    return images_[static_cast<int>(which)];
  };
  state_ = IsFocused() ? state_ | StateFocused : state_ & ~StateFocused;
  state_ = IsEnabled() ? state_ & ~StateDisabled : state_ | StateDisabled;
  std::wstring* chosen = nullptr;
  if (state_ & StateDisabled) {
    chosen = &image(EditImage::Disabled);
  } else if (state_ & StateFocused) {
    chosen = &image(EditImage::Focused);
  } else if (state_ & StateHot) {
    chosen = &image(EditImage::Hot);
  }
  if (chosen && !chosen->empty() && DrawImage(dc, *chosen)) return;
  std::wstring& normal = image(EditImage::Normal);
  if (!normal.empty()) DrawImage(dc, normal);
}

// The tip shows while the text is empty (or is the tip); a password shows
// one password character per character.
void CEditUI::PaintText(HDC dc) {
  ApplyDefaultColours();
  const std::wstring& text = GetText();
  DWORD colour = GetTextColor();
  std::wstring shown;
  if (text.empty() || text == tip_) {
    shown = tip_;
    colour = tipColour_;
  } else {
    shown = password_ ? std::wstring(text.size(), passwordChar_) : text;
  }
  if (shown.empty()) return;
  DrawLabelText(dc, shown, IsEnabled() ? colour : GetDisabledTextColor(),
                GetTextStyle() | DT_SINGLELINE);
}

}  // namespace Veneer
