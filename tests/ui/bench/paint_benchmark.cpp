// The paint benchmark: a skinned window of 580 x 360 with about 60 controls
// (images, nine-grids, text, borders). Times a full layout with a full paint
// through the double buffer, a full paint, and the repaint of one button,
// against one BitBlt of the whole client area measured in the same run.
// Not a test: run it on a display (see run-paint-benchmark.sh).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/ui/support/test_container.h"
#include "tests/ui/support/ui_test_window.h"
#include "ui/render/renderer.h"

namespace Veneer {
namespace {

constexpr int kWidth = 580;
constexpr int kHeight = 360;

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

int Run() {
  lumo::test::TempFolder folder;
  test::TestWindow window(kWidth, kHeight);
  PaintManager& manager = window.manager();
  manager.RegisterFont({L"Tahoma", 12});
  std::vector<CControlUI*> buttons;
  window.SetRoot(BuildTree(folder, buttons));
  window.PaintNow();  // images load, the buffer is made
  PaintPending(window.hwnd());
  const HWND hwnd = window.hwnd();
  const HDC windowDc = manager.GetWindowDC();
  constexpr int kRuns = 200;

  const double blit = Median(kRuns, [&] {
    BitBlt(windowDc, 0, 0, kWidth, kHeight, manager.GetBackBuffer().dc(), 0, 0, SRCCOPY);
  });
  const double layoutAndPaint = Median(kRuns, [&] {
    manager.GetRoot()->RequestLayout();
    InvalidateRect(hwnd, nullptr, FALSE);
    PaintPending(hwnd);
  });
  const double paint = Median(kRuns, [&] {
    InvalidateRect(hwnd, nullptr, FALSE);
    PaintPending(hwnd);
  });
  CControlUI* button = buttons[23];
  const double partial = Median(kRuns, [&] {
    button->Invalidate();
    PaintPending(hwnd);
  });

  std::printf("paint benchmark, %d x %d client area, %zu controls, median of %d runs\n", kWidth,
              kHeight, buttons.size() + 1, kRuns);
  std::printf("  %-34s %9.1f us   1.0x\n", "BitBlt of the client area", blit);
  std::printf("  %-34s %9.1f us %6.1fx\n", "full layout and full paint", layoutAndPaint,
              layoutAndPaint / blit);
  std::printf("  %-34s %9.1f us %6.1fx\n", "full paint", paint, paint / blit);
  std::printf("  %-34s %9.1f us %6.1fx\n", "repaint of one button", partial, partial / blit);
  return 0;
}

}  // namespace
}  // namespace Veneer

int main() {
  return Veneer::Run();
}
