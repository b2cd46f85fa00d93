#include "report/stored_constants.h"

namespace lumo {

const std::string StoredKey = "M4q7#k29&zr5P81n";

// The operators of the statistics service hold the plain texts of these two;
// they are made with `lumo-report encrypt` under StoredKey.
const std::string DataKeyCipherText =
    "D7E58846C2BC82BC4881BBC9D78E3960663C66CA8A838D824ACCF66E4153166A";
const std::string SignatureSaltCipherText =
    "4CAE7221BACD000CE126A5E03DE591A9A29D60BDF1A9CFB1951368275C9BCBBD"
    "1F84716CF0C544DBA2CA51170AEA5AA0";

}  // namespace lumo
