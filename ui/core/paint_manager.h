// The bridge between one native window and its tree of windowless controls.
// It turns window messages into UiEvents for the right control (hit-testing,
// mouse capture, hover, keyboard focus, Tab order, control timers), delivers
// the controls' notifications to the window's listeners, runs the lazy
// layout pass, paints the tree through a double buffer, and holds the
// window's shared resources: control names, fonts, images, default attribute
// lists and option groups. It also runs the process-wide message loop.
//
// Only the UI thread creates, uses and destroys a manager.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/controls/shadow_window.h"
#include "ui/core/back_buffer.h"
#include "ui/core/font_table.h"
#include "ui/core/gdiplus_session.h"
#include "ui/core/name_map.h"
#include "ui/core/timer_table.h"
#include "ui/core/tooltip.h"
#include "ui/core/ui_event.h"
#include "ui/core/ui_notification.h"
#include "ui/render/gdi_handles.h"
#include "ui/render/image_entry.h"

namespace Veneer {

class AccessibleTree;
class CControlUI;

// Posted to the window to delete the controls queued for deletion.
constexpr UINT kCleanupMessage = WM_APP + 1;
// Messages of native child windows come back to them reflected: this base
// plus the message (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC).
constexpr UINT kReflectedMessageBase = 0x2000;

struct DefaultColours {
  DWORD disabledText = 0xFFA7A6AA;
  DWORD text = 0xFF000001;
  DWORD link = 0xFF0000FF;
  DWORD linkHover = 0xFFD3215F;
  DWORD selectedBk = 0xFFBAE4FF;
};

class PaintManager {
 public:
  PaintManager();
  // Deletes the tree and every resource of the manager.
  ~PaintManager();
  PaintManager(const PaintManager&) = delete;
  PaintManager& operator=(const PaintManager&) = delete;

  // GetMessageW until WM_QUIT; each message passes FilterQueuedMessage first.
  static void RunMessageLoop();
  // Accelerator translators and pre-translation (Tab, Alt shortcuts) of the
  // manager the message belongs to; true when the message is consumed.
  static bool FilterQueuedMessage(MSG* message);

  // --- Window and tree ---
  void AttachWindow(HWND window);
  HWND GetWindow() const { return window_; }
  HDC GetWindowDC() const { return windowDc_.get(); }
  // Takes ownership of `root` and initialises the tree; the previous root is
  // queued for deletion, and the drop shadow, if the layout asked for one,
  // attaches itself to the window. False without a root.
  bool SetRoot(CControlUI* root);
  CControlUI* GetRoot() const { return root_.get(); }
  // Enters every named control of the subtree in the name table; a later
  // control replaces an earlier one of the same name.
  void RegisterNames(CControlUI* subtree);
  CControlUI* FindControlByName(const std::wstring& name);
  CControlUI* FindControlAt(POINT point) const;
  // Gives up the mouse capture a button press took (a control that hands
  // the press to a native child window never holds it).
  void ReleaseMouseCapture();

  // True when the message is handled and `result` is to be returned.
  bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool PreProcessMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // --- Focus ---
  void SetFocusedControl(CControlUI* control);  // nullptr clears the focus
  CControlUI* GetFocusedControl() const { return focus_; }
  void MoveFocus(bool forward);  // to the next (or previous) Tab stop, wrapping
  // Ends the focus and lets the next paint move it forward onto `control`.
  void RefocusAfterLayout(CControlUI* control);

  // --- Control timers ---
  bool StartTimer(CControlUI* control, UINT id, UINT milliseconds);
  bool StopTimer(CControlUI* control, UINT id);

  // --- Notifications and listeners ---
  // The sender's own listeners, then every window listener, synchronously.
  void SendNotification(CControlUI* sender, const wchar_t* type, WPARAM wParam = 0,
                        LPARAM lParam = 0);
  void AddListener(INotifyUI* listener);
  void RemoveListener(INotifyUI* listener);
  // Message hooks see each message first in ProcessMessage; early hooks see
  // queued messages before they are dispatched (PreProcessMessage).
  void AddMessageHook(IMessageFilterUI* filter);
  void RemoveMessageHook(IMessageFilterUI* filter);
  void AddEarlyMessageHook(IMessageFilterUI* filter);
  void RemoveEarlyMessageHook(IMessageFilterUI* filter);
  void AddAcceleratorTranslator(ITranslateAccelerator* translator);
  void RemoveAcceleratorTranslator(ITranslateAccelerator* translator);
  // Controls whose PaintOverlay runs after the whole tree is painted.
  void AddOverlayControl(CControlUI* control);
  void RemoveOverlayControl(CControlUI* control);

  // Takes ownership of a control that is out of the tree and deletes it when
  // the window handles kCleanupMessage.
  void QueueForDeletion(CControlUI* control);
  // Called by a control's destructor: no reference of the manager points to
  // it afterwards.
  void ForgetControl(CControlUI* control);
  void SetLayoutDue() { layoutDue_ = true; }
  void InvalidateArea(const RECT& area);

  // --- Accessibility: the tree is exposed to screen readers through
  // WM_GETOBJECT (ui/core/accessible_tree.h) ---
  // Tells screen readers that a control changed (EVENT_OBJECT_*).
  void NotifyAccessibility(CControlUI* control, DWORD event);
  // The window is a message dialog showing `text`: screen readers are told
  // that it opened and read the text as its name.
  void AnnounceDialog(const std::wstring& text);
  // WM_GETOBJECT of a native window that shows a control (the edit's
  // editor): the control's object, or 0 for the system to answer.
  LRESULT AnswerAccessibleObject(CControlUI* control, WPARAM wParam, LPARAM objectId);

  // --- Fonts: indices count from 0 in registration order; an index outside
  // the table means the default font ---
  HFONT RegisterFont(const FontDescription& description);
  bool SetStandardFont(const FontDescription& description);
  const FontRecord& FontRecordOf(int index);
  HFONT GetFont(int index) { return FontRecordOf(index).font.get(); }
  HFONT FindFont(const FontDescription& description);
  const FontRecord& FontRecordOf(HFONT font);
  const FontRecord& DefaultFont();

  // --- Images, default attribute lists, option groups ---
  // Loads the image and registers it under `name`; the entry registered
  // under that name, or nullptr when it can't be loaded.
  const ImageEntry* RegisterImage(const std::wstring& name, const std::wstring& resourceType,
                                  DWORD maskColour);
  const ImageEntry* FindImage(const std::wstring& name);
  void SetDefaultAttributes(const std::wstring& className, const std::wstring& attributes);
  const std::wstring* GetDefaultAttributes(const std::wstring& className);
  bool AddToOptionGroup(const std::wstring& group, CControlUI* option);
  void RemoveFromOptionGroup(const std::wstring& group, CControlUI* option);
  const std::vector<CControlUI*>* OptionGroupOf(const std::wstring& group);

  // --- Properties ---
  SIZE GetMinSize() const { return minSize_; }
  void SetMinSize(SIZE size) { minSize_ = size; }
  SIZE GetMaxSize() const { return maxSize_; }
  void SetMaxSize(SIZE size) { maxSize_ = size; }
  SIZE GetInitialSize() const { return initialSize_; }
  void SetInitialSize(SIZE size) { initialSize_ = size; }
  const RECT& GetSizeBox() const { return sizeBox_; }
  void SetSizeBox(const RECT& box) { sizeBox_ = box; }
  const RECT& GetCaption() const { return caption_; }
  void SetCaption(const RECT& caption) { caption_ = caption; }
  SIZE GetRoundCorner() const { return roundCorner_; }
  void SetRoundCorner(SIZE corner) { roundCorner_ = corner; }
  BYTE GetOpacity() const { return opacity_; }
  void SetOpacity(BYTE opacity) { opacity_ = opacity; }
  // A per-pixel-alpha window ("bktrans"): native child windows can't live
  // in it, so controls put theirs in popups.
  bool IsTransparentBackground() const { return transparentBackground_; }
  void SetTransparentBackground(bool on) { transparentBackground_ = on; }
  bool IsGdiplusText() const { return gdiplusText_; }
  void SetGdiplusText(bool on) { gdiplusText_ = on; }
  bool IsOffscreenPainting() const { return offscreenPainting_; }
  void SetOffscreenPainting(bool on);
  // The colours of the outermost resource manager.
  const DefaultColours& GetDefaultColours() const;
  void SetDefaultColours(const DefaultColours& colours) { colours_ = colours; }
  // Shares the fonts, images, default lists and colours of another manager.
  void SetResourceParent(PaintManager* parent) { resourceParent_ = parent; }
  PaintManager* GetResourceParent() const { return resourceParent_; }
  bool UsesVirtualWindows() const { return virtualWindows_; }
  void SetUsesVirtualWindows() { virtualWindows_ = true; }
  POINT GetLastMousePoint() const { return lastMouse_; }
  CShadowUI& GetShadow() { return shadow_; }
  // The double buffer as the last paint left it.
  const BackBuffer& GetBackBuffer() const { return buffer_; }

 private:
  bool ProcessMouseMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnMouseMove(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam);
  bool OnMouseHover(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam);
  void OnMouseLeave();
  void OnButtonPress(UINT message, CControlUI* control, POINT point, WPARAM wParam, LPARAM lParam);
  void OnButtonUp(POINT point, WPARAM wParam, LPARAM lParam);
  void OnContextMenu(POINT point);
  void OnMouseWheel(POINT point, CControlUI* control, WPARAM wParam, LPARAM lParam);
  bool OnSetCursor(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnKeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnTimer(WPARAM wParam);
  void OnPaint();
  void RunLayoutPass();
  void PaintTree(HDC dc, const RECT& area);
  bool ActivateShortcut(wchar_t key);
  CControlUI* NextTabStop(CControlUI* from, bool forward);
  void EndFocus(CControlUI* next);
  // Modifiers and mouse buttons as they are now, in the MK_ layout.
  static WORD CurrentKeyState();
  // Key events take their character from wParam.
  void Send(CControlUI* target, UiEventType type, POINT point, WORD keyState, WPARAM wParam = 0,
            LPARAM lParam = 0);
  PaintManager& ResourceRoot();
  const PaintManager& ResourceRoot() const;
  AccessibleTree& Accessibility();

  HWND window_ = nullptr;
  BYTE opacity_ = 255;
  ScopedWindowDc windowDc_;
  BackBuffer buffer_;
  Tooltip tooltip_;
  CShadowUI shadow_;
  GdiplusSession gdiplus_;
  std::unique_ptr<CControlUI> root_;
  CControlUI* focus_ = nullptr;
  CControlUI* hover_ = nullptr;
  CControlUI* click_ = nullptr;
  CControlUI* key_ = nullptr;
  POINT lastMouse_ = {-1, -1};
  SIZE minSize_ = {0, 0};
  SIZE maxSize_ = {0, 0};
  SIZE initialSize_ = {0, 0};
  RECT sizeBox_ = {0, 0, 0, 0};
  SIZE roundCorner_ = {0, 0};
  RECT caption_ = {0, 0, 0, 0};
  bool firstLayout_ = true;
  bool layoutDue_ = false;
  bool focusDue_ = false;
  bool offscreenPainting_ = true;
  bool transparentBackground_ = false;
  bool gdiplusText_ = false;
  bool mouseTracking_ = false;
  bool mouseCaptured_ = false;
  bool virtualWindows_ = false;
  std::vector<INotifyUI*> listeners_;
  int deliveries_ = 0;  // notifications being delivered to listeners_
  TimerTable timers_;
  std::vector<IMessageFilterUI*> earlyHooks_;
  std::vector<IMessageFilterUI*> hooks_;
  std::vector<CControlUI*> overlays_;
  std::vector<std::unique_ptr<CControlUI>> cleanup_;
  NameMap<CControlUI*> names_;
  NameMap<std::vector<CControlUI*>> optionGroups_;
  PaintManager* resourceParent_ = nullptr;
  DefaultColours colours_;
  FontTable fonts_;
  NameMap<std::unique_ptr<ImageEntry>> images_;
  NameMap<std::wstring> defaultAttributes_;
  std::vector<ITranslateAccelerator*> translators_;
  std::unique_ptr<AccessibleTree> accessible_;  // made when first needed
};

}  // namespace Veneer
