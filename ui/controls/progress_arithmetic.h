// How much of a progress bar its value fills. Platform-neutral.
#pragma once

#include "ui/core/int_rect.h"

namespace Veneer {

// An inverted or empty range gets maximum := minimum + 1, and the value is
// clamped into the range.
void CorrectProgressRange(int& minimum, int& maximum, int& value);

// The foreground of a bar of `width` x `height` whose range has been
// corrected: the left part (horizontal) or the bottom part (vertical), in
// the bar's own coordinates; the extent truncates (480 px, 0-100, 37: 177).
IntRect ProgressForeground(int width, int height, int minimum, int maximum, int value,
                           bool horizontal);

}  // namespace Veneer
