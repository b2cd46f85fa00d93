// drive_installer: the demo's user when no person is at the display. It
// starts the real installer of the 64-bit tree under wine, clicks through
// the main path (install, then start the browser on the result page), keeps
// a screenshot of every page it passes and prints their paths. The local
// deployment must be up on the port the program was built for.
//
//   drive_installer SCREENS_FOLDER
//
// Exit code: the installer's, or 1 when a page did not come.
#include <cstdio>
#include <string>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/installer_screen.h"

namespace {

using namespace lumo::e2e;

bool Fail(const char* what) {
  std::fprintf(stderr, "drive_installer: %s\n", what);
  return false;
}

bool DriveMainPath(InstallerScreen& screen) {
  namespace ui = installer;
  if (!screen.WaitForWindow()) return Fail("no installer window");
  if (!screen.WaitToShow("btn_install_normal.png", ui::kInstall, "main-page")) {
    return Fail("no main page");
  }
  screen.Click(ui::kInstall);
  if (!WaitUntil([&] { return ShowsProgressBar(screen.Shot("download-page")); })) {
    return Fail("no download page");
  }
  if (!screen.WaitToShow("install_success.png", ui::kResultPicture, "result-page")) {
    return Fail("no result page");
  }
  screen.Click(ui::kOpen);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: drive_installer SCREENS_FOLDER\n", stderr);
    return 64;
  }
  InstallerScreen screen(argv[1], "demo");
  InstallerProcess installer;
  const bool driven = installer.started() && DriveMainPath(screen);
  const int exitCode = driven ? installer.WaitForExit(30000) : 1;
  for (const std::string& path : screen.Kept()) std::printf("screenshot %s\n", path.c_str());
  std::printf("installer exit code %d\n", exitCode);
  return exitCode;
}
