#include "report/string_cipher.h"

#include <openssl/evp.h>

#include <cctype>
#include <cstdint>
#include <memory>
#include <vector>

namespace lumo {
namespace {

constexpr std::size_t kBlockSize = 16;

const EVP_CIPHER* CipherForKey(const std::string& key) {
  switch (key.size()) {
    case 16: return EVP_aes_128_cbc();
    case 24: return EVP_aes_192_cbc();
    case 32: return EVP_aes_256_cbc();
    default: return nullptr;
  }
}

struct CipherContextDeleter {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

// Runs `input` through the cipher in one update and the final step. Returns
// false, leaving `output` unspecified, when the library reports a failure
// (a bad padding or length when deciphering).
bool RunCipher(const std::string& key, bool encrypt, const unsigned char* input, std::size_t length,
               std::vector<unsigned char>& output) {
  const EVP_CIPHER* cipher = CipherForKey(key);
  if (cipher == nullptr || length > static_cast<std::size_t>(INT32_MAX) - kBlockSize) {
    return false;
  }
  CipherContext context(EVP_CIPHER_CTX_new());
  if (!context) return false;
  const unsigned char iv[kBlockSize] = {};
  const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
  if (EVP_CipherInit_ex(context.get(), cipher, nullptr, keyBytes, iv, encrypt ? 1 : 0) != 1) {
    return false;
  }
  output.resize(kBlockSize * (length / kBlockSize + 1));
  int updated = 0;
  int finished = 0;
  if (EVP_CipherUpdate(context.get(), output.data(), &updated, input, static_cast<int>(length)) !=
          1 ||
      EVP_CipherFinal_ex(context.get(), output.data() + updated, &finished) != 1) {
    return false;
  }
  output.resize(static_cast<std::size_t>(updated) + static_cast<std::size_t>(finished));
  return true;
}

unsigned char HexDigitValue(char c) {
  auto d = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)) - 48);
  if (d > 9) d = static_cast<unsigned char>(d - 7);
  return d;
}

}  // namespace

void EncryptToHex(std::string key, std::string plainText, std::string& out) {
  std::vector<unsigned char> cipherText;
  if (RunCipher(key, true, reinterpret_cast<const unsigned char*>(plainText.data()),
                plainText.size(), cipherText)) {
    out = BytesToHex(cipherText.data(), cipherText.size());
  }
}

void DecryptFromHex(std::string key, std::string hexText, std::string& out) {
  if (CipherForKey(key) == nullptr) return;
  const std::string cipherText = HexToBytes(hexText, hexText.size() / 2);
  std::vector<unsigned char> plain;
  if (RunCipher(key, false, reinterpret_cast<const unsigned char*>(cipherText.data()),
                cipherText.size(), plain)) {
    std::string text(plain.begin(), plain.end());
    out = text.substr(0, text.find('\0'));
  }
}

bool TryDecryptFromHex(const std::string& key, const std::string& hexText, std::string& plain) {
  // A deciphered text stops before its first zero byte, so a lone zero byte
  // survives only a failure.
  plain.assign(1, '\0');
  DecryptFromHex(key, hexText, plain);
  return plain.find('\0') == std::string::npos;
}

std::string BytesToHex(const unsigned char* bytes, std::size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(2 * count, '0');
  for (std::size_t i = 0; i < count; ++i) {
    text[2 * i] = kDigits[bytes[i] >> 4];
    text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
  }
  return text;
}

std::string HexToBytes(const std::string& text, std::size_t count) {
  if (count > text.size() / 2) count = text.size() / 2;
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned value = HexDigitValue(text[2 * i]) * 16u + HexDigitValue(text[2 * i + 1]);
    bytes[i] = static_cast<char>(value & 0xFF);
  }
  return bytes;
}

std::string Md5DigestText(const std::string& text) {
  // The digest is printed from a 32-byte field of which only the first half
  // is the digest: the service expects 64 characters.
  unsigned char field[32] = {};
  unsigned int length = 0;
  if (EVP_Digest(text.data(), text.size(), field, &length, EVP_md5(), nullptr) != 1) {
    return std::string();
  }
  return BytesToHex(field, sizeof field);
}

}  // namespace lumo
