#include "ui/core/accessible_object.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls/control.h"
#include "ui/core/accessible_properties.h"
#include "ui/core/accessible_tree.h"
#include "ui/core/paint_manager.h"

namespace Veneer {
namespace {

// The COM convention for text results: S_FALSE and no string when there
// is nothing to say.
HRESULT ReturnText(const std::wstring& text, BSTR* result) {
  if (!result) return E_INVALIDARG;
  *result = nullptr;
  if (text.empty()) return S_FALSE;
  *result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *result ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnLong(LONG value, VARIANT* result) {
  if (!result) return E_INVALIDARG;
  VariantInit(result);
  result->vt = VT_I4;
  result->lVal = value;
  return S_OK;
}

void ReturnNothing(VARIANT* result) {
  VariantInit(result);
}

bool IsWithin(CControlUI* control, CControlUI* ancestor) {
  for (; control; control = control->GetParent()) {
    if (control == ancestor) return true;
  }
  return false;
}

}  // namespace

AccessibleObject::AccessibleObject(AccessibleTree& tree, CControlUI* control)
    : tree_(&tree), control_(control), client_(control == nullptr) {}

void AccessibleObject::Disconnect() {
  tree_ = nullptr;
  control_ = nullptr;
}

CControlUI* AccessibleObject::Self() const {
  if (!tree_) return nullptr;
  return client_ ? tree_->Manager().GetRoot() : control_;
}

HRESULT AccessibleObject::Resolve(const VARIANT& child, CControlUI*& control) const {
  control = nullptr;
  CControlUI* self = Self();
  if (!self) return CO_E_OBJNOTCONNECTED;
  if (child.vt == VT_EMPTY) {
    control = self;
    return S_OK;
  }
  if (child.vt != VT_I4) return E_INVALIDARG;
  const LONG id = child.lVal;
  if (id == CHILDID_SELF) {
    control = self;
  } else if (id > 0) {
    const std::vector<CControlUI*> children = ExposedChildren(self);
    if (static_cast<size_t>(id) <= children.size()) control = children[id - 1];
  } else {
    control = tree_->ControlOfChildId(id);
  }
  return control ? S_OK : E_INVALIDARG;
}

void AccessibleObject::Report(CControlUI* control, VARIANT* result) {
  if (control == Self()) {
    ReturnLong(CHILDID_SELF, result);
    return;
  }
  VariantInit(result);
  if (AccessibleObject* object = tree_->ObjectOf(control)) {
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
  }
}

// --- IUnknown and IDispatch ---

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
  return static_cast<ULONG>(++references_);
}

ULONG AccessibleObject::Release() {
  const LONG left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_INVALIDARG;
  *count = 0;
  return S_OK;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  return E_NOTIMPL;
}

// --- The tree ---

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_INVALIDARG;
  *parent = nullptr;
  CControlUI* self = Self();
  if (!self) return CO_E_OBJNOTCONNECTED;
  if (client_) {
    // The client area's parent is the window's frame, as the system sees it.
    return AccessibleObjectFromWindow(tree_->Manager().GetWindow(), OBJID_WINDOW, IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  *parent = tree_->ObjectOf(self->GetParent());
  return *parent ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_INVALIDARG;
  *count = 0;
  CControlUI* self = Self();
  if (!self) return CO_E_OBJNOTCONNECTED;
  *count = static_cast<LONG>(ExposedChildren(self).size());
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_INVALIDARG;
  *object = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  if (control == Self()) return E_INVALIDARG;
  *object = tree_->ObjectOf(control);
  return *object ? S_OK : E_INVALIDARG;
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_INVALIDARG;
  ReturnNothing(end);
  CControlUI* from;
  const HRESULT resolved = Resolve(start, from);
  if (FAILED(resolved)) return resolved;
  CControlUI* to = nullptr;
  if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
    const std::vector<CControlUI*> children = ExposedChildren(from);
    if (!children.empty()) to = direction == NAVDIR_FIRSTCHILD ? children.front() : children.back();
  } else if (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS) {
    if (from == tree_->Manager().GetRoot() || !from->GetParent()) return S_FALSE;
    const std::vector<CControlUI*> siblings = ExposedChildren(from->GetParent());
    const auto at = std::find(siblings.begin(), siblings.end(), from);
    if (at == siblings.end()) return S_FALSE;
    if (direction == NAVDIR_NEXT && at + 1 != siblings.end()) to = *(at + 1);
    if (direction == NAVDIR_PREVIOUS && at != siblings.begin()) to = *(at - 1);
  } else {
    return E_NOTIMPL;  // the spatial directions
  }
  if (!to) return S_FALSE;
  Report(to, end);
  return S_OK;
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_INVALIDARG;
  ReturnNothing(child);
  CControlUI* self = Self();
  if (!self) return CO_E_OBJNOTCONNECTED;
  POINT point = {x, y};
  ScreenToClient(tree_->Manager().GetWindow(), &point);
  CControlUI* found = ExposedControlAt(self, point);
  if (!found) return S_FALSE;
  Report(found, child);
  return S_OK;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
  if (!focus) return E_INVALIDARG;
  ReturnNothing(focus);
  CControlUI* self = Self();
  if (!self) return CO_E_OBJNOTCONNECTED;
  if (!WindowHasFocus(*tree_)) return S_FALSE;
  CControlUI* focused = tree_->Manager().GetFocusedControl();
  if (!focused && client_) focused = self;
  if (!focused || !IsWithin(focused, self)) return S_FALSE;
  Report(focused, focus);
  return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  if (!selection) return E_INVALIDARG;
  ReturnNothing(selection);
  return Self() ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

// --- Properties ---

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (name) *name = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : ReturnText(AccessibleName(*tree_, control), name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_INVALIDARG;
  *value = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  const std::optional<std::wstring> text = control->DescribeForAccessibility().value;
  if (!text) return DISP_E_MEMBERNOTFOUND;
  *value = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
  return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  if (description) *description = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved
                          : ReturnText(AccessibleDescription(*tree_, control), description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (role) VariantInit(role);
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : ReturnLong(AccessibleRole(*tree_, control), role);
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (state) VariantInit(state);
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : ReturnLong(AccessibleState(*tree_, control), state);
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  if (help) *help = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : S_FALSE;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : S_FALSE;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  return FAILED(resolved) ? resolved : ReturnText(AccessibleShortcut(control), shortcut);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (action) *action = nullptr;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  const wchar_t* name = control->DescribeForAccessibility().defaultAction;
  return ReturnText(name ? name : L"", action);
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
  if (!left || !top || !width || !height) return E_INVALIDARG;
  *left = *top = *width = *height = 0;
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  const RECT rect = ScreenRect(*tree_, control);
  *left = rect.left;
  *top = rect.top;
  *width = rect.right - rect.left;
  *height = rect.bottom - rect.top;
  return S_OK;
}

// --- Actions ---

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;  // nothing here is selectable
  control->SetFocus();
  return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  CControlUI* control;
  const HRESULT resolved = Resolve(child, control);
  if (FAILED(resolved)) return resolved;
  if (!control->DescribeForAccessibility().defaultAction) return DISP_E_MEMBERNOTFOUND;
  tree_->RequestDefaultAction(control);
  return S_OK;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
  return Self() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) {
  return Self() ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

}  // namespace Veneer
