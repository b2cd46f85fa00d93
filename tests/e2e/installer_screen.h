// The installer's windows on the test display as a person sees them: the
// one window titled "Lumo游戏浏览器安装", its message dialog, clicks at the
// layout's controls, and screenshots kept as PNG files and compared with the
// skin's own pictures.
#pragma once

#include <optional>
#include <string>

#include "tests/e2e/desktop.h"
#include "tests/e2e/skin_geometry.h"

namespace lumo::e2e {

inline constexpr char kInstallerTitle[] = "Lumo游戏浏览器安装";
inline constexpr char kInstallerClass[] = "BrowserPlugInstallWnd";
inline constexpr char kDialogTitle[] = "MessageWindow";
inline constexpr char kDialogClass[] = "MessageDialogWnd";

class InstallerScreen {
 public:
  // Screenshots go to `folder`, named "<prefix>-<n>-<name>.png".
  InstallerScreen(std::string folder, std::string prefix);

  // The one visible window with the installer's (the dialog's) title.
  std::optional<TopWindow> Window() const;
  std::optional<TopWindow> Dialog() const;
  bool WaitForWindow();
  bool WaitForDialog(bool shown);

  // Real clicks at a box of the installer window or of the dialog; false
  // when the window isn't there.
  bool Click(const Box& box);
  bool ClickDialog(const Box& box);

  // A screenshot of the installer window (or `window`), with `margin`
  // pixels around it, kept under `name`. Empty when there is no window.
  Image Shot(const std::string& name, int margin = 0);
  Image ShotOf(const TopWindow& window, const std::string& name, int margin = 0);
  // Whether the installer shows the skin's picture `file` at `box`'s corner.
  bool Shows(const std::string& file, const Box& box);
  // Waits until it does; the screenshot then is kept under `name`.
  bool WaitToShow(const std::string& file, const Box& box, const std::string& name);
  // The paths of the screenshots kept so far.
  const std::vector<std::string>& Kept() const { return kept_; }

 private:
  std::string folder_;
  std::string prefix_;
  int shots_ = 0;
  std::vector<std::string> kept_;
};

// A picture of the skin, as the 64-bit tree rendered it.
std::string SkinPicture(const std::string& file);

// The progress bar's middle row in a screenshot of the installer window:
// how many of its columns show the filled part, and how many the track.
struct BarRow {
  int filled = 0, empty = 0;
};
BarRow ProgressBar(const Image& shot);
// The download page: the whole row is the bar's, filled or empty.
bool ShowsProgressBar(const Image& shot);

}  // namespace lumo::e2e
