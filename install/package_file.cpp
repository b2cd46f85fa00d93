#include "install/package_file.h"

#include <openssl/evp.h>

#include <algorithm>

namespace lumo {
namespace {

FileHandle OpenForReading(const std::wstring& path, DWORD share) {
  return FileHandle(
      CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

}  // namespace

struct PackageFile::Sha256 {
  Sha256() : context(EVP_MD_CTX_new()) {
    ok = context != nullptr && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
  }
  ~Sha256() { EVP_MD_CTX_free(context); }
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void Update(const void* bytes, std::size_t size) {
    ok = ok && EVP_DigestUpdate(context, bytes, size) == 1;
  }
  bool Matches(const std::array<std::uint8_t, 32>& expected) {
    unsigned char actual[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    return ok && EVP_DigestFinal_ex(context, actual, &length) == 1 && length == expected.size() &&
           std::equal(expected.begin(), expected.end(), actual);
  }

  EVP_MD_CTX* context;
  bool ok = false;
};

PackageFile::PackageFile() = default;

PackageFile::~PackageFile() {
  if (!created_ || sealed_) return;
  writer_.reset();
  DeleteFileW(path_.c_str());
}

bool PackageFile::Create(const std::wstring& path, const PackageDigest& expected) {
  if (expected.kind == PackageDigest::Kind::kMalformed) return false;
  // Everything that can fail comes before the file exists.
  if (expected.kind == PackageDigest::Kind::kSha256) {
    sha256_ = std::make_unique<Sha256>();
    if (!sha256_->ok) return false;
  }
  path_ = path;
  expected_ = expected;
  writer_.reset(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  created_ = writer_.valid();
  return created_;
}

bool PackageFile::Write(const void* bytes, DWORD size) {
  DWORD written = 0;
  if (!::WriteFile(writer_.get(), bytes, size, &written, nullptr) || written != size) return false;
  if (sha256_) sha256_->Update(bytes, size);
  return true;
}

bool PackageFile::Seal(FileHandle& lock) {
  if (sha256_ && !sha256_->Matches(expected_.sha256)) return false;
  // The writer denies others writing; a bridge handle that tolerates it is
  // needed to open the read-only lock, which can't coexist with a writer.
  FileHandle bridge = OpenForReading(path_, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (!bridge || !CloseHandle(writer_.release())) return false;
  FileHandle sealed = OpenForReading(path_, FILE_SHARE_READ);
  bridge.reset();
  if (!sealed) return false;
  lock = std::move(sealed);
  sealed_ = true;
  return true;
}

}  // namespace lumo
