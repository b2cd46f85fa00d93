// first_paint_benchmark: how long a program takes from its start to the
// first paint of its window, seen from outside: the time from CreateProcess
// until the screen shows, at a point of the window, anything but the
// display's black background. Each run ends the program before the next.
//
//   first_paint_benchmark PROGRAM CLASS X Y RUNS
//
// CLASS is the window's class, X and Y the point in the window; prints each run's time and the
// median in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

bool Painted(const wchar_t* windowClass, POINT at) {
  const HWND window = FindWindowW(windowClass, nullptr);
  if (window == nullptr || !IsWindowVisible(window)) return false;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, rect.left + at.x, rect.top + at.y);
  ReleaseDC(nullptr, screen);
  return colour != CLR_INVALID && colour != RGB(0, 0, 0);
}

// One run: the time to the first paint, or a negative value when none came
// within 30 s.
double RunOnce(const std::wstring& program, const wchar_t* windowClass, POINT at) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    QueryPerformanceCounter(&now);
    if (Painted(windowClass, at)) {
      elapsed = Milliseconds(start, now);
      break;
    }
    if (Milliseconds(start, now) > 30000) break;
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 6) {
    std::fputs("usage: first_paint_benchmark PROGRAM CLASS X Y RUNS\n", stderr);
    return 64;
  }
  const POINT at = {std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10)};
  const int runs = std::max(1, static_cast<int>(std::wcstol(argv[5], nullptr, 10)));
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = RunOnce(argv[1], argv[2], at);
    if (ms < 0) {
      std::fputs("first_paint_benchmark: no paint\n", stderr);
      return 1;
    }
    std::printf("run %d: %.1f ms\n", i + 1, ms);
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("median %.1f ms\n", times[times.size() / 2]);
  return 0;
}
