// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version, apply and the batch optimize.
#pragma once
#include <string>

namespace lum {

// True when argv asks for a command-line job rather than the desktop program (an option the
// desktop program does not know counts: it is reported as a usage error).
bool IsCliInvocation(int argc, char** argv);
// The first option of a desktop start that is neither the toolkit's nor followed by "--";
// empty when there is none.
std::string UnknownDesktopOption(int argc, char** argv);
// Runs it; returns the exit status (0 ok, 1 failure, 2 usage error).
int RunCli(int argc, char** argv);

// Told of every file a command has written, once it is in place: the desktop program drops the
// desktop's thumbnails of it, which would otherwise show the picture before a turn within the
// same second. None by default (a build without the desktop program has no thumbnails to drop).
using FileWrittenHook = void (*)(const std::string& path);
void SetFileWrittenHook(FileWrittenHook hook);

}  // namespace lum
