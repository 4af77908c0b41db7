// Start-up of the desktop program.
#pragma once

namespace lum {
int RunGui(int argc, char** argv);
}
