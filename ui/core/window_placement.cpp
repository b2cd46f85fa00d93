#include "ui/core/window_placement.h"

namespace Veneer {

int CenteredStart(Span area, Span work, int size) {
  int start = (area.begin + area.end) / 2 - size / 2;
  if (start < work.begin) {
    start = work.begin;
  } else if (start + size > work.end) {
    start = work.end - size;
  }
  return start;
}

}  // namespace Veneer
