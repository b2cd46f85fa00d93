// What a screen reader does with a window, through oleacc as it does it:
// take the window's client object, walk the tree of accessible objects and
// follow the WinEvents. Lines of text make the results easy to compare with
// a table: "button 'OK' focusable" (role, name, states).
#pragma once

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace Veneer::test {

using Microsoft::WRL::ComPtr;

// COM for the test's thread, as every assistive client has it.
class ComThread {
 public:
  ComThread() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComThread() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComThread(const ComThread&) = delete;
  ComThread& operator=(const ComThread&) = delete;

 private:
  HRESULT result_;
};

VARIANT ChildId(LONG id);
inline VARIANT Self() {
  return ChildId(CHILDID_SELF);
}

// AccessibleObjectFromWindow(OBJID_CLIENT); nullptr on failure.
ComPtr<IAccessible> ClientObject(HWND window);
// The object of a child VARIANT (VT_DISPATCH), or nullptr.
ComPtr<IAccessible> ObjectOf(const VARIANT& child);

std::wstring RoleText(LONG role);    // "button", "check box", "text", ...
std::wstring StateText(LONG state);  // "unavailable focusable", in a fixed order
std::wstring NameOf(IAccessible* object, LONG child = CHILDID_SELF);
std::wstring ValueOf(IAccessible* object, LONG child = CHILDID_SELF);
LONG RoleOf(IAccessible* object, LONG child = CHILDID_SELF);
LONG StateOf(IAccessible* object, LONG child = CHILDID_SELF);
// "role 'name' states", with "= value" when the object has a value.
std::wstring Describe(IAccessible* object, LONG child = CHILDID_SELF);

// The object and its exposed descendants, one Describe line each, indented
// by two blanks a level, through AccessibleChildren.
std::vector<std::wstring> WalkTree(IAccessible* object);
// The first object of the tree whose name is `name`, or nullptr.
ComPtr<IAccessible> FindByName(IAccessible* object, const std::wstring& name);

// A process-wide out-of-context WinEvent hook, as screen readers install.
class WinEventLog {
 public:
  WinEventLog();
  ~WinEventLog();
  WinEventLog(const WinEventLog&) = delete;
  WinEventLog& operator=(const WinEventLog&) = delete;

  struct Event {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
    // "focus 'OK'": the object as AccessibleObjectFromEvent found it when
    // the event came, as a screen reader finds it.
    std::wstring line;
  };
  // Events about controls (a child id other than CHILDID_SELF) and dialogs
  // opening, in the order they came.
  std::vector<Event> events;
  std::vector<std::wstring> Lines() const;
  void Clear() { events.clear(); }

 private:
  static void CALLBACK Record(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                              DWORD thread, DWORD time);
  HWINEVENTHOOK hook_;
};

}  // namespace Veneer::test
