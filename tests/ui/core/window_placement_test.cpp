#include "ui/core/window_placement.h"

#include <gtest/gtest.h>

namespace Veneer {
namespace {

TEST(CenteredStart, CentresAndKeepsInsideTheWorkArea) {
  struct Case {
    Span area, work;
    int size, start;
  };
  const Case cases[] = {
      {{0, 1280}, {0, 1280}, 580, 350},     // centred on the work area
      {{100, 301}, {0, 1280}, 50, 175},     // odd extents round down
      {{1000, 1280}, {0, 1280}, 580, 700},  // would stick out right: moved in
      {{-200, 100}, {0, 1280}, 580, 0},     // would stick out left: moved in
      {{0, 1024}, {30, 1000}, 2000, 30},    // larger than the work area: at its start
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CenteredStart(c.area, c.work, c.size), c.start)
        << c.area.begin << ".." << c.area.end << " size " << c.size;
  }
}

}  // namespace
}  // namespace Veneer
