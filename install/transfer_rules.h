// Rules the download worker applies to a transfer. Platform-neutral.
#pragma once

#include <cstdint>
#include <string>

namespace lumo {

// received × 100 ÷ announced, in double precision and cut toward zero; 0
// when no length was announced. Above 100 for a body longer than announced,
// and at most INT_MAX however much longer it is.
int DownloadPercent(std::uint32_t received, std::uint32_t announced);

// A body that ended before its announced length was cut off: the
// connection broke, which the HTTP layer reports like a complete body.
bool BodyIsComplete(std::uint32_t received, std::uint32_t announced);

// Only https URLs are fetched: a package fetched in clear text could have
// been replaced on the way, and it is run elevated. ASCII case-insensitive.
bool IsHttpsUrl(const std::wstring& url);

}  // namespace lumo
