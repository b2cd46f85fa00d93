// Keys and enciphered constants of the event report. The data key and the
// signature salt are stored enciphered under StoredKey and deciphered afresh
// wherever they are needed; their plain texts are never kept.
#pragma once

#include <string>

namespace lumo {

extern const std::string StoredKey;
extern const std::string DataKeyCipherText;
extern const std::string SignatureSaltCipherText;
constexpr const char ReportKey[] = "H7&D3K9#2c4E#6Bf";

}  // namespace lumo
