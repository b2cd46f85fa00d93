#include "ui/core/accessible_tree.h"

#include "ui/controls/control.h"
#include "ui/core/accessible_object.h"
#include "ui/core/paint_manager.h"

namespace Veneer {

AccessibleTree::AccessibleTree(PaintManager& manager) : manager_(manager) {}

AccessibleTree::~AccessibleTree() {
  if (client_) {
    client_->Disconnect();
    client_->Release();
  }
  for (auto& [control, entry] : entries_) {
    if (entry.object) {
      entry.object->Disconnect();
      entry.object->Release();
    }
  }
  if (apartmentTried_ && SUCCEEDED(apartment_)) CoUninitialize();
}

bool AccessibleTree::JoinApartment() {
  if (!apartmentTried_) {
    apartmentTried_ = true;
    apartment_ = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  }
  // RPC_E_CHANGED_MODE: another part of the program chose the thread's
  // apartment first, and COM is there all the same.
  return SUCCEEDED(apartment_) || apartment_ == RPC_E_CHANGED_MODE;
}

LRESULT AccessibleTree::AnswerGetObject(WPARAM wParam, LPARAM objectId, CControlUI* control) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT || !JoinApartment()) return 0;
  AccessibleObject* object = nullptr;
  if (control) {
    object = ObjectOf(control);
    if (!object) return 0;
  } else {
    if (!client_) client_ = new AccessibleObject(*this, nullptr);
    object = client_;
    object->AddRef();
  }
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, object);
  object->Release();
  // A failure leaves the window to the system's own description of it.
  return answer > 0 ? answer : 0;
}

AccessibleTree::Entry& AccessibleTree::EntryOf(CControlUI* control) {
  Entry& entry = entries_[control];
  if (!entry.uniqueId) {
    entry.uniqueId = ++lastId_;
    byId_[entry.uniqueId] = control;
  }
  return entry;
}

AccessibleObject* AccessibleTree::ObjectOf(CControlUI* control) {
  if (!IsInTree(control)) return nullptr;
  AccessibleObject*& object = control == manager_.GetRoot() ? client_ : EntryOf(control).object;
  if (!object)
    object = new AccessibleObject(*this, control == manager_.GetRoot() ? nullptr : control);
  object->AddRef();
  return object;
}

LONG AccessibleTree::ChildIdOf(CControlUI* control) {
  return control == manager_.GetRoot() ? CHILDID_SELF : -EntryOf(control).uniqueId;
}

CControlUI* AccessibleTree::ControlOfChildId(LONG childId) const {
  if (childId >= 0) return nullptr;
  const auto found = byId_.find(-childId);
  return found != byId_.end() && IsInTree(found->second) ? found->second : nullptr;
}

bool AccessibleTree::IsInTree(const CControlUI* control) const {
  if (!control || control->GetManager() != &manager_) return false;
  const CControlUI* root = manager_.GetRoot();
  while (control != root && control) control = control->GetParent();
  return control && control == root;
}

std::wstring AccessibleTree::ClientName() const {
  if (dialog_) return dialogText_;
  std::wstring title(GetWindowTextLengthW(manager_.GetWindow()) + 1, L'\0');
  title.resize(GetWindowTextW(manager_.GetWindow(), title.data(), static_cast<int>(title.size())));
  return title;
}

void AccessibleTree::Raise(CControlUI* control, DWORD event) {
  const HWND window = manager_.GetWindow();
  if (!window || !IsInTree(control)) return;
  if (control != manager_.GetRoot() && control->DescribeForAccessibility().role == kRoleIgnored) {
    return;
  }
  NotifyWinEvent(event, window, OBJID_CLIENT, ChildIdOf(control));
}

void AccessibleTree::Forget(CControlUI* control) {
  const auto found = entries_.find(control);
  if (found == entries_.end()) return;
  byId_.erase(found->second.uniqueId);
  if (AccessibleObject* object = found->second.object) {
    object->Disconnect();
    object->Release();
  }
  entries_.erase(found);
}

void AccessibleTree::AnnounceDialog(const std::wstring& text) {
  dialog_ = true;
  dialogText_ = text;
  if (manager_.GetWindow()) {
    NotifyWinEvent(EVENT_SYSTEM_DIALOGSTART, manager_.GetWindow(), OBJID_CLIENT, CHILDID_SELF);
  }
}

UINT AccessibleTree::ActionMessage() {
  static const UINT message = RegisterWindowMessageW(L"Veneer.AccessibleDefaultAction");
  return message;
}

void AccessibleTree::RequestDefaultAction(CControlUI* control) {
  if (control == manager_.GetRoot()) return;
  PostMessageW(manager_.GetWindow(), ActionMessage(),
               static_cast<WPARAM>(EntryOf(control).uniqueId), 0);
}

void AccessibleTree::RunDefaultAction(WPARAM uniqueId) {
  const LONG childId = -static_cast<LONG>(uniqueId);
  CControlUI* control = ControlOfChildId(childId);
  if (!control) return;
  control->SetFocus();
  // A listener of the focus change may have deleted the control.
  if (ControlOfChildId(childId) == control) control->Activate();
}

std::vector<CControlUI*> ExposedChildren(CControlUI* control) {
  std::vector<CControlUI*> exposed;
  IContainerUI* container = InterfaceOf<IContainerUI>(control, L"IContainer");
  if (!container) return exposed;
  const int count = container->ChildCount();
  for (int i = 0; i < count; ++i) {
    CControlUI* child = container->ChildAt(i);
    if (child && child->IsVisible() && child->DescribeForAccessibility().role != kRoleIgnored) {
      exposed.push_back(child);
    }
  }
  return exposed;
}

}  // namespace Veneer
