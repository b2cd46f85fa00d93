// The base of every windowless control: owned by its container (the root by
// its paint manager), placed by its container's layout, painted into the
// manager's window and fed with UiEvents by the manager.
//
// The virtual operations below are in their fixed slot order; derived
// classes override some and append their own after PaintOverlay.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/core/accessible_traits.h"
#include "ui/core/control_interface.h"
#include "ui/core/ui_event.h"
#include "ui/core/ui_notification.h"

namespace Veneer {

class PaintManager;

// Placement of a floating control relative to its container's size: the
// percentages of the container's growth since `baseSize` by which the
// control moves and grows.
struct RelativeRule {
  bool enabled = false;
  SIZE baseSize = {0, 0};
  int moveX = 0;
  int moveY = 0;
  int zoomX = 0;
  int zoomY = 0;
};

// The five listener lists own their listeners.
using ControlListeners = std::vector<std::function<bool(CControlUI&)>>;
using EventListeners = std::vector<std::function<bool(UiEvent&)>>;
using NotifyListeners = std::vector<std::function<bool(UiNotification&)>>;

class CControlUI {
 public:
  CControlUI();
  CControlUI(const CControlUI&) = delete;
  CControlUI& operator=(const CControlUI&) = delete;

  // Runs the destroy listeners and makes the manager forget the control.
  virtual ~CControlUI();

  virtual const std::wstring& GetName() const;
  virtual void SetName(const std::wstring& name);  // the manager's name table is not updated
  virtual const wchar_t* UiClassName() const;
  // The object seen as the named interface ("Control", "IContainer", ...),
  // or nullptr; see InterfaceOf.
  virtual void* AsInterface(const wchar_t* name);
  virtual UINT GetFlags() const;  // TabStop, SetsCursor
  virtual bool Activate();        // true when a click may act on the control
  virtual PaintManager* GetManager() const;
  // Binds the control into a tree; `initialise` with a parent runs InitControl.
  virtual void Attach(PaintManager* manager, CControlUI* parent, bool initialise);
  virtual CControlUI* GetParent() const;
  virtual const std::wstring& GetText() const;
  virtual void SetText(const std::wstring& text);

  virtual const RECT& GetRect() const;
  virtual void SetRect(const RECT& rect);  // places the control (and its children)
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  virtual int GetX() const;
  virtual int GetY() const;
  virtual RECT GetPadding() const;
  virtual void SetPadding(const RECT& padding);
  virtual SIZE GetFloatOffset() const;
  virtual void SetFloatOffset(SIZE offset);
  virtual int GetFixedWidth() const;  // 0: the layout stretches the control
  virtual void SetFixedWidth(int width);
  virtual int GetFixedHeight() const;
  virtual void SetFixedHeight(int height);
  virtual int GetMinWidth() const;
  virtual void SetMinWidth(int width);
  virtual int GetMaxWidth() const;
  virtual void SetMaxWidth(int width);
  virtual int GetMinHeight() const;
  virtual void SetMinHeight(int height);
  virtual int GetMaxHeight() const;
  virtual void SetMaxHeight(int height);
  virtual void SetRelativeRule(int moveX, int moveY, int zoomX, int zoomY);
  virtual void SetRelativeBaseSize(SIZE size);
  virtual const RelativeRule& GetRelativeRule() const;
  virtual bool IsRelativeRuleEnabled() const;

  virtual const std::wstring& GetTooltip() const;
  virtual void SetTooltip(const std::wstring& text);  // "<n>" becomes a line break
  virtual void SetTooltipWidth(int width);
  virtual int GetTooltipWidth() const;
  virtual wchar_t GetShortcut() const;
  virtual void SetShortcut(wchar_t key);
  virtual bool IsMenuEnabled() const;
  virtual void SetMenuEnabled(bool enabled);
  virtual const std::wstring& GetUserData() const;
  virtual void SetUserData(const std::wstring& data);
  virtual UINT_PTR GetTag() const;
  virtual void SetTag(UINT_PTR tag);

  virtual bool IsVisible() const;  // own and inherited visibility together
  virtual void SetVisible(bool visible);
  virtual void SetInheritedVisible(bool visible);
  virtual bool IsEnabled() const;
  virtual void SetEnabled(bool enabled);
  virtual bool IsMouseEnabled() const;
  virtual void SetMouseEnabled(bool enabled);
  virtual bool IsKeyboardEnabled() const;
  virtual void SetKeyboardEnabled(bool enabled);
  virtual bool IsFocused() const;
  virtual void SetFocus();  // asks the manager to focus the control
  virtual bool IsFloating() const;
  virtual void SetFloating(bool floating);

  virtual CControlUI* SearchTree(ControlVisitor visitor, void* data, UINT flags);

  virtual void InitControl();  // once, when the control joins an initialised tree
  virtual void OnInit();
  virtual void DispatchEvent(UiEvent& event);  // event listeners, then HandleEvent
  virtual void HandleEvent(UiEvent& event);
  virtual void ApplyAttribute(const std::wstring& name, const std::wstring& value);
  virtual SIZE MeasureSize(SIZE available);

  virtual void Paint(HDC dc, const RECT& dirty);
  virtual void PaintBackgroundColor(HDC dc);
  virtual void PaintBackgroundImage(HDC dc);
  virtual void PaintStateImage(HDC dc);
  virtual void PaintText(HDC dc);
  virtual void PaintBorder(HDC dc);
  virtual void PaintOverlay(HDC dc, const RECT& dirty);

  // What screen readers are told about the control: its role, the states
  // of its kind, its value and its default action. The base describes
  // pictures, texts, containers and the pages of tab layouts.
  virtual AccessibleTraits DescribeForAccessibility();

  // Repaints the control's rectangle, clipped by every ancestor.
  void Invalidate();
  // Marks the control to be placed again at the next layout pass.
  void RequestLayout();
  void RequestParentLayout();
  bool IsLayoutNeeded() const { return layoutNeeded_; }
  // The control's own "visible", whatever its containers' visibility.
  bool IsOwnVisible() const { return visible_; }
  // Applies name="value" pairs separated by single blanks, up to the first
  // malformed pair.
  void ApplyAttributeText(const std::wstring& text);
  // Tells screen readers that the control changed (EVENT_OBJECT_*).
  void NotifyAccessibility(DWORD event);

  ControlListeners& InitListeners() { return initListeners_; }
  ControlListeners& DestroyListeners() { return destroyListeners_; }
  ControlListeners& SizeListeners() { return sizeListeners_; }
  EventListeners& EventListenersOf() { return eventListeners_; }
  NotifyListeners& NotifyListenersOf() { return notifyListeners_; }

  // The nearest virtual window name of the control and its ancestors.
  const std::wstring& GetVirtualWindow() const;
  void SetVirtualWindow(const std::wstring& name);

  // Appearance, as the skin's attributes set it.
  DWORD GetBkColor() const { return bkColor_[0]; }
  void SetBkColor(DWORD colour, int index = 0);  // index 0, 1 or 2
  const std::wstring& GetBkImage() const { return bkImage_; }
  void SetBkImage(const std::wstring& image);
  const std::wstring& GetForeImage() const { return foreImage_; }
  void SetForeImage(const std::wstring& image);
  DWORD GetBorderColor() const { return borderColour_; }
  void SetBorderColor(DWORD colour);
  void SetFocusBorderColor(DWORD colour);
  int GetBorderSize() const { return borderSize_; }
  void SetBorderSize(int size);
  const RECT& GetSideBorderSizes() const { return sideBorders_; }
  void SetSideBorderSizes(const RECT& sizes);
  void SetBorderStyle(int style);
  SIZE GetBorderRound() const { return borderRound_; }
  void SetBorderRound(SIZE round);
  bool IsColorHsl() const { return colourHsl_; }
  void SetColorHsl(bool hsl);

 protected:
  // Draws an image description into the control's rectangle, clipped to the
  // paint rectangle; a description that can't be drawn at all (no device
  // context or manager) is cleared.
  bool DrawImage(HDC dc, std::wstring& description, const std::wstring& modify = {});
  // The part of the rectangle being painted, set by Paint.
  const RECT& PaintRect() const { return paintRect_; }
  // The focused flag alone, without a repaint (controls that repaint
  // themselves on focus changes, or never).
  void SetFocusedFlag(bool focused) { focused_ = focused; }
  // The text alone, without a repaint (a control whose text a native
  // window shows while it changes).
  void StoreText(const std::wstring& text) { text_ = text; }
  // The tail shared by the size setters.
  void OnSizeChanged();
  void Notify(const wchar_t* type, WPARAM wParam = 0, LPARAM lParam = 0);

 private:
  void PaintLayers(HDC dc);
  void InvalidateClipped(RECT area);
  void PaintSideBorders(HDC dc);

  ControlListeners initListeners_;
  ControlListeners destroyListeners_;
  ControlListeners sizeListeners_;
  EventListeners eventListeners_;
  NotifyListeners notifyListeners_;
  PaintManager* manager_ = nullptr;
  CControlUI* parent_ = nullptr;
  std::wstring virtualWindow_;
  std::wstring name_;
  bool layoutNeeded_ = true;
  bool menu_ = false;
  RECT rect_ = {0, 0, 0, 0};
  RECT padding_ = {0, 0, 0, 0};
  SIZE floatOffset_ = {0, 0};
  SIZE fixedSize_ = {0, 0};
  int minWidth_ = 0;
  int minHeight_ = 0;
  int maxWidth_ = 9999;
  int maxHeight_ = 9999;
  bool visible_ = true;
  bool inheritedVisible_ = true;
  bool enabled_ = true;
  bool mouseEnabled_ = true;
  bool keyboardEnabled_ = true;
  bool focused_ = false;
  bool floating_ = false;
  bool placing_ = false;
  RelativeRule relativeRule_;
  std::wstring text_;
  std::wstring tooltip_;
  wchar_t shortcut_ = 0;
  std::wstring userData_;
  UINT_PTR tag_ = 0;
  DWORD bkColor_[3] = {0, 0, 0};
  std::wstring bkImage_;
  std::wstring foreImage_;
  DWORD borderColour_ = 0;
  DWORD focusBorderColour_ = 0;
  bool colourHsl_ = false;
  int borderSize_ = 0;
  int borderStyle_ = PS_SOLID;
  int tooltipWidth_ = 300;
  SIZE borderRound_ = {0, 0};
  RECT paintRect_ = {0, 0, 0, 0};
  RECT sideBorders_ = {0, 0, 0, 0};
};

// `control` seen as T through AsInterface(name), or nullptr.
template <typename T>
T* InterfaceOf(CControlUI* control, const wchar_t* name) {
  return control ? static_cast<T*>(control->AsInterface(name)) : nullptr;
}

}  // namespace Veneer
