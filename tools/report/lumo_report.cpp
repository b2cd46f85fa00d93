// lumo-report: the statistics operators' tool for the texts of the event
// report. Prints exactly what the installer would produce, and reads the
// reports it sends.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "report/report_verifier.h"
#include "report/string_cipher.h"

namespace {

int Usage() {
  std::fputs(
      "usage: lumo-report encrypt KEY TEXT   cipher text of TEXT under KEY (uppercase hex)\n"
      "       lumo-report decrypt KEY HEX    plain text of HEX under KEY\n"
      "       lumo-report digest TEXT        64-character digest text of TEXT\n"
      "       lumo-report verify [QUERY]     check a report query or address (- or none:\n"
      "                                      one line from standard input)\n"
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

int Cipher(const std::string& command, const std::string& key, const std::string& text) {
  if (!KeyLengthSelectsACipher(key)) {
    return PrintOrFail("", false, "the key must be 16, 24 or 32 bytes long");
  }
  std::string out;
  if (command == "encrypt") {
    lumo::EncryptToHex(key, text, out);
    return PrintOrFail(out, !out.empty(), "encryption failed");
  }
  const bool ok = lumo::TryDecryptFromHex(key, text, out);
  return PrintOrFail(out, ok, "not a cipher text under this key (length or padding)");
}

// A received text for the terminal: bytes other than printable ASCII as \xNN.
std::string Printable(const std::string& text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      shown += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown += escape;
    }
  }
  return shown;
}

// The fields one a line, the deciphered ones with their plain text below.
int Verify(const std::string& report) {
  const lumo::ReportVerdict verdict = lumo::VerifyEventReport(report);
  for (const auto& field : verdict.fields) {
    std::printf("%-11s %s\n", field.key.c_str(), Printable(field.value).c_str());
    if (field.enciphered) {
      std::printf("%-11s   deciphered: %s\n", "", Printable(field.deciphered).c_str());
    }
  }
  if (!verdict.accepted) {
    std::fprintf(stderr, "lumo-report: report refused: %s\n", Printable(verdict.reason).c_str());
    return 1;
  }
  std::printf("report accepted: keys, order, cipher texts and signature check\n");
  return 0;
}

std::string LineFromStandardInput() {
  std::string line;
  std::getline(std::cin, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "verify" && argc <= 3) {
    const bool fromInput = argc == 2 || std::strcmp(argv[2], "-") == 0;
    return Verify(fromInput ? LineFromStandardInput() : argv[2]);
  }
  if (command == "digest" && argc == 3) {
    return PrintOrFail(lumo::Md5DigestText(argv[2]), true, "");
  }
  if ((command == "encrypt" || command == "decrypt") && argc == 4) {
    return Cipher(command, argv[2], argv[3]);
  }
  return Usage();
}
