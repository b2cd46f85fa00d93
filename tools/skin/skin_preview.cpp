// Shows one layout of the skin as a real window and shows every view of it
// in turn: each page of each tab layout, with the enclosing tab layouts on
// the pages that hold it (a page that only holds another tab layout is seen
// through that one's pages). For each view it prints
//   shot NAME LEFT TOP RIGHT BOTTOM
// with the window's rectangle on the screen, and waits for a
// line on standard input, by which the caller has taken its picture.
//
// Usage: skin_preview FOLDER LAYOUT [WIDTH HEIGHT]
//   FOLDER        the skin's folder, relative to this program's, as the
//                 installer's windows name theirs
//   WIDTH HEIGHT  the size the window's code gives it, when that is not
//                 the layout's own
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls/shadow_window.h"
#include "ui/controls/tab_layout.h"
#include "ui/core/gdiplus_session.h"
#include "ui/core/window_impl_base.h"
#include "ui/markup/skin_location.h"
#include "ui/markup/xml_document.h"

namespace {

using Veneer::CControlUI;
using Veneer::CTabLayoutUI;
using Veneer::IContainerUI;

class PreviewWindow : public Veneer::WindowImplBase {
 public:
  PreviewWindow(std::wstring folder, std::wstring layout)
      : folder_(std::move(folder)), layout_(std::move(layout)) {}

 protected:
  const wchar_t* WindowClassName() const override { return L"LumoSkinPreview"; }
  std::wstring SkinFolder() const override { return folder_; }
  std::wstring SkinFileName() const override { return layout_; }

 private:
  std::wstring folder_;
  std::wstring layout_;
};

// A page to show: the tab layout, the page's index, and the page of every
// enclosing tab layout that leads to it.
struct View {
  CTabLayoutUI* tab;
  int page;
  std::vector<std::pair<CTabLayoutUI*, int>> path;
};

IContainerUI* ContainerOf(CControlUI* control) {
  return static_cast<IContainerUI*>(control->AsInterface(L"IContainer"));
}

CTabLayoutUI* TabOf(CControlUI* control) {
  return static_cast<CTabLayoutUI*>(control->AsInterface(L"TabLayout"));
}

bool HoldsTab(CControlUI* control) {
  IContainerUI* container = ContainerOf(control);
  if (container == nullptr) return false;
  for (int i = 0; i < container->ChildCount(); ++i) {
    CControlUI* child = container->ChildAt(i);
    if (TabOf(child) != nullptr || HoldsTab(child)) return true;
  }
  return false;
}

void CollectViews(CControlUI* control, std::vector<std::pair<CTabLayoutUI*, int>>* path,
                  std::vector<View>* views) {
  IContainerUI* container = ContainerOf(control);
  if (container == nullptr) return;
  CTabLayoutUI* tab = TabOf(control);
  for (int i = 0; i < container->ChildCount(); ++i) {
    CControlUI* child = container->ChildAt(i);
    if (tab != nullptr) {
      if (!HoldsTab(child)) views->push_back({tab, i, *path});
      path->emplace_back(tab, i);
    }
    CollectViews(child, path, views);
    if (tab != nullptr) path->pop_back();
  }
}

// Paints what is pending and lets the window and its shadow handle every
// message queued so far.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  GdiFlush();
}

// Posted to the UI thread when the caller's line has come (wParam 1) or
// standard input has ended (wParam 0).
constexpr UINT kCallerAnswered = WM_APP + 1;

DWORD WINAPI ReadCallerLine(void* uiThread) {
  char line[16];
  const bool answered = std::fgets(line, sizeof line, stdin) != nullptr;
  PostThreadMessageW(static_cast<DWORD>(reinterpret_cast<uintptr_t>(uiThread)), kCallerAnswered,
                     answered, 0);
  return 0;
}

// Waits for the caller's line while the window goes on handling its
// messages: the pointer still makes buttons hot, the animation still plays.
bool WaitForCaller() {
  void* uiThread = reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId()));
  const HANDLE reader = CreateThread(nullptr, 0, ReadCallerLine, uiThread, 0, nullptr);
  if (reader == nullptr) return false;
  CloseHandle(reader);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == kCallerAnswered) return message.wParam != 0;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return false;
}

bool Shoot(HWND window, const std::wstring& name) {
  Settle(window);
  RECT rect = {};
  GetWindowRect(window, &rect);
  std::printf("shot %ls %ld %ld %ld %ld\n", name.c_str(), rect.left, rect.top, rect.right,
              rect.bottom);
  std::fflush(stdout);
  return WaitForCaller();
}

std::wstring ViewName(const View& view) {
  const std::wstring& name = view.tab->GetName();
  return (name.empty() ? L"tab" : name) + L"-" + std::to_wstring(view.page);
}

// A layout that doesn't load would stop the window with a message box that
// nobody may see; say why here instead.
bool LayoutLoads(const wchar_t* folder, const wchar_t* layout) {
  Veneer::SkinRequest request;
  request.folder = folder;
  Veneer::SkinLocation::Process().PrepareForWindow(request);
  Veneer::CXmlDocument document;
  if (document.LoadSkinFile(layout)) return true;
  std::printf("failed %ls: %ls %ls\n", layout, document.ErrorMessage(), document.ErrorLocation());
  return false;
}

int Run(const wchar_t* folder, const wchar_t* layout, int width, int height) {
  if (!LayoutLoads(folder, layout)) return 1;
  Veneer::GdiplusSession gdiplus;
  Veneer::CShadowUI::Initialize(GetModuleHandleW(nullptr));
  auto* window = new PreviewWindow(folder, layout);  // deletes itself with its window
  if (!window->Create(nullptr, L"Lumo skin preview", WS_POPUP, 0, 40, 40, 200, 120)) {
    std::printf("failed %ls\n", layout);
    return 1;
  }
  const HWND hwnd = window->GetHWND();
  RECT rect = {};
  GetWindowRect(hwnd, &rect);
  if (width <= 0 || height <= 0) {
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  }
  // Away from the screen's edge, so that the shadow shows whole.
  SetWindowPos(hwnd, nullptr, 40, 40, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);

  std::vector<View> views;
  std::vector<std::pair<CTabLayoutUI*, int>> path;
  CollectViews(window->GetPaintManager().GetRoot(), &path, &views);
  bool more = true;
  if (views.empty()) more = Shoot(hwnd, L"window");
  for (const View& view : views) {
    if (!more) break;
    for (const auto& [outer, page] : view.path) outer->SelectPage(page);
    view.tab->SelectPage(view.page);
    more = Shoot(hwnd, ViewName(view));
  }
  DestroyWindow(hwnd);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: skin_preview FOLDER LAYOUT [WIDTH HEIGHT]\n");
    return 2;
  }
  const int width = argc == 5 ? std::wcstol(argv[3], nullptr, 10) : 0;
  const int height = argc == 5 ? std::wcstol(argv[4], nullptr, 10) : 0;
  return Run(argv[1], argv[2], width, height);
}
