// The private message ids are written as plain numbers so that
// platform-neutral code can use them; here, where <windows.h> is at hand,
// the build checks that they sit where Windows puts WM_USER.
#include <windows.h>

#include "install/private_messages.h"

static_assert(lumo::kWmUser == WM_USER);
static_assert(lumo::WM_DOWNLOAD_PROGRESS == WM_USER + 100);
static_assert(lumo::WM_ACTIVATE_INSTANCE == WM_USER + 105);
