// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include <atomic>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli/CliInternal.h"

#ifndef LUMORA_VERSION
#define LUMORA_VERSION "0.1.0"
#endif

namespace lum {

namespace {

// Words of a global option given before the command ("--seed N", "--seed=N"); 0 if none.
size_t GlobalOptionWords(const std::vector<std::string>& args, size_t at) {
    if (at >= args.size()) return 0;
    if (args[at].rfind("--seed=", 0) == 0) return 1;
    if (args[at] == "--seed") return at + 1 < args.size() ? 2 : 1;
    return 0;
}

// The command first, then its words, with the global options moved behind the command.
std::vector<std::string> CommandFirst(std::vector<std::string> args) {
    std::vector<std::string> global;
    while (size_t n = GlobalOptionWords(args, 0)) {
        global.insert(global.end(), args.begin(), args.begin() + static_cast<std::ptrdiff_t>(n));
        args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(n));
    }
    if (!args.empty()) args.insert(args.begin() + 1, global.begin(), global.end());
    return args;
}

bool IsCommand(const std::string& a) {
    return a == "--help" || a == "-h" || a == "--version" || a == "apply" || a == "optimize" || a == "export" ||
           a == "transform";
}

// The toolkit's own options of a desktop start (`-style fusion`, `-platform xcb` ...), with
// whether they take a value. One or two leading dashes, and NAME=VALUE, are all accepted.
bool ToolkitOption(std::string a, bool& takesValue) {
    static const char* const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                            "geometry", "style", "stylesheet", "session", "qwindowgeometry",
                                            "qwindowicon", "qwindowtitle", "name", "title", "visual"};
    static const char* const plain[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    a.erase(0, a.compare(0, 2, "--") == 0 ? 2 : 1);
    const size_t eq = a.find('=');
    const bool inlineValue = eq != std::string::npos;
    if (inlineValue) a.erase(eq);
    for (const char* o : withValue)
        if (a == o) {
            takesValue = !inlineValue;
            return true;
        }
    for (const char* o : plain)
        if (a == o && !inlineValue) {
            takesValue = false;
            return true;
        }
    return false;
}

std::atomic<FileWrittenHook> fileWrittenHook{nullptr};

}  // namespace

void SetFileWrittenHook(FileWrittenHook hook) { fileWrittenHook = hook; }

void cli::WriteOutput(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteFileAtomic(path, bytes);
    if (FileWrittenHook hook = fileWrittenHook) hook(path);
}

std::string UnknownDesktopOption(int argc, char** argv) {
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const std::string a = argv[i];
        if (a == "--") break;  // photos whose names start with a dash follow
        if (a.size() < 2 || a[0] != '-') continue;
        // The program's own option (the noise brush's seed) is known to the desktop too.
        if (const size_t n = GlobalOptionWords(std::vector<std::string>(argv + i, argv + argc), 0)) {
            i += static_cast<int>(n) - 1;
            continue;
        }
        bool takesValue = false;
        if (!ToolkitOption(a, takesValue)) return a;
        if (takesValue) ++i;
    }
    return std::string();
}

bool IsCliInvocation(int argc, char** argv) {
    if (argc < 2 || argv[1] == nullptr) return false;
    const std::vector<std::string> args = CommandFirst(std::vector<std::string>(argv + 1, argv + argc));
    // An option the desktop program does not know is a usage error, never a window.
    return (!args.empty() && IsCommand(args.front())) || !UnknownDesktopOption(argc, argv).empty();
}

int RunCli(int argc, char** argv) {
    std::vector<std::string> args = CommandFirst(std::vector<std::string>(argv + 1, argv + argc));
    const std::string command = args.empty() ? std::string() : args.front();
    if (!args.empty()) args.erase(args.begin());
    for (const std::string& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h") {
            std::fputs(cli::UsageText().c_str(), stdout);
            return cli::kExitOk;
        }
    }
    try {
        if (command == "--version") {
            std::printf("lumora %s\n", LUMORA_VERSION);
            return cli::kExitOk;
        }
        if (command == "--help" || command == "-h") {
            std::fputs(cli::UsageText().c_str(), stdout);
            return cli::kExitOk;
        }
        if (command == "apply") return cli::RunApply(args);
        if (command == "optimize") return cli::RunBatch(args);
        if (command == "export") return cli::RunExport(args);
        if (command == "transform") return cli::RunTransform(args);
        const std::string option = UnknownDesktopOption(argc, argv);
        if (!option.empty()) throw cli::UsageError("unknown option '" + option + "'");
        throw cli::UsageError("unknown command '" + command + "'");
    } catch (const cli::UsageError& e) {
        std::fprintf(stderr, "lumora: %s\nTry 'lumora --help'.\n", e.what());
        return cli::kExitUsage;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "lumora: out of memory\n");
        return cli::kExitFailure;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumora: %s\n", e.what());
        return cli::kExitFailure;
    }
}

}  // namespace lum
