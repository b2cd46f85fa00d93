// download_benchmark: times the installer's download worker against a
// running local deployment (hosts from the command line) and prints one
// line: bytes, wall seconds, MB/s and process CPU milliseconds per MiB.
// The package it fetches need not be a program: nothing is run.
//
//   download_benchmark CONFIG_HOST STATS_HOST
#include <windows.h>

#include <cstdio>
#include <string>

#include "install/download_worker.h"
#include "install/file_system.h"
#include "install/package_lock.h"
#include "install/package_path.h"
#include "install/private_messages.h"

namespace {

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return Seconds(kernel) + Seconds(user);
}

std::string Narrow(const wchar_t* text) {
  std::wstring wide(text);
  return std::string(wide.begin(), wide.end());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fputs("usage: download_benchmark CONFIG_HOST STATS_HOST\n", stderr);
    return 64;
  }
  HWND window =
      CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  lumo::ServiceHosts hosts;
  hosts.configuration = Narrow(argv[1]);
  hosts.statistics = Narrow(argv[2]);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  const double cpuBefore = ProcessCpuSeconds();
  QueryPerformanceCounter(&start);
  if (!lumo::StartDownloadWorker(window, hosts)) return 1;
  MSG message;
  bool done = false;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == lumo::WM_DOWNLOAD_DONE || message.message == lumo::WM_DOWNLOAD_FAILED) {
      done = message.message == lumo::WM_DOWNLOAD_DONE;
      break;
    }
  }
  QueryPerformanceCounter(&end);
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  const double wall =
      static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExW(lumo::PackagePath.c_str(), GetFileExInfoStandard, &data);
  const double bytes = static_cast<double>(data.nFileSizeLow) +
                       static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
  lumo::PackageLock().reset();
  lumo::DeletePackageFile();
  if (!done) {
    std::fputs("download_benchmark: the download failed\n", stderr);
    return 1;
  }
  std::printf("installer bytes %.0f seconds %.3f MB/s %.1f cpu-ms/MiB %.2f\n", bytes, wall,
              bytes / wall / 1e6, cpu * 1000.0 / (bytes / 1048576.0));
  return 0;
}
