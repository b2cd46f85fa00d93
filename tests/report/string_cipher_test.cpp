#include "report/string_cipher.h"

#include <gtest/gtest.h>

#include "report/stored_constants.h"

namespace lumo {
namespace {

// Every known answer below comes from the OpenSSL command-line tool, not from
// the code under test:
//   printf %s PLAIN | openssl enc -aes-<bits>-cbc -K $(printf %s KEY | xxd -p)
//     -iv 00000000000000000000000000000000 | xxd -p -u
struct CipherVector {
  const char* key;
  std::string plain;
  const char* hex;
};

const CipherVector kVectors[] = {
    {"0123456789abcdef", "", "377222E061A924C591CD9C27EA163ED4"},
    {"0123456789abcdef", "Lumo game browse",
     "0E222673B7049670DA6FB7F76D1F6B97BF7107A79352BC1B67C0DA43CAC2BECD"},
    {"0123456789abcdef", "Lumo game browser",
     "0E222673B7049670DA6FB7F76D1F6B9741F44517BD58204A769D13E7593DC165"},
    {"0123456789abcdef", "Lumo game browser, 32 bytes long",
     "0E222673B7049670DA6FB7F76D1F6B970E511259D4E7460C703C5E3C2891A270"
     "D8A6EBCFAB9AC66361C9291CA5A963E1"},
    {"0123456789abcdef01234567", "Lumo game browser",
     "B6B0258EF235BD6CEA7DCAABE3F5D4E3DD01CADE19CE6D546B79DC4E709A7B63"},
    {"0123456789abcdef0123456789abcdef", "Lumo game browser",
     "990E1A35C9B104A2496C14E8DC5D314730BB253F4A1769A04A93389B64073109"},
    // printf 'ab\0cd' | openssl enc ...
    {"0123456789abcdef", std::string("ab\0cd", 5), "668F769457407BFAF0CAA8082B373AC2"},
};

TEST(StringCipher, EnciphersToTheKnownAnswers) {
  for (const auto& vector : kVectors) {
    std::string out;
    EncryptToHex(vector.key, vector.plain, out);
    EXPECT_EQ(out, vector.hex) << "key " << vector.key << ", plain \"" << vector.plain << '"';
  }
}

TEST(StringCipher, DeciphersTheKnownAnswersUpToTheFirstZeroByte) {
  for (const auto& vector : kVectors) {
    std::string out;
    DecryptFromHex(vector.key, vector.hex, out);
    EXPECT_EQ(out, vector.plain.substr(0, vector.plain.find('\0'))) << vector.hex;
  }
}

TEST(StringCipher, LowercaseAndATrailingOddDigitDecipherAlike) {
  std::string out;
  DecryptFromHex("0123456789abcdef",
                 "0e222673b7049670da6fb7f76d1f6b9741f44517bd58204a769d13e7593dc165F", out);
  EXPECT_EQ(out, "Lumo game browser");
}

TEST(StringCipher, FailuresLeaveTheOutputUntouched) {
  struct Case {
    const char* what;
    std::string key;
    std::string hex;
  };
  const Case cases[] = {
      {"15-byte key", "0123456789abcde", "377222E061A924C591CD9C27EA163ED4"},
      {"17-byte key", "0123456789abcdefg", "377222E061A924C591CD9C27EA163ED4"},
      {"empty hex", "0123456789abcdef", ""},
      {"not a whole block", "0123456789abcdef", "377222E061A924C591CD9C27EA163E"},
      // openssl enc -d answers "bad decrypt" for both of these.
      {"bad padding", "0123456789abcdef", "00112233445566778899AABBCCDDEEFF"},
      {"wrong key", "0123456789abcdeX", "377222E061A924C591CD9C27EA163ED4"},
  };
  for (const auto& c : cases) {
    std::string out = "unchanged";
    DecryptFromHex(c.key, c.hex, out);
    EXPECT_EQ(out, "unchanged") << c.what;
  }
  for (const char* key : {"0123456789abcde", "0123456789abcdefg", ""}) {
    std::string out = "unchanged";
    EncryptToHex(key, "text", out);
    EXPECT_EQ(out, "unchanged") << "key of " << std::string(key).size() << " bytes";
  }
}

TEST(StringCipher, HexConversions) {
  const unsigned char bytes[] = {0x00, 0x0F, 0xA5, 0xFF};
  EXPECT_EQ(BytesToHex(bytes, 4), "000FA5FF");
  EXPECT_EQ(HexToBytes("000fa5FF", 4), std::string("\x00\x0F\xA5\xFF", 4));
  // No validation: "G" is 'G' - 48 - 7 = 16, so "GG" is 16 * 16 + 16 = 0x10 modulo 256.
  EXPECT_EQ(HexToBytes("GG", 1), "\x10");
  EXPECT_EQ(HexToBytes("ABC", 5), "\xAB") << "never reads past the text";
}

TEST(StringCipher, DigestTextIs64CharactersEndingIn32Zeros) {
  // printf TEXT | openssl dgst -md5
  EXPECT_EQ(Md5DigestText(""), "D41D8CD98F00B204E9800998ECF8427E00000000000000000000000000000000");
  EXPECT_EQ(Md5DigestText("abc"),
            "900150983CD24FB0D6963F7D28E17F7200000000000000000000000000000000");
  EXPECT_EQ(Md5DigestText(std::string("a\0b", 3)),
            "70350F6027BCE3713F6B76473084309B00000000000000000000000000000000");
}

TEST(StoredConstants, DecipherToADataKeyAndASaltOfTheRightLengths) {
  std::string dataKey;
  std::string salt;
  DecryptFromHex(StoredKey, DataKeyCipherText, dataKey);
  DecryptFromHex(StoredKey, SignatureSaltCipherText, salt);
  EXPECT_EQ(DataKeyCipherText.size(), 64u);
  EXPECT_EQ(SignatureSaltCipherText.size(), 96u);
  EXPECT_TRUE(dataKey.size() == 16 || dataKey.size() == 24) << dataKey.size();
  EXPECT_GE(salt.size(), 32u);
  EXPECT_LE(salt.size(), 47u);
  EXPECT_EQ(std::string(ReportKey).size(), 16u);
}

}  // namespace
}  // namespace lumo
