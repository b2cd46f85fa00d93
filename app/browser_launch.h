// Starting the installed browser after a successful installation, with the
// ordinary rights of the logged-on user although the installer runs
// elevated: the browser gets a copy of the desktop shell's token.
#pragma once

#include <string>

namespace lumo {

// Starts the browser from the launch command (app/launch_command.h) as
// "<program>" --launch-type=install. True when a command was found and a
// start attempted, whether or not the browser started; false when no
// command was found, and then nothing has happened.
bool LaunchInstalledBrowser();

// Creates the process with a primary token duplicated from the desktop
// shell's process, hidden, without waiting for it. Stops at the first step
// that fails, so without a shell nothing is started at all, rather than with
// a null token (which some systems would take for the caller's own, elevated
// rights). True if the process was created.
bool LaunchUnelevated(const std::wstring& application, const std::wstring& commandLine);

}  // namespace lumo
