// Text-to-text cipher and digest of the event report.
//
// AES in CBC mode with a zero initialisation vector and PKCS#7 padding; the
// key's length picks AES-128, -192 or -256 and any other length does nothing.
// Cipher texts and digests are uppercase hexadecimal. Every operation works on
// narrow byte strings and never fails outward: on failure `out` is untouched.
#pragma once

#include <cstddef>
#include <string>

namespace lumo {

void EncryptToHex(std::string key, std::string plainText, std::string& out);

// The deciphered bytes up to the first zero byte; a trailing odd hex digit is
// ignored.
void DecryptFromHex(std::string key, std::string hexText, std::string& out);

// DecryptFromHex that tells a failure from a valid cipher text of the empty
// text: false, with `plain` unspecified, when `hexText` doesn't decipher.
bool TryDecryptFromHex(const std::string& key, const std::string& hexText, std::string& plain);

std::string BytesToHex(const unsigned char* bytes, std::size_t count);

// Decodes up to `count` bytes from the first 2 * count characters. There is
// no validation: other characters than hex digits decode arithmetically.
std::string HexToBytes(const std::string& text, std::size_t count);

// 32 uppercase hex digits of the MD5 digest followed by 32 "0": the form the
// statistics service expects.
std::string Md5DigestText(const std::string& text);

}  // namespace lumo
