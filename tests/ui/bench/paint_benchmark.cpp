// The paint benchmark: a skinned window of 580 x 360 with about 60 controls
// (images, nine-grids, text, borders). Times a full layout with a full paint
// through the double buffer, a full paint, the repaint of one button, and the
// first paint of a new window (its images decoded, its fonts made, its first
// layout), each against the empty paint cycle of a plain window of the same
// size measured in the same run: InvalidateRect, UpdateWindow, BeginPaint and
// EndPaint with nothing drawn, which under wine is most of a small repaint.
// Not a test: run it on a display (see paint-benchmark.sh). Prints its table
// and appends its rows to the file named by LUMO_BENCH_TABLE, if set.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

struct Pictures {
  explicit Pictures(const lumo::test::TempFolder& folder)
      : background(Picture(folder, L"background.png", kWidth, kHeight, false)),
        face(Picture(folder, L"face.png", 40, 24, true)),
        icon(Picture(folder, L"icon.png", 16, 16, true)) {}
  std::wstring background;
  std::wstring face;
  std::wstring icon;
};

// Six rows of ten controls over a background picture: nine-grid faces with
// alpha, and icons on a solid colour.
test::TestContainer* BuildTree(const Pictures& pictures, std::vector<CControlUI*>& buttons) {
  const std::wstring& background = pictures.background;
  const std::wstring& face = pictures.face;
  const std::wstring& icon = pictures.icon;
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

// A plain window that paints nothing: the floor of every repaint.
class EmptyWindow {
 public:
  EmptyWindow() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VeneerBenchEmptyWindow";
    RegisterClassW(&windowClass);
    // Shown as the test window is: a topmost popup, not activated.
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP, 100, 100,
                            kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  }
  ~EmptyWindow() { DestroyWindow(hwnd_); }
  EmptyWindow(const EmptyWindow&) = delete;
  EmptyWindow& operator=(const EmptyWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
  }
  HWND hwnd_;
};

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

struct Row {
  const char* name;
  double micros;
};

void Report(int controls, int runs, double emptyCycle, const std::vector<Row>& rows) {
  std::printf("paint benchmark, %d x %d client area, %d controls, median of %d runs\n", kWidth,
              kHeight, controls, runs);
  std::printf("  %-38s %9.1f us   1.0x\n", "empty paint cycle (plain window)", emptyCycle);
  for (const Row& row : rows) {
    std::printf("  %-38s %9.1f us %6.1fx\n", row.name, row.micros, row.micros / emptyCycle);
  }
  const char* path = std::getenv("LUMO_BENCH_TABLE");
  FILE* table = path != nullptr ? std::fopen(path, "a") : nullptr;
  if (table == nullptr) return;
  for (const Row& row : rows) {
    std::fprintf(table, "%s (us)\t%.1f\tempty paint cycle %.1f\t%.2f\n", row.name, row.micros,
                 emptyCycle, row.micros / emptyCycle);
  }
  std::fclose(table);
}

// A new window with the tree: created, its images decoded, its fonts made,
// laid out and painted, then destroyed.
void FirstPaint(const Pictures& pictures) {
  test::TestWindow window(kWidth, kHeight);
  window.manager().RegisterFont({L"Tahoma", 12});
  std::vector<CControlUI*> buttons;
  window.SetRoot(BuildTree(pictures, buttons));
  PaintPending(window.hwnd());
}

int Run() {
  lumo::test::TempFolder folder;
  const Pictures pictures(folder);
  constexpr int kRuns = 200;
  const double firstPaint = Median(20, [&] { FirstPaint(pictures); });

  test::TestWindow window(kWidth, kHeight);
  PaintManager& manager = window.manager();
  manager.RegisterFont({L"Tahoma", 12});
  std::vector<CControlUI*> buttons;
  window.SetRoot(BuildTree(pictures, buttons));
  window.PaintNow();  // images load, the buffer is made
  PaintPending(window.hwnd());
  const HWND hwnd = window.hwnd();

  const EmptyWindow empty;
  PaintPending(empty.hwnd());
  const double emptyCycle = Median(kRuns, [&] {
    InvalidateRect(empty.hwnd(), nullptr, FALSE);
    UpdateWindow(empty.hwnd());
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
  Report(static_cast<int>(buttons.size()) + 1, kRuns, emptyCycle,
         {{"full paint", paint},
          {"repaint of one button", partial},
          {"full layout and full paint", layoutAndPaint},
          {"first paint of a new window", firstPaint}});
  return 0;
}

}  // namespace
}  // namespace Veneer

int main() {
  return Veneer::Run();
}
