// lumo-report: the statistics operators' tool for the texts of the event
// report. Prints exactly what the installer would produce.
#include <cstdio>
#include <cstring>
#include <string>

#include "report/string_cipher.h"

namespace {

int Usage() {
  std::fputs(
      "usage: lumo-report encrypt KEY TEXT   cipher text of TEXT under KEY (uppercase hex)\n"
      "       lumo-report decrypt KEY HEX    plain text of HEX under KEY\n"
      "       lumo-report digest TEXT        64-character digest text of TEXT\n"
      "KEY is 16, 24 or 32 bytes (AES-128, -192, -256 in CBC mode, zero IV).\n",
      stderr);
  return 2;
}

int PrintOrFail(const std::string& text, bool ok, const char* failure) {
  if (!ok) {
    std::fprintf(stderr, "lumo-report: %s\n", failure);
    return 1;
  }
  std::printf("%s\n", text.c_str());
  return 0;
}

bool KeyLengthSelectsACipher(const std::string& key) {
  return key.size() == 16 || key.size() == 24 || key.size() == 32;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "digest") == 0) {
    return PrintOrFail(lumo::Md5DigestText(argv[2]), true, "");
  }
  if (argc != 4) return Usage();
  const std::string command = argv[1];
  const std::string key = argv[2];
  if (command != "encrypt" && command != "decrypt") return Usage();
  if (!KeyLengthSelectsACipher(key)) {
    return PrintOrFail("", false, "the key must be 16, 24 or 32 bytes long");
  }
  std::string out;
  if (command == "encrypt") {
    lumo::EncryptToHex(key, argv[3], out);
    return PrintOrFail(out, !out.empty(), "encryption failed");
  }
  // A valid cipher text may decipher to the empty text; tell it from a
  // failure by a marker the decipherment would replace.
  out = "\x01";
  lumo::DecryptFromHex(key, argv[3], out);
  return PrintOrFail(out, out != "\x01", "not a cipher text under this key (length or padding)");
}
