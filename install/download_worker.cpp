#include "install/download_worker.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "install/configuration_reply.h"
#include "install/detached_thread.h"
#include "install/file_system.h"
#include "install/internet_handle.h"
#include "install/package_file.h"
#include "install/package_lock.h"
#include "install/package_path.h"
#include "install/private_messages.h"
#include "install/transfer_rules.h"
#include "report/machine_report.h"

namespace lumo {
namespace {

constexpr DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
constexpr char kRequestHeaders[] = "Accept: */*\r\n\r\n";
constexpr std::size_t kBufferSize = 524288;
constexpr DWORD kReadSize = 131072;

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

struct Job {
  HWND window;
  ServiceHosts hosts;
  std::vector<char> buffer = std::vector<char>(kBufferSize);
};

void Post(const Job& job, UINT message, WPARAM wParam = 0) {
  PostMessageW(job.window, message, wParam, 0);
}

bool Fail(const Job& job) {
  Post(job, WM_DOWNLOAD_FAILED);
  return false;
}

InternetHandle OpenUrl(HINTERNET internet, const std::wstring& url) {
  static const std::wstring headers = Widen(kRequestHeaders);
  return InternetHandle(InternetOpenUrlW(internet, url.c_str(), headers.c_str(),
                                         static_cast<DWORD>(headers.size()), kRequestFlags, 0));
}

InternetHandle OpenInternet() {
  DWORD connection = 0;
  InternetGetConnectedState(&connection, 0);
  const DWORD access = (connection & INTERNET_CONNECTION_PROXY) != 0
                           ? INTERNET_OPEN_TYPE_PRECONFIG
                           : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
  return InternetHandle(InternetOpenA("", access, nullptr, nullptr, 0));
}

// The installer's own file version, read once per process.
const std::string& InstallerVersion() {
  static const std::string version = [] {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring wide = GetFileVersionString(path);
    return std::string(wide.begin(), wide.end());  // digits and dots only
  }();
  return version;
}

// Fire and forget: whether the statistics service answers changes nothing.
void SendInstallReport(HINTERNET internet, const std::string& host) {
  const std::string query =
      BuildEventReport(InstallEvent::kData, InstallEvent::kEvent, InstallEvent::kProduct,
                       InstallEvent::kChannel, InstallEvent::kVersion);
  OpenUrl(internet, L"https://" + Widen(host) + L"/hm4.gif?" + Widen(query));
}

// Reads until the reply ends or the read limit is reached: a reply that
// arrives in pieces is still read whole.
std::string ReadReply(HINTERNET request, std::vector<char>& buffer) {
  std::fill(buffer.begin(), buffer.end(), '\0');
  DWORD total = 0;
  DWORD read = 0;
  while (total < kReadSize &&
         InternetReadFile(request, buffer.data() + total, kReadSize - total, &read) && read > 0) {
    total += read;
  }
  return std::string(buffer.data());  // up to the first zero byte
}

bool QueryPackageUrl(HINTERNET internet, Job& job, std::string& url) {
  const InternetHandle request =
      OpenUrl(internet, L"https://" + Widen(job.hosts.configuration) + L"/config/browser_update");
  if (!request) return false;
  url = ChoosePackageUrl(ReadReply(request.get(), job.buffer), InstallerVersion());
  return true;
}

// The URL the request ended at after redirects.
std::wstring FinalUrl(HINTERNET request) {
  DWORD size = 0;
  InternetQueryOptionW(request, INTERNET_OPTION_URL, nullptr, &size);
  std::wstring url(size / sizeof(wchar_t) + 1, L'\0');
  if (!InternetQueryOptionW(request, INTERNET_OPTION_URL, url.data(), &size)) return L"";
  url.resize(size / sizeof(wchar_t));
  return url.c_str();
}

DWORD QueryNumber(HINTERNET request, DWORD query) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return 0;
  return value;
}

// Folder + current second + ".exe"; false when the folder is unknown.
bool FormPackagePath() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH) return false;
  PackagePath = std::wstring(folder, length) +
                std::to_wstring(static_cast<long long>(std::time(nullptr))) + L".exe";
  return true;
}

// Copies the body into the package file, posting progress after every
// chunk. False on a failed read or write and on a body cut short.
bool TransferBody(HINTERNET request, Job& job, PackageFile& file, DWORD announced, int& percent) {
  std::fill(job.buffer.begin(), job.buffer.end(), '\0');
  DWORD received = 0;
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, job.buffer.data(), kReadSize, &read)) return false;
    if (read == 0) return BodyIsComplete(received, announced);
    if (!file.Write(job.buffer.data(), read)) return false;
    received += read;
    percent = DownloadPercent(received, announced);
    Post(job, WM_DOWNLOAD_PROGRESS, static_cast<WPARAM>(percent));
  }
}

bool DownloadPackage(HINTERNET internet, Job& job, const std::string& packageUrl) {
  const std::wstring url = Widen(packageUrl);
  if (!IsHttpsUrl(url)) return false;
  const InternetHandle request = OpenUrl(internet, url);
  if (!request || !IsHttpsUrl(FinalUrl(request.get()))) return false;
  if (QueryNumber(request.get(), HTTP_QUERY_STATUS_CODE) != 200) return false;
  const DWORD announced = QueryNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH);

  if (!FormPackagePath()) return false;
  int percent = 0;
  bool complete = false;
  {
    PackageFile file;
    if (!file.Create(PackagePath)) return false;
    complete =
        TransferBody(request.get(), job, file, announced, percent) && file.Seal(PackageLock());
  }  // closed before it is removed
  if (!complete) {
    DeletePackageFile();
    return false;
  }
  Post(job, WM_DOWNLOAD_DONE, static_cast<WPARAM>(percent));
  return true;
}

bool Run(Job& job) {
  const InternetHandle internet = OpenInternet();
  if (!internet) return Fail(job);
  SendInstallReport(internet.get(), job.hosts.statistics);
  std::string packageUrl;
  if (!QueryPackageUrl(internet.get(), job, packageUrl) ||
      !DownloadPackage(internet.get(), job, packageUrl)) {
    return Fail(job);
  }
  return true;
}

// The thread: 1 when the package arrived, 0 on every failure.
DWORD DownloadWorker(Job& job) {
  return Run(job) ? 1 : 0;
}

}  // namespace

bool StartDownloadWorker(HWND window, const ServiceHosts& hosts) {
  return StartDetachedThread<Job, DownloadWorker>(std::make_unique<Job>(Job{window, hosts}));
}

}  // namespace lumo
