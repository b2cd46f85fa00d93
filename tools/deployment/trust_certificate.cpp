// trust_certificate CA.der: adds a CA certificate to the local machine's
// "ROOT" store of the wine prefix it runs in, so that WinINet accepts the
// local deployment's certificate there and nowhere else.
#include <windows.h>
#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: trust_certificate CA.der\n", stderr);
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::vector<unsigned char> der((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
  if (der.empty()) {
    std::fputs("trust_certificate: can't read the certificate\n", stderr);
    return 1;
  }
  HCERTSTORE store =
      CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"ROOT");
  if (store == nullptr) {
    std::fprintf(stderr, "trust_certificate: no ROOT store (%lu)\n", GetLastError());
    return 1;
  }
  const BOOL added = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                                      static_cast<DWORD>(der.size()),
                                                      CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  const DWORD error = GetLastError();
  CertCloseStore(store, 0);
  if (!added) {
    std::fprintf(stderr, "trust_certificate: not added (%lu)\n", error);
    return 1;
  }
  return 0;
}
