// The free-space label of the custom page and the verdict whether the volume
// of the chosen folder has room for the browser. Platform-neutral: the free
// bytes come from a query the caller gives.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

// At least this much must be free on the volume: 500 MiB.
inline constexpr std::uint64_t kRequiredFreeBytes = 500ull << 20;

enum class SpaceVerdict {
  Unchanged,  // the path names no drive root: the previous verdict stands
  Enough,
  TooLittle,  // also when the volume can't be asked
};

struct FreeSpaceText {
  std::wstring label;  // "37G", "1023M", "0M"
  SpaceVerdict verdict;
};

// The volume's total free bytes for a root such as "D:\", or nothing when
// the volume can't be asked (no such drive, drive not ready).
using FreeBytesQuery = std::function<std::optional<std::uint64_t>(const std::wstring& root)>;

// For a normalised path: the root is the text up to its first ":\" (D:\ for
// D:\Games\X). Without one the label is "0M" and the verdict Unchanged. Free
// bytes from 2^30 up show as whole GiB ("1G"), less as whole MiB ("1023M").
FreeSpaceText FormatFreeSpace(const std::wstring& path, const FreeBytesQuery& freeBytes);

}  // namespace lumo
