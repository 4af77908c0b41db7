#include "app/cli/Cli.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace lum {

bool IsCliInvocation(int argc, char** argv) {
    if (argc < 2) return false;
    std::string a = argv[1];
    return a == "--help" || a == "-h" || a == "--version" || a == "apply" || a == "optimize";
}

int RunCli(int argc, char** argv) {
    (void)argc;
    std::string a = argv[1];
    if (a == "--version") {
        std::printf("lumora %s\n", "0.1.0");
        return 0;
    }
    std::printf("usage: lumora [PHOTO.jpg]\n");
    return 0;
}

}  // namespace lum
