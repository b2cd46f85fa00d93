#include "install/package_folder.h"

#include <windows.h>
#include <bcrypt.h>
#include <sddl.h>

#include <ctime>

#include "install/package_path.h"

namespace lumo {
namespace {

constexpr wchar_t kFolderSecurity[] = L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
constexpr int kAttempts = 16;

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH) return std::wstring();
  return std::wstring(folder, length);
}

// "lumo-" and 128 random bits in hexadecimal; "" when the system's random
// source fails.
std::wstring UnpredictableName() {
  unsigned char bytes[16];
  if (!BCRYPT_SUCCESS(
          BCryptGenRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
    return std::wstring();
  }
  std::wstring name = L"lumo-";
  for (const unsigned char byte : bytes) {
    name += L"0123456789abcdef"[byte >> 4];
    name += L"0123456789abcdef"[byte & 15];
  }
  return name;
}

}  // namespace

SecurityDescriptor PackageFolderSecurity() {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kFolderSecurity, SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return nullptr;
  }
  return SecurityDescriptor(descriptor);
}

bool CreatePackageFolder() {
  const std::wstring temporary = TemporaryFolder();
  if (temporary.empty()) return false;
  const SecurityDescriptor descriptor = PackageFolderSecurity();
  if (!descriptor) return false;
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor.get(), FALSE};
  // Whatever stands at a name already (a folder, a file, a link) was not
  // made here: never use it, draw another name.
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::wstring name = UnpredictableName();
    if (name.empty()) return false;
    const std::wstring folder = temporary + name;
    if (CreateDirectoryW(folder.c_str(), &attributes)) {
      PackageFolder = folder;
      PackagePath =
          folder + L"\\" + std::to_wstring(static_cast<long long>(std::time(nullptr))) + L".exe";
      return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return false;
}

}  // namespace lumo
