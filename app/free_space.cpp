#include "app/free_space.h"

namespace lumo {

FreeSpaceText FormatFreeSpace(const std::wstring& path, const FreeBytesQuery& freeBytes) {
  const std::size_t colon = path.find(L":\\");
  if (colon == std::wstring::npos) return {L"0M", SpaceVerdict::Unchanged};

  const std::optional<std::uint64_t> bytes = freeBytes(path.substr(0, colon + 2));
  if (!bytes) return {L"0M", SpaceVerdict::TooLittle};

  const SpaceVerdict verdict =
      *bytes >= kRequiredFreeBytes ? SpaceVerdict::Enough : SpaceVerdict::TooLittle;
  constexpr std::uint64_t kGiB = 1ull << 30;
  if (*bytes >= kGiB) return {std::to_wstring(*bytes >> 30) + L"G", verdict};
  return {std::to_wstring(*bytes >> 20) + L"M", verdict};
}

}  // namespace lumo
