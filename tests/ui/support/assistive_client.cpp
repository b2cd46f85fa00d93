#include "tests/ui/support/assistive_client.h"

#include <utility>

namespace Veneer::test {
namespace {

WinEventLog* recording = nullptr;

std::wstring TakeText(BSTR text) {
  std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return result;
}

const wchar_t* EventName(DWORD event) {
  switch (event) {
    case EVENT_OBJECT_FOCUS: return L"focus";
    case EVENT_OBJECT_STATECHANGE: return L"state";
    case EVENT_OBJECT_VALUECHANGE: return L"value";
    case EVENT_OBJECT_NAMECHANGE: return L"name";
    case EVENT_OBJECT_REORDER: return L"reorder";
    case EVENT_SYSTEM_DIALOGSTART: return L"dialog";
    default: return L"other";
  }
}

void Walk(IAccessible* object, int depth, std::vector<std::wstring>& lines) {
  lines.push_back(std::wstring(depth * 2, L' ') + Describe(object));
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(count);
  LONG obtained = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &obtained))) return;
  for (LONG i = 0; i < obtained; ++i) {
    if (ComPtr<IAccessible> child = ObjectOf(children[i])) {
      Walk(child.Get(), depth + 1, lines);
    } else if (children[i].vt == VT_I4) {
      lines.push_back(std::wstring((depth + 1) * 2, L' ') + Describe(object, children[i].lVal));
    }
    VariantClear(&children[i]);
  }
}

}  // namespace

VARIANT ChildId(LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

ComPtr<IAccessible> ClientObject(HWND window) {
  ComPtr<IAccessible> object;
  AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                             reinterpret_cast<void**>(object.GetAddressOf()));
  return object;
}

ComPtr<IAccessible> ObjectOf(const VARIANT& child) {
  ComPtr<IAccessible> object;
  if (child.vt == VT_DISPATCH && child.pdispVal) {
    child.pdispVal->QueryInterface(__uuidof(IAccessible),
                                   reinterpret_cast<void**>(object.GetAddressOf()));
  }
  return object;
}

std::wstring RoleText(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_CLIENT: return L"client";
    case ROLE_SYSTEM_DIALOG: return L"dialog";
    case ROLE_SYSTEM_GROUPING: return L"grouping";
    case ROLE_SYSTEM_PAGETABLIST: return L"tab list";
    case ROLE_SYSTEM_PROPERTYPAGE: return L"page";
    case ROLE_SYSTEM_STATICTEXT: return L"text";
    case ROLE_SYSTEM_GRAPHIC: return L"graphic";
    case ROLE_SYSTEM_PUSHBUTTON: return L"button";
    case ROLE_SYSTEM_CHECKBUTTON: return L"check box";
    case ROLE_SYSTEM_RADIOBUTTON: return L"radio button";
    case ROLE_SYSTEM_TEXT: return L"edit";
    case ROLE_SYSTEM_PROGRESSBAR: return L"progress bar";
    case ROLE_SYSTEM_ANIMATION: return L"animation";
    case ROLE_SYSTEM_WHITESPACE: return L"gap";
    default: return L"role " + std::to_wstring(role);
  }
}

std::wstring StateText(LONG state) {
  static const std::pair<LONG, const wchar_t*> kNames[] = {
      {STATE_SYSTEM_UNAVAILABLE, L"unavailable"},
      {STATE_SYSTEM_FOCUSED, L"focused"},
      {STATE_SYSTEM_FOCUSABLE, L"focusable"},
      {STATE_SYSTEM_CHECKED, L"checked"},
      {STATE_SYSTEM_READONLY, L"readonly"},
      {STATE_SYSTEM_PROTECTED, L"protected"},
      {STATE_SYSTEM_BUSY, L"busy"},
      {STATE_SYSTEM_INVISIBLE, L"invisible"}};
  std::wstring text;
  for (const auto& [bit, name] : kNames) {
    if (!(state & bit)) continue;
    if (!text.empty()) text += L' ';
    text += name;
    state &= ~bit;
  }
  if (state) text += (text.empty() ? L"" : L" ") + std::to_wstring(state);
  return text;
}

std::wstring NameOf(IAccessible* object, LONG child) {
  BSTR name = nullptr;
  object->get_accName(ChildId(child), &name);
  return TakeText(name);
}

std::wstring ValueOf(IAccessible* object, LONG child) {
  BSTR value = nullptr;
  object->get_accValue(ChildId(child), &value);
  return TakeText(value);
}

LONG RoleOf(IAccessible* object, LONG child) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(ChildId(child), &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

LONG StateOf(IAccessible* object, LONG child) {
  VARIANT state;
  VariantInit(&state);
  if (FAILED(object->get_accState(ChildId(child), &state)) || state.vt != VT_I4) return -1;
  return state.lVal;
}

std::wstring Describe(IAccessible* object, LONG child) {
  std::wstring line = RoleText(RoleOf(object, child)) + L" '" + NameOf(object, child) + L"'";
  const std::wstring state = StateText(StateOf(object, child));
  if (!state.empty()) line += L" " + state;
  BSTR value = nullptr;
  if (object->get_accValue(ChildId(child), &value) == S_OK) line += L" = " + TakeText(value);
  return line;
}

std::vector<std::wstring> WalkTree(IAccessible* object) {
  std::vector<std::wstring> lines;
  Walk(object, 0, lines);
  return lines;
}

ComPtr<IAccessible> FindByName(IAccessible* object, const std::wstring& name) {
  if (NameOf(object) == name) return object;
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0) return nullptr;
  std::vector<VARIANT> children(count);
  LONG obtained = 0;
  ComPtr<IAccessible> found;
  if (SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &obtained))) {
    for (LONG i = 0; i < obtained; ++i) {
      if (ComPtr<IAccessible> child = ObjectOf(children[i]); child && !found) {
        found = FindByName(child.Get(), name);
      }
      VariantClear(&children[i]);
    }
  }
  return found;
}

WinEventLog::WinEventLog()
    : hook_(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Record, 0, 0, WINEVENT_OUTOFCONTEXT)) {
  recording = this;
}

WinEventLog::~WinEventLog() {
  if (hook_) UnhookWinEvent(hook_);
  recording = nullptr;
}

// Finding the object is a call into the window's process, during which
// COM lets the next event in: the event takes its place in the log first.
void CALLBACK WinEventLog::Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                  DWORD, DWORD) {
  if (!recording) return;
  if (child == CHILDID_SELF && event != EVENT_SYSTEM_DIALOGSTART) return;
  WinEventLog* log = recording;
  const size_t index = log->events.size();
  log->events.push_back({event, window, object, child, {}});
  IAccessible* found = nullptr;
  VARIANT foundChild;
  VariantInit(&foundChild);
  std::wstring name = L"?";
  if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &found, &foundChild)) && found) {
    name = NameOf(found, foundChild.vt == VT_I4 ? foundChild.lVal : CHILDID_SELF);
    found->Release();
  }
  VariantClear(&foundChild);
  if (recording == log && index < log->events.size()) {
    log->events[index].line = std::wstring(EventName(event)) + L" '" + name + L"'";
  }
}

std::vector<std::wstring> WinEventLog::Lines() const {
  std::vector<std::wstring> lines;
  for (const Event& event : events) lines.push_back(event.line);
  return lines;
}

}  // namespace Veneer::test
