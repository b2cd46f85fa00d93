// The location's state and the steps a window takes when it is created.
#include "ui/markup/skin_location.h"

#include <vector>

#include "ui/markup/program_resource.h"

namespace Veneer {
namespace {

// The folder of `module`'s file, up to and including its last "\".
std::wstring ModuleFolder(HMODULE module) {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      const std::wstring file(path.data(), length);
      return file.substr(0, file.rfind(L'\\') + 1);
    }
    if (path.size() >= 32768) return std::wstring();
    path.resize(path.size() * 2);
  }
}

}  // namespace

SkinLocation& SkinLocation::Process() {
  static SkinLocation location;
  return location;
}

SkinLocation::SkinLocation() = default;
SkinLocation::~SkinLocation() = default;

HINSTANCE SkinLocation::ResourceModule() const {
  return module_ != nullptr ? module_ : GetModuleHandleW(nullptr);
}

bool SkinLocation::PrepareForWindow(const SkinRequest& request) {
  if (resourceFolder_.empty()) SetResourceFolder(request.folder);
  switch (request.kind) {
    case SkinSource::FromZipFile: UseArchiveFile(request.archiveName); return true;
    case SkinSource::FromZipResource: return UseArchiveResource(request.resourceId);
    case SkinSource::FromFolder:
    case SkinSource::FromResource: break;
  }
  return true;
}

void SkinLocation::SetResourceFolder(const wchar_t* skinFolder) {
  std::wstring folder = ModuleFolder(ResourceModule());
  if (skinFolder != nullptr) folder += skinFolder;
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  resourceFolder_ = folder;
}

// Opens the archive file unless this very archive is already kept open; a
// file that can't be opened leaves the location with no archive handle.
void SkinLocation::UseArchiveFile(const wchar_t* archiveName) {
  const std::wstring name = archiveName != nullptr ? archiveName : L"";
  if (archiveName_ == name && archiveKeptOpen_) return;
  archive_.reset();
  archiveName_ = name;
  archiveKeptOpen_ = true;
  archive_ = ZipArchive::OpenFile((resourceFolder_ + name).c_str());
}

// The resource's bytes stay mapped for the life of the module, so the archive
// reads them in place. Once the resource archive is in use it is not reopened.
bool SkinLocation::UseArchiveResource(const wchar_t* resourceId) {
  DWORD size = 0;
  const unsigned char* bytes =
      LockedResource(ResourceModule(), kZipResourceType, resourceId, &size);
  if (bytes == nullptr) return false;
  if (archiveName_ == kResourceArchiveName) return true;
  archive_.reset();
  archiveName_ = kResourceArchiveName;
  archiveKeptOpen_ = true;
  archive_ = ZipArchive::OpenMemory(bytes, size);
  return true;
}

}  // namespace Veneer
