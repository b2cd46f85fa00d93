#include "ui/core/window_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <vector>

namespace Veneer {
namespace {

class RecordingWindow : public CWindowWnd {
 public:
  explicit RecordingWindow(const wchar_t* superclass = nullptr) : superclass_(superclass) {}

  std::vector<UINT> messages;
  HWND destroyed = nullptr;
  void* propertyAtDestroy = reinterpret_cast<void*>(1);
  LONG_PTR userDataAtDestroy = 1;

 protected:
  const wchar_t* WindowClassName() const override {
    return superclass_ ? L"VeneerTestEdit" : L"VeneerTestWindow";
  }
  const wchar_t* SuperclassName() const override { return superclass_; }
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    messages.push_back(message);
    return CWindowWnd::RouteWindowMessage(message, wParam, lParam);
  }
  void OnWindowDestroyed(HWND window) override {
    destroyed = window;
    propertyAtDestroy = GetPropW(window, L"WndX");
    userDataAtDestroy = GetWindowLongPtrW(window, GWLP_USERDATA);
  }

 private:
  const wchar_t* superclass_;
};

TEST(CWindowWnd, BindsAtNcCreateAndUnbindsAfterNcDestroy) {
  RecordingWindow first, second;
  const HWND a = first.Create(nullptr, L"a", WS_POPUP, 0, 0, 0, 100, 80);
  // The class exists now: registering it again counts as success.
  const HWND b = second.Create(nullptr, L"b", WS_POPUP, 0, 0, 0, 100, 80);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(first.GetHWND(), a);
  EXPECT_EQ(GetWindowLongPtrW(a, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&first));
  // WM_GETMINMAXINFO comes before WM_NCCREATE and went to DefWindowProcW.
  ASSERT_FALSE(first.messages.empty());
  EXPECT_EQ(first.messages.front(), static_cast<UINT>(WM_NCCREATE));

  DestroyWindow(a);
  EXPECT_EQ(first.destroyed, a);
  EXPECT_EQ(first.userDataAtDestroy, 0);
  EXPECT_EQ(first.GetHWND(), nullptr);
  EXPECT_EQ(first.messages.back(), static_cast<UINT>(WM_DESTROY));  // NCDESTROY isn't routed
  DestroyWindow(b);
  EXPECT_EQ(second.destroyed, b);
}

TEST(CWindowWnd, SuperclassKeepsTheSystemBehaviourAndBindsThroughAProperty) {
  RecordingWindow edit(L"Edit");
  const HWND hwnd = edit.Create(nullptr, L"typed", WS_POPUP, 0, 0, 0, 100, 20);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(GetPropW(hwnd, L"WndX"), &edit);
  wchar_t text[16] = {};
  GetWindowTextW(hwnd, text, 16);
  EXPECT_STREQ(text, L"typed");  // the system edit procedure stored the title
  EXPECT_GT(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0), 0);
  DestroyWindow(hwnd);
  EXPECT_EQ(edit.destroyed, hwnd);
  EXPECT_EQ(edit.propertyAtDestroy, nullptr);
}

// A window object that refuses its creation at WM_CREATE and deletes itself
// when the half-made window is destroyed, as windows that own themselves do.
// Its storage outlives it, filled with a mark, so a write after the
// deletion shows.
class SelfDeletingWindow : public CWindowWnd {
 public:
  static void* operator new(size_t size) {
    EXPECT_LE(size, sizeof(storage));
    return storage;
  }
  static void operator delete(void*) { std::memset(storage, kMark, sizeof(storage)); }
  static bool StorageIsMarked() {
    return std::all_of(std::begin(storage), std::end(storage),
                       [](unsigned char byte) { return byte == kMark; });
  }

 protected:
  const wchar_t* WindowClassName() const override { return L"VeneerRefusingWindow"; }
  LRESULT RouteWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) return -1;
    return CWindowWnd::RouteWindowMessage(message, wParam, lParam);
  }
  void OnWindowDestroyed(HWND) override { delete this; }

 private:
  static constexpr unsigned char kMark = 0xA5;
  alignas(std::max_align_t) static unsigned char storage[256];
};
alignas(std::max_align_t) unsigned char SelfDeletingWindow::storage[256];

TEST(CWindowWnd, AnObjectDeletedWhileItsCreationFailsIsNotWrittenTo) {
  auto* window = new SelfDeletingWindow;
  EXPECT_EQ(window->Create(nullptr, L"", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
  EXPECT_TRUE(SelfDeletingWindow::StorageIsMarked());
}

TEST(CWindowWnd, DeletingTheObjectDestroysItsWindowWithoutRoutingToIt) {
  for (const wchar_t* superclass : {static_cast<const wchar_t*>(nullptr), L"Edit"}) {
    auto* object = new RecordingWindow(superclass);
    const HWND hwnd = object->Create(nullptr, L"", WS_POPUP, 0, 0, 0, 100, 20);
    ASSERT_NE(hwnd, nullptr);
    delete object;  // would be called again for the window's last messages
    EXPECT_FALSE(IsWindow(hwnd)) << (superclass ? "superclass" : "own class");
  }
}

TEST(CWindowWnd, UnknownSuperclassCreatesNothing) {
  RecordingWindow window(L"NoSuchSystemClass");
  EXPECT_EQ(window.Create(nullptr, L"", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
}

RECT WorkAreaOf(HWND hwnd) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

TEST(CWindowWnd, CentresOverTheWorkAreaOrTheOwner) {
  RecordingWindow owner, owned, huge;
  ASSERT_TRUE(owner.Create(nullptr, L"", WS_POPUP, 0, 100, 100, 400, 300));
  ASSERT_TRUE(owned.Create(owner.GetHWND(), L"", WS_POPUP, 0, 0, 0, 100, 50));
  ASSERT_TRUE(huge.Create(nullptr, L"", WS_POPUP, 0, 50, 50, 10000, 10000));
  const RECT work = WorkAreaOf(owner.GetHWND());

  owner.CenterOnMonitor();
  owned.CenterOnMonitor();
  huge.CenterOnMonitor();
  RECT r;
  GetWindowRect(owner.GetHWND(), &r);
  EXPECT_EQ(r.left, (work.left + work.right) / 2 - 200);
  EXPECT_EQ(r.top, (work.top + work.bottom) / 2 - 150);
  RECT o;
  GetWindowRect(owned.GetHWND(), &o);
  EXPECT_EQ(o.left, (r.left + r.right) / 2 - 50);
  EXPECT_EQ(o.top, (r.top + r.bottom) / 2 - 25);
  GetWindowRect(huge.GetHWND(), &r);
  EXPECT_EQ(r.left, work.left);
  EXPECT_EQ(r.top, work.top);

  DestroyWindow(owned.GetHWND());
  DestroyWindow(owner.GetHWND());
  DestroyWindow(huge.GetHWND());
}

}  // namespace
}  // namespace Veneer
