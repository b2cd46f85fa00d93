#include "ui/controls/progress_arithmetic.h"

#include <climits>
#include <cstdint>

namespace Veneer {

void CorrectProgressRange(int& minimum, int& maximum, int& value) {
  if (minimum >= maximum) {
    if (minimum == INT_MAX) minimum = INT_MAX - 1;  // minimum + 1 must exist
    maximum = minimum + 1;
  }
  if (value < minimum) value = minimum;
  if (value > maximum) value = maximum;
}

// The products fit in 64 bits: the extent is below 2^31, the part of the
// range below 2^32.
IntRect ProgressForeground(int width, int height, int minimum, int maximum, int value,
                           bool horizontal) {
  const std::int64_t range = std::int64_t{maximum} - minimum;
  if (horizontal) {
    const auto filled = std::int64_t{width} * (std::int64_t{value} - minimum) / range;
    return {0, 0, static_cast<int>(filled), height};
  }
  const auto empty = std::int64_t{height} * (std::int64_t{maximum} - value) / range;
  return {0, static_cast<int>(empty), width, height};
}

}  // namespace Veneer
