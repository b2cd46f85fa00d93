// A real window that a test reads as a screen reader does: COM for the
// test's thread, the window with a notification log, and the window's
// client object taken through oleacc once the tree is shown.
#pragma once

#include <gtest/gtest.h>

#include "tests/ui/support/assistive_client.h"
#include "tests/ui/support/ui_test_window.h"

namespace Veneer::test {

class ReaderTest : public ::testing::Test {
 protected:
  explicit ReaderTest(int width = 200, int height = 120) : window_(width, height) {}

  // Takes the root and paints the window once, which focuses the first Tab
  // stop; then takes the client object.
  void Show(CControlUI* root) {
    window_.SetRoot(root);
    window_.PaintNow();
    window_.manager().AddListener(&log_);
    client_ = ClientObject(window_.hwnd());
    ASSERT_TRUE(client_);
  }
  void TearDown() override { window_.manager().RemoveListener(&log_); }

  ComThread com_;
  TestWindow window_;
  NotificationLog log_;
  ComPtr<IAccessible> client_;
};

}  // namespace Veneer::test
