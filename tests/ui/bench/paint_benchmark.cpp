// The paint benchmark, two scenes, each against one BitBlt of its whole
// client area measured in the same run: a window of 580 x 360 with about 60
// painted controls (images, nine-grids, text, borders) under a plain test
// container, timing a full layout with a full paint through the double
// buffer, a full paint and the repaint of one button; and a tree of real
// layouts and controls shaped like the installer's main page (580 x 420,
// six pages in a tab layout), timing the full layout with a full paint and
// the repaint of its install button.
// Not a test: run it on a display (see paint-benchmark.sh).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit.h"
#include "ui/controls/horizontal_layout.h"
#include "ui/controls/label.h"
#include "ui/controls/progress.h"
#include "ui/controls/tab_layout.h"
#include "ui/controls/vertical_layout.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

constexpr int kWidth = 580;
constexpr int kHeight = 360;
constexpr int kPageHeight = 420;

// A button-like control: a nine-grid face, a centred caption and a border.
class BenchButton : public CControlUI {
 public:
  void PaintText(HDC dc) override {
    RECT area = GetRect();
    CRenderer::RenderText(dc, GetManager(), area, GetText(), 0xFF202020, 0,
                          DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
};

std::wstring Picture(const lumo::test::TempFolder& folder, const wchar_t* name, int width,
                     int height, bool alpha) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto a = static_cast<std::uint8_t>(alpha ? 128 + (x * 127) / width : 255);
      rgba.insert(rgba.end(),
                  {std::uint8_t(x * 255 / width), std::uint8_t(y * 255 / height), 160, a});
    }
  }
  const std::wstring path = folder / name;
  test::WritePng(path, width, height, rgba);
  return path;
}

// Six rows of ten controls over a background picture: nine-grid faces with
// alpha, and icons on a solid colour.
test::TestContainer* BuildTree(const lumo::test::TempFolder& folder,
                               std::vector<CControlUI*>& buttons) {
  const std::wstring background = Picture(folder, L"background.png", kWidth, kHeight, false);
  const std::wstring face = Picture(folder, L"face.png", 40, 24, true);
  const std::wstring icon = Picture(folder, L"icon.png", 16, 16, true);
  auto* root = new test::TestContainer(L"root");
  root->SetBkImage(background);
  for (int i = 0; i < 60; ++i) {
    auto* button = new BenchButton;
    const int x = 10 + (i % 10) * 56;
    const int y = 20 + (i / 10) * 56;
    button->ApplyAttribute(L"pos", std::to_wstring(x) + L"," + std::to_wstring(y) + L"," +
                                       std::to_wstring(x + 50) + L"," + std::to_wstring(y + 40));
    const std::wstring file = L"file='" + (i % 3 == 2 ? icon : face) + L"'";
    button->SetBkImage(i % 3 == 2 ? file + L" dest='17,4,33,20'" : file + L" corner='6,6,6,6'");
    button->ApplyAttributeText(L"bordercolor=\"#FF3050A0\" bordersize=\"1\" text=\"Item\"");
    if (i % 3 == 2) button->SetBkColor(0xFFE0E8F0);
    buttons.push_back(root->Add(button));
  }
  return root;
}

template <typename T>
T* Add(CContainerUI* parent, T* control, const std::wstring& attributes) {
  control->ApplyAttributeText(attributes);
  return parent->Add(control);
}

// A fixed gap of a layout.
void Gap(CContainerUI* parent, const wchar_t* size) {
  Add(parent, new CControlUI, size);
}

// The installer's main page as its layout describes it: a header with two
// floating buttons, six pages (the first shown: a picture, the install
// button between gaps, the agreement row) and a busy view.
CContainerUI* BuildMainPage(const lumo::test::TempFolder& folder, CControlUI*& installButton,
                            int& controls) {
  const std::wstring background = Picture(folder, L"page.png", kWidth, kPageHeight, false);
  const std::wstring face = Picture(folder, L"install.png", 199, 65, true);
  const std::wstring icon = Picture(folder, L"small.png", 16, 16, true);
  const std::wstring info = Picture(folder, L"info.png", 291, 66, true);
  auto* views = new CTabLayoutUI;
  views->ApplyAttribute(L"bkcolor", L"#FFFFFFFF");
  auto* view = Add(views, new CVerticalLayoutUI, L"bkimage=\"" + background + L"\"");
  auto* header = Add(view, new CVerticalLayoutUI, L"height=\"80\"");
  auto* titleRow = Add(header, new CHorizontalLayoutUI, L"height=\"36\"");
  for (const wchar_t* pos : {L"520,14,536,30", L"549,14,566,30"}) {
    Add(titleRow, new CButtonUI,
        L"float=\"true\" pos=\"" + std::wstring(pos) + L"\" normalimage=\"" + icon + L"\"");
  }
  auto* pages = Add(view, new CTabLayoutUI, L"");
  auto* main = Add(pages, new CVerticalLayoutUI, L"width=\"580\"");
  Add(main, new CLabelUI, L"float=\"true\" pos=\"145,16,436,82\" bkimage=\"" + info + L"\"");
  Gap(main, L"height=\"136\"");
  auto* buttonRow = Add(main, new CHorizontalLayoutUI, L"height=\"65\"");
  Gap(buttonRow, L"width=\"191\"");
  installButton = Add(buttonRow, new CButtonUI,
                      L"width=\"199\" text=\"Install now\" textcolor=\"#FFFFFFFF\" font=\"0\" "
                      L"textpadding=\"0,0,0,9\" normalimage=\"" +
                          face + L"\"");
  Gap(buttonRow, L"width=\"190\"");
  Gap(main, L"height=\"48\"");
  auto* agreement = Add(main, new CHorizontalLayoutUI, L"height=\"16\"");
  Gap(agreement, L"width=\"16\"");
  Add(agreement, new CCheckBoxUI,
      L"width=\"98\" text=\"I agree\" selected=\"true\" textcolor=\"#FF444444\" "
      L"textpadding=\"22,0,0,2\" align=\"left\" normalimage=\"" +
          icon + L"\"");
  for (const wchar_t* text : {L"the licence", L"and", L"the privacy policy"}) {
    Add(agreement, new CButtonUI,
        L"width=\"90\" textcolor=\"#FF008AFF\" text=\"" + std::wstring(text) + L"\"");
  }
  Add(agreement, new CButtonUI, L"width=\"80\" text=\"Custom\" align=\"right\"");
  auto* custom = Add(pages, new CVerticalLayoutUI, L"width=\"580\"");
  auto* pathRow = Add(custom, new CHorizontalLayoutUI, L"height=\"30\" padding=\"0,80,0,0\"");
  Add(pathRow, new CLabelUI, L"width=\"66\" text=\"Folder\"");
  Add(pathRow, new CEditUI, L"width=\"307\" text=\"C:\\Program Files\\LumoGameBrowser\"");
  Add(pathRow, new CButtonUI, L"width=\"64\" text=\"Browse\" normalimage=\"" + icon + L"\"");
  for (int i = 0; i < 4; ++i) Add(custom, new CCheckBoxUI, L"height=\"24\" text=\"option\"");
  auto* installing = Add(pages, new CVerticalLayoutUI, L"");
  Gap(installing, L"height=\"150\"");
  Add(installing, new CProgressUI, L"width=\"480\" height=\"6\" padding=\"50,0,0,0\"");
  Add(installing, new CLabelUI, L"height=\"16\" text=\"Downloading...\" align=\"center\"");
  for (int i = 0; i < 3; ++i) {
    auto* result = Add(pages, new CVerticalLayoutUI, L"");
    Add(result, new CLabelUI, L"height=\"15\" padding=\"0,100,0,0\" text=\"result\"");
    Add(result, new CButtonUI, L"height=\"65\" padding=\"191,30,190,0\" text=\"OK\"");
  }
  auto* busy = Add(views, new CVerticalLayoutUI, L"");
  Add(busy, new CLabelUI, L"height=\"12\" text=\"Installing...\" align=\"center\"");
  controls = 0;
  views->SearchTree(
      [](CControlUI*, void* count) -> CControlUI* {
        ++*static_cast<int*>(count);
        return nullptr;
      },
      &controls, 0);
  return views;
}

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return count.QuadPart / frequency;
}

// Paints until nothing of the window is left invalid, as the message loop
// would.
void PaintPending(HWND hwnd) {
  for (RECT r; GetUpdateRect(hwnd, &r, FALSE);) UpdateWindow(hwnd);
}

// The median time of one run of `work`, in microseconds.
double Median(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    work();
    GdiFlush();
    times.push_back((Now() - start) * 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The full layout with a full paint, and the repaint of one control, timed
// beside one BitBlt of the client area.
struct Timings {
  double blit;
  double layoutAndPaint;
  double paint;
  double partial;
};

Timings Measure(test::TestWindow& window, CControlUI* one) {
  PaintManager& manager = window.manager();
  window.PaintNow();  // images load, the buffer is made
  PaintPending(window.hwnd());
  const HWND hwnd = window.hwnd();
  RECT client;
  GetClientRect(hwnd, &client);
  const HDC windowDc = manager.GetWindowDC();
  constexpr int kRuns = 200;
  Timings t;
  t.blit = Median(kRuns, [&] {
    BitBlt(windowDc, 0, 0, client.right, client.bottom, manager.GetBackBuffer().dc(), 0, 0,
           SRCCOPY);
  });
  t.layoutAndPaint = Median(kRuns, [&] {
    manager.GetRoot()->RequestLayout();
    InvalidateRect(hwnd, nullptr, FALSE);
    PaintPending(hwnd);
  });
  t.paint = Median(kRuns, [&] {
    InvalidateRect(hwnd, nullptr, FALSE);
    PaintPending(hwnd);
  });
  t.partial = Median(kRuns, [&] {
    one->Invalidate();
    PaintPending(hwnd);
  });
  return t;
}

void Print(const char* what, double us, double blit) {
  std::printf("  %-34s %9.1f us %6.1fx\n", what, us, us / blit);
}

int Run() {
  lumo::test::TempFolder folder;
  {
    test::TestWindow window(kWidth, kHeight);
    window.manager().RegisterFont({L"Tahoma", 12});
    std::vector<CControlUI*> buttons;
    window.SetRoot(BuildTree(folder, buttons));
    const Timings t = Measure(window, buttons[23]);
    std::printf("paint benchmark, %d x %d client area, %zu controls, median of 200 runs\n", kWidth,
                kHeight, buttons.size() + 1);
    Print("BitBlt of the client area", t.blit, t.blit);
    Print("full layout and full paint", t.layoutAndPaint, t.blit);
    Print("full paint", t.paint, t.blit);
    Print("repaint of one button", t.partial, t.blit);
  }
  test::TestWindow window(kWidth, kPageHeight);
  window.manager().RegisterFont({L"Tahoma", 12});
  CControlUI* install = nullptr;
  int controls = 0;
  window.SetRoot(BuildMainPage(folder, install, controls));
  const Timings t = Measure(window, install);
  std::printf("layouts and controls of the main page, %d x %d, %d controls, median of 200 runs\n",
              kWidth, kPageHeight, controls);
  Print("BitBlt of the client area", t.blit, t.blit);
  Print("full layout and full paint", t.layoutAndPaint, t.blit);
  Print("full paint", t.paint, t.blit);
  Print("repaint of the install button", t.partial, t.blit);
  return 0;
}

}  // namespace
}  // namespace Veneer

int main() {
  return Veneer::Run();
}
