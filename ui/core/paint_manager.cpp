#include "ui/core/paint_manager.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/controls/control.h"
#include "ui/core/accessible_tree.h"
#include "ui/core/control_interface.h"
#include "ui/core/manager_registry.h"
#include "ui/render/blend_functions.h"

namespace Veneer {
namespace {

CControlUI* RegisterName(CControlUI* control, void* data) {
  auto* names = static_cast<NameMap<CControlUI*>*>(data);
  if (!control->GetName().empty()) names->Set(control->GetName(), control);
  return nullptr;
}

CControlUI* ControlAtPoint(CControlUI* control, void*) {
  return control;
}

template <typename T>
void AddOnce(std::vector<T*>& list, T* item) {
  if (item && std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

template <typename T>
void RemoveItem(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// The first manager of the process sets up the common controls and the
// blending functions.
void InitialiseProcessOnce() {
  static const bool initialised = [] {
    InitCommonControls();
    BlendFunctions();
    return true;
  }();
  (void)initialised;
}

}  // namespace

PaintManager::PaintManager() {
  InitialiseProcessOnce();
}

PaintManager::~PaintManager() {
  // Controls call back into the manager while they are destroyed.
  cleanup_.clear();
  root_.reset();
  focus_ = hover_ = click_ = key_ = nullptr;
  if (window_) timers_.KillAll(window_);
  images_.Clear();
  names_.Clear();
  optionGroups_.Clear();
  defaultAttributes_.Clear();
  buffer_.Drop();
  ManagerRegistry::Remove(this);
}

void PaintManager::AttachWindow(HWND window) {
  window_ = window;
  windowDc_ = ScopedWindowDc(window);
  ManagerRegistry::Add(this);
}

bool PaintManager::SetRoot(CControlUI* root) {
  SetFocusedControl(nullptr);
  key_ = hover_ = click_ = nullptr;
  ReleaseMouseCapture();
  tooltip_.Hide();
  if (root_) {
    overlays_.clear();
    QueueForDeletion(root_.release());
  }
  root_.reset(root);
  layoutDue_ = firstLayout_ = focusDue_ = true;
  shadow_.Create(this);
  if (!root_) return false;
  root_->Attach(this, root_->GetParent(), true);
  RegisterNames(root_.get());
  return true;
}

void PaintManager::RegisterNames(CControlUI* subtree) {
  if (subtree) subtree->SearchTree(RegisterName, &names_, 0);
}

CControlUI* PaintManager::FindControlByName(const std::wstring& name) {
  CControlUI** found = names_.Find(name);
  return found ? *found : nullptr;
}

CControlUI* PaintManager::FindControlAt(POINT point) const {
  if (!root_) return nullptr;
  return root_->SearchTree(ControlAtPoint, &point, FindVisible | FindHitTest | FindTopFirst);
}

bool PaintManager::StartTimer(CControlUI* control, UINT id, UINT milliseconds) {
  return window_ && timers_.Start(control, window_, id, milliseconds);
}

bool PaintManager::StopTimer(CControlUI* control, UINT id) {
  return timers_.Stop(control, window_, id);
}

void PaintManager::SendNotification(CControlUI* sender, const wchar_t* type, WPARAM wParam,
                                    LPARAM lParam) {
  UiNotification notification;
  notification.type = type;
  notification.sender = sender;
  notification.timestamp = GetTickCount();
  notification.mouse = lastMouse_;
  notification.wParam = wParam;
  notification.lParam = lParam;
  if (virtualWindows_ && sender) notification.virtualWindow = sender->GetVirtualWindow();
  if (sender) {
    // A copy: a listener may change the list while it runs.
    const NotifyListeners own = sender->NotifyListenersOf();
    for (const auto& listener : own) {
      if (!listener(notification)) break;
    }
  }
  // The listeners registered now, each once: one that is removed meanwhile
  // leaves an empty slot (it may be gone before its turn), swept when the
  // outermost delivery ends; one added meanwhile waits for the next.
  ++deliveries_;
  const size_t count = listeners_.size();
  for (size_t i = 0; i < count; ++i) {
    if (listeners_[i]) listeners_[i]->OnNotification(notification);
  }
  if (--deliveries_ == 0) RemoveItem(listeners_, static_cast<INotifyUI*>(nullptr));
}

void PaintManager::AddListener(INotifyUI* listener) {
  AddOnce(listeners_, listener);
}
void PaintManager::RemoveListener(INotifyUI* listener) {
  if (deliveries_ > 0) {
    std::replace(listeners_.begin(), listeners_.end(), listener, static_cast<INotifyUI*>(nullptr));
  } else {
    RemoveItem(listeners_, listener);
  }
}
void PaintManager::AddMessageHook(IMessageFilterUI* filter) {
  AddOnce(hooks_, filter);
}
void PaintManager::RemoveMessageHook(IMessageFilterUI* filter) {
  RemoveItem(hooks_, filter);
}
void PaintManager::AddEarlyMessageHook(IMessageFilterUI* filter) {
  AddOnce(earlyHooks_, filter);
}
void PaintManager::RemoveEarlyMessageHook(IMessageFilterUI* filter) {
  RemoveItem(earlyHooks_, filter);
}
void PaintManager::AddAcceleratorTranslator(ITranslateAccelerator* translator) {
  AddOnce(translators_, translator);
}
void PaintManager::RemoveAcceleratorTranslator(ITranslateAccelerator* translator) {
  RemoveItem(translators_, translator);
}
void PaintManager::AddOverlayControl(CControlUI* control) {
  AddOnce(overlays_, control);
}
void PaintManager::RemoveOverlayControl(CControlUI* control) {
  RemoveItem(overlays_, control);
}

void PaintManager::QueueForDeletion(CControlUI* control) {
  if (!control) return;
  control->Attach(this, nullptr, false);
  cleanup_.emplace_back(control);
  if (window_) PostMessageW(window_, kCleanupMessage, 0, 0);
}

void PaintManager::ForgetControl(CControlUI* control) {
  if (key_ == control) key_ = nullptr;
  if (hover_ == control) {
    hover_ = nullptr;
    tooltip_.Hide();
  }
  if (click_ == control) {
    click_ = nullptr;
    ReleaseMouseCapture();
  }
  if (focus_ == control) focus_ = nullptr;
  RemoveItem(overlays_, control);
  if (accessible_) accessible_->Forget(control);
  timers_.RemoveControl(control, window_);
  // Under every name: the control may have been renamed since it was
  // registered.
  names_.RemoveIf([control](std::wstring_view, CControlUI* named) { return named == control; });
  // A deleted option must not stay in its group, where selecting another
  // option would reach it.
  optionGroups_.RemoveIf([control](std::wstring_view, std::vector<CControlUI*>& members) {
    RemoveItem(members, control);
    return members.empty();
  });
}

void PaintManager::InvalidateArea(const RECT& area) {
  if (window_) InvalidateRect(window_, &area, FALSE);
}

void PaintManager::SetOffscreenPainting(bool on) {
  offscreenPainting_ = on;
  buffer_.Drop();
}

PaintManager& PaintManager::ResourceRoot() {
  PaintManager* manager = this;
  while (manager->resourceParent_) manager = manager->resourceParent_;
  return *manager;
}

const PaintManager& PaintManager::ResourceRoot() const {
  return const_cast<PaintManager*>(this)->ResourceRoot();
}

AccessibleTree& PaintManager::Accessibility() {
  if (!accessible_) accessible_ = std::make_unique<AccessibleTree>(*this);
  return *accessible_;
}

void PaintManager::NotifyAccessibility(CControlUI* control, DWORD event) {
  Accessibility().Raise(control, event);
}

void PaintManager::AnnounceDialog(const std::wstring& text) {
  Accessibility().AnnounceDialog(text);
}

LRESULT PaintManager::AnswerAccessibleObject(CControlUI* control, WPARAM wParam, LPARAM objectId) {
  return Accessibility().AnswerGetObject(wParam, objectId, control);
}

const DefaultColours& PaintManager::GetDefaultColours() const {
  return ResourceRoot().colours_;
}

}  // namespace Veneer
