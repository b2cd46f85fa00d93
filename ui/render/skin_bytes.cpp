#include "ui/render/skin_bytes.h"

namespace Veneer {

// The skin location arrives with the skin archive reader; until then no skin
// is set and every picture is read by its path.
bool ReadSkinPicture(const std::wstring&, std::vector<std::uint8_t>&) {
  return false;
}

}  // namespace Veneer
