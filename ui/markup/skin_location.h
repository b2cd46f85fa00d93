// Where a skin's files come from. A skin is a set of layouts and pictures in
// a folder, in a ZIP archive in that folder, or in one ZIP archive stored
// among the program's resources. Every skinned window, when it is created,
// sets the one process-wide location (PrepareForWindow); every later window
// and every loader of layouts, pictures and animations reads through it.
// UI thread only; no lock.
//
// Contract of the process-wide location:
// - the resource folder is set by the first window that asks for one: the
//   program's folder (up to and including its last "\") + the window's skin
//   folder, ending with "\" or "/" once it is not empty; it never changes
//   afterwards;
// - the archive (name, kept-open flag, handle) is set by windows whose skin is
//   an archive file (FromZipFile) or the "ZIPRES" resource (FromZipResource,
//   archive name "membuffer"); once an archive is in use, every window reads
//   from it, whatever its own kind (a FromFolder window created after the
//   installer window reads its layout from the resource archive);
// - nothing resets it: it lives as long as the process.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/markup/zip_archive.h"

namespace Veneer {

// How a window's skin is stored (the window's SkinSourceKind).
enum class SkinSource : int {
  FromFolder = 1,       // files under the resource folder (unless an archive is in use)
  FromZipFile = 2,      // the archive file SkinArchiveName in the resource folder
  FromResource = 3,     // the layout is the "xml" resource numbered by SkinFileName
  FromZipResource = 4,  // the archive stored as the "ZIPRES" resource SkinResourceId
};

// The archive name that stands for the archive in the program's resources.
inline constexpr wchar_t kResourceArchiveName[] = L"membuffer";
// The resource type of an archive stored among the program's resources.
inline constexpr wchar_t kZipResourceType[] = L"ZIPRES";
// The largest layout LoadSkinFile accepts, in bytes.
inline constexpr size_t kMaxLayoutBytes = 4194304;

// What a window reports about its skin when it is created.
struct SkinRequest {
  const wchar_t* folder = L"";  // SkinFolder, relative to the program's folder
  SkinSource kind = SkinSource::FromFolder;
  const wchar_t* archiveName = L"";  // SkinArchiveName (FromZipFile)
  const wchar_t* resourceId =
      nullptr;  // SkinResourceId (FromZipResource), e.g. MAKEINTRESOURCEW(132)
};

// Why reading a skin file failed (LoadSkinFile turns these into its error texts).
enum class SkinRead {
  kDone,
  kNoArchive,     // an archive name is set but no archive could be opened
  kNotInArchive,  // the archive has no entry of that name
  kEmpty,         // the entry or file has size 0
  kTooLarge,      // larger than the limit asked for
  kUnzipFailed,   // the entry could not be extracted
  kOpenFailed,    // no archive, and the file cannot be opened
  kShortRead,     // no archive, and the file is shorter than its size when read
};

class SkinLocation {
 public:
  // The location the whole process shares; starts empty.
  static SkinLocation& Process();

  // An empty location of its own (tests; the program uses Process()).
  SkinLocation();
  ~SkinLocation();
  SkinLocation(const SkinLocation&) = delete;
  SkinLocation& operator=(const SkinLocation&) = delete;

  const std::wstring& ResourceFolder() const { return resourceFolder_; }
  // Empty when no archive is in use; kResourceArchiveName for the resource archive.
  const std::wstring& ArchiveName() const { return archiveName_; }
  // Set together with the archive name and never cleared, so the loaders
  // never open an archive of their own.
  bool ArchiveKeptOpen() const { return archiveKeptOpen_; }
  // The kept-open archive; none when there is none or opening it failed.
  ZipArchive* Archive() const { return archive_.get(); }

  // The module whose folder and resources the skin comes from: the one set,
  // else the program's own. The entry point hands it over once at start-up.
  void SetResourceModule(HINSTANCE module) { module_ = module; }
  HINSTANCE ResourceModule() const;

  // Sets the location for a window that is being created (before its layout
  // is built). False when the window's creation must stop quietly: a
  // FromZipResource skin whose resource is missing, unloadable or empty.
  bool PrepareForWindow(const SkinRequest& request);

  // Reads the skin file `name` whole: from the archive when one is in use,
  // else from the resource folder. Files larger than `limit` bytes are refused.
  SkinRead ReadSkinFile(const wchar_t* name, size_t limit, std::vector<unsigned char>* bytes) const;

  // The lookup of the picture and animation loaders: the skin file `name`
  // (no size limit), or, when the skin has no such file, the file at `name`
  // itself (absolute, or relative to the current folder). False when neither
  // can be read; the loaders fail silently.
  bool ReadSkinOrPlainFile(const wchar_t* name, std::vector<unsigned char>* bytes) const;
  // The resource `id` of `type` in the resource module, copied out (pictures
  // that name a resource type, layouts of FromResource skins). False when it
  // is missing or empty.
  bool ReadResource(const wchar_t* type, const wchar_t* id,
                    std::vector<unsigned char>* bytes) const;

 private:
  void SetResourceFolder(const wchar_t* skinFolder);
  void UseArchiveFile(const wchar_t* archiveName);
  bool UseArchiveResource(const wchar_t* resourceId);
  SkinRead ReadFromArchive(const wchar_t* name, size_t limit,
                           std::vector<unsigned char>* bytes) const;

  HINSTANCE module_ = nullptr;
  std::wstring resourceFolder_;
  std::wstring archiveName_;
  bool archiveKeptOpen_ = false;
  std::unique_ptr<ZipArchive> archive_;
};

}  // namespace Veneer
