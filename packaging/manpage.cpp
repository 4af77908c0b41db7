// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual page: lumora_manpage VERSION DATE OUTPUT
#include <cstdio>
#include <fstream>

#include "cli/ManPage.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: lumora_manpage VERSION YYYY-MM-DD OUTPUT\n");
        return 2;
    }
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << lum::cli::ManPage(argv[1], argv[2]);
    out.close();
    if (!out) {
        std::fprintf(stderr, "lumora_manpage: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
