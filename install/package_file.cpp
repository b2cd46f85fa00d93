#include "install/package_file.h"

#include <openssl/evp.h>

#include <cstring>
#include <vector>

namespace lumo {
namespace {

constexpr DWORD kVerifyChunk = 131072;

FileHandle OpenForReading(const std::wstring& path, DWORD share) {
  return FileHandle(
      CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

}  // namespace

// MD5 of the bytes written, to compare with what the file holds. A second
// preimage would be needed to slip other bytes past it, which MD5 still
// resists; it is the digest the installer links anyway, and the fastest.
struct PackageFile::Digest {
  Digest() : context(EVP_MD_CTX_new()) {
    ok = context != nullptr && EVP_DigestInit_ex(context, EVP_md5(), nullptr) == 1;
  }
  ~Digest() { EVP_MD_CTX_free(context); }
  Digest(const Digest&) = delete;
  Digest& operator=(const Digest&) = delete;

  void Update(const void* bytes, std::size_t size) {
    ok = ok && EVP_DigestUpdate(context, bytes, size) == 1;
  }
  bool Final(unsigned char (&out)[EVP_MAX_MD_SIZE]) {
    unsigned int length = 0;
    return ok && EVP_DigestFinal_ex(context, out, &length) == 1;
  }

  EVP_MD_CTX* context;
  bool ok = false;
};

PackageFile::PackageFile() = default;
PackageFile::~PackageFile() = default;

bool PackageFile::Create(const std::wstring& path) {
  path_ = path;
  digest_ = std::make_unique<Digest>();
  writer_.reset(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  return writer_.valid() && digest_->ok;
}

bool PackageFile::Write(const void* bytes, DWORD size) {
  DWORD written = 0;
  if (!::WriteFile(writer_.get(), bytes, size, &written, nullptr) || written != size) return false;
  digest_->Update(bytes, size);
  return true;
}

bool PackageFile::Seal(FileHandle& lock) {
  // The writer denies others writing; a bridge handle that tolerates it is
  // needed to open the read-only lock, which can't coexist with a writer.
  FileHandle bridge = OpenForReading(path_, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (!bridge || !CloseHandle(writer_.release())) return false;
  FileHandle sealed = OpenForReading(path_, FILE_SHARE_READ);
  bridge.reset();
  if (!sealed) return false;

  Digest onDisk;
  std::vector<unsigned char> chunk(kVerifyChunk);
  DWORD read = 0;
  while (ReadFile(sealed.get(), chunk.data(), kVerifyChunk, &read, nullptr) && read > 0) {
    onDisk.Update(chunk.data(), read);
  }
  unsigned char expected[EVP_MAX_MD_SIZE];
  unsigned char actual[EVP_MAX_MD_SIZE];
  if (!digest_->Final(expected) || !onDisk.Final(actual) ||
      std::memcmp(expected, actual, 16) != 0) {
    return false;
  }
  lock = std::move(sealed);
  return true;
}

}  // namespace lumo
