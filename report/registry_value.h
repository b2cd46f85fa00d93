// Reading a registry value's raw bytes (Windows only).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace lumo {

// The bytes the registry returns for `valueName` under `root`\`subKey`,
// whatever the value's type; a string value may come with or without its
// terminating zero. False when the key or value is missing or larger than
// `capacity` bytes.
bool ReadRegistryValueBytes(HKEY root, const std::string& subKey, const char* valueName,
                            std::size_t capacity, std::string& bytes);

// The bytes before the first zero byte.
std::string UpToFirstZero(const std::string& bytes);

}  // namespace lumo
