// Buffers sized from what a file or an archive claims: a size that can't be
// allocated is a failed read, not an exception.
#pragma once

#include <new>
#include <vector>

namespace Veneer {

inline bool TryResize(std::vector<unsigned char>* bytes, size_t size) {
  try {
    bytes->resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace Veneer
