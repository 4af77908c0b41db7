// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#ifdef LUMORA_GUI
#include <QFile>

#include "app/Program.h"
#include "files/FileOps.h"
#endif

#include <cstdio>

int main(int argc, char** argv) {
    if (lum::IsCliInvocation(argc, argv)) {
#ifdef LUMORA_GUI
        lum::SetFileWrittenHook(
            [](const std::string& path) { lum::files::ForgetDesktopThumbnails(QFile::decodeName(path.c_str())); });
#endif
        return lum::RunCli(argc, argv);
    }
#ifdef LUMORA_GUI
    return lum::RunGui(argc, argv);
#else
    std::fprintf(stderr, "lumora: built without the desktop program; see lumora --help\n");
    return 2;
#endif
}
