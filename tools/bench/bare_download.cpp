// bare_download: the download benchmark's anchor. A bare WinINet loop, with
// the installer's request flags and headers, a large read buffer and
// WriteFile into the temporary folder, fetches URL and prints one line:
// bytes, wall seconds, MB/s. The file is removed afterwards.
//
//   bare_download URL
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct InternetCloser {
  void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using Internet = std::unique_ptr<void, InternetCloser>;

struct FileCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using File = std::unique_ptr<void, FileCloser>;

double Now() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Bytes of the body written to `path`, or -1 on a failure.
double Download(const wchar_t* url, const std::wstring& path) {
  const Internet internet(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) return -1;
  const DWORD flags =
      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
  const wchar_t headers[] = L"Accept: */*\r\n\r\n";
  const Internet request(InternetOpenUrlW(internet.get(), url, headers,
                                          static_cast<DWORD>(wcslen(headers)), flags, 0));
  if (!request) return -1;
  const File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return -1;
  std::vector<char> buffer(1 << 20);
  double total = 0;
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read)) {
      return -1;
    }
    if (read == 0) return total;
    DWORD written = 0;
    if (!WriteFile(file.get(), buffer.data(), read, &written, nullptr) || written != read) {
      return -1;
    }
    total += read;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: bare_download URL\n", stderr);
    return 64;
  }
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH) return 1;
  const std::wstring path = std::wstring(folder, length) + L"bare_download.bin";
  const double start = Now();
  const double bytes = Download(argv[1], path);
  const double wall = Now() - start;
  DeleteFileW(path.c_str());
  if (bytes < 0) {
    std::fputs("bare_download: the download failed\n", stderr);
    return 1;
  }
  std::printf("bare bytes %.0f seconds %.3f MB/s %.1f\n", bytes, wall, bytes / wall / 1e6);
  return 0;
}
