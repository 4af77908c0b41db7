// SPDX-License-Identifier: GPL-3.0-or-later
// Before the desktop program starts: is there a display to show it on? Without one the
// program says so in one line and ends with status 1, instead of the toolkit's abort.
#pragma once
#include <string>

namespace lum {

// False when the toolkit will find no display (no DISPLAY for X, no Wayland socket), with the
// reason. Platforms without a display of their own (offscreen, vnc ...) count as found.
bool DisplayExpected(int argc, char** argv, std::string& why);

// The one line printed when there is no display.
std::string NoDisplayMessage(const std::string& why);

// Held while the application object is created: the toolkit's messages are kept back, and a
// display it cannot open ends the program with the one line and status 1. On success the
// messages kept back are passed on.
class StartupMessages {
public:
    StartupMessages();
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;
};

}  // namespace lum
