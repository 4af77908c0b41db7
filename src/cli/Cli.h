// The command line: --help, --version, apply and the batch optimize.
#pragma once

namespace lum {

// True when argv asks for a command-line job rather than the desktop program.
bool IsCliInvocation(int argc, char** argv);
// Runs it; returns the exit status (0 ok, 1 failure, 2 usage error).
int RunCli(int argc, char** argv);

}  // namespace lum
