// The bytes of a skin file for the picture loader, through the process-wide
// skin location: the skin archive when one is set, else the file under the
// resource folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Veneer {

// False when the skin has no such file (or it is empty); the caller then
// reads the name as an ordinary path.
bool ReadSkinPicture(const std::wstring& name, std::vector<std::uint8_t>& bytes);

}  // namespace Veneer
