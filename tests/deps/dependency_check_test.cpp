// Proves that each statically linked library works in the Windows build.
#include <curl/curl.h>
#include <json/json.h>
#include <openssl/evp.h>
#include <zlib.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string Hex(const unsigned char* bytes, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    static const char kDigits[] = "0123456789ABCDEF";
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

TEST(Dependencies, LibcryptoAes128CbcKnownAnswer) {
  // printf abc | openssl enc -aes-128-cbc -K $(printf %s 0123456789abcdef | xxd -p)
  //   -iv 00000000000000000000000000000000 | xxd -p -u
  const unsigned char key[] = "0123456789abcdef";
  const unsigned char iv[16] = {};
  std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(),
                                                                          EVP_CIPHER_CTX_free);
  unsigned char out[32];
  int updated = 0;
  int finished = 0;
  ASSERT_EQ(EVP_EncryptInit_ex(context.get(), EVP_aes_128_cbc(), nullptr, key, iv), 1);
  ASSERT_EQ(EVP_EncryptUpdate(context.get(), out, &updated,
                              reinterpret_cast<const unsigned char*>("abc"), 3),
            1);
  ASSERT_EQ(EVP_EncryptFinal_ex(context.get(), out + updated, &finished), 1);
  EXPECT_EQ(Hex(out, updated + finished), "1D25821C3E311EEA2D4DD8633A25C1B5");
}

TEST(Dependencies, LibcryptoMd5KnownAnswer) {
  // printf abc | openssl dgst -md5
  unsigned char digest[16];
  unsigned int length = 0;
  ASSERT_EQ(EVP_Digest("abc", 3, digest, &length, EVP_md5(), nullptr), 1);
  EXPECT_EQ(Hex(digest, static_cast<int>(length)), "900150983CD24FB0D6963F7D28E17F72");
}

TEST(Dependencies, LibcryptoSha256KnownAnswer) {
  // printf abc | sha256sum
  unsigned char digest[32];
  unsigned int length = 0;
  ASSERT_EQ(EVP_Digest("abc", 3, digest, &length, EVP_sha256(), nullptr), 1);
  EXPECT_EQ(Hex(digest, static_cast<int>(length)),
            "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
}

TEST(Dependencies, JsoncppParses) {
  Json::Value root;
  Json::CharReaderBuilder builder;
  std::string errors;
  const std::string text =
      R"([{"status": 1, "version": "2.0.1", "files": {"url": "https://x/y"}}])";
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  ASSERT_TRUE(reader->parse(text.data(), text.data() + text.size(), &root, &errors)) << errors;
  ASSERT_TRUE(root.isArray());
  EXPECT_EQ(root[0]["status"].asInt(), 1);
  EXPECT_EQ(root[0]["files"]["url"].asString(), "https://x/y");
}

TEST(Dependencies, ZlibRawInflate) {
  // zlib.compressobj(9, zlib.DEFLATED, -15) of the text below, in Python.
  unsigned char deflated[] = {0xF3, 0x29, 0xCD, 0xCD, 0x57, 0x28, 0xCE, 0xCE,
                              0xCC, 0xD3, 0x51, 0xF0, 0xC1, 0xC2, 0x04, 0x00};
  char out[64] = {};
  z_stream stream = {};
  ASSERT_EQ(inflateInit2(&stream, -MAX_WBITS), Z_OK);
  stream.next_in = deflated;
  stream.avail_in = sizeof deflated;
  stream.next_out = reinterpret_cast<Bytef*>(out);
  stream.avail_out = sizeof out;
  EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
  inflateEnd(&stream);
  EXPECT_EQ(std::string(out, stream.total_out), "Lumo skin, Lumo skin, Lumo skin");
}

TEST(Dependencies, StbImageDecodesAPng) {
  // A 2 x 1 RGBA picture: opaque red, then half-transparent blue.
  const unsigned char png[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
      0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xF4,
      0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00, 0x0E, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
      0xCF, 0xC0, 0x00, 0x42, 0x0D, 0x00, 0x0F, 0x7A, 0x03, 0x7E, 0x77, 0xE9, 0x7F, 0x97, 0x00,
      0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  int width = 0;
  int height = 0;
  int channels = 0;
  std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
      stbi_load_from_memory(png, sizeof png, &width, &height, &channels, 4), stbi_image_free);
  ASSERT_TRUE(pixels) << stbi_failure_reason();
  EXPECT_EQ(width, 2);
  EXPECT_EQ(height, 1);
  EXPECT_EQ(Hex(pixels.get(), 8), "FF0000FF0000FF80");
}

TEST(Dependencies, CurlGlobalInitAndCleanup) {
  EXPECT_EQ(curl_global_init(CURL_GLOBAL_ALL), CURLE_OK);
  curl_global_cleanup();
}

}  // namespace
