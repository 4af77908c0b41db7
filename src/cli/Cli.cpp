#include "cli/Cli.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli/CliInternal.h"

#ifndef LUMORA_VERSION
#define LUMORA_VERSION "0.1.0"
#endif

namespace lum {

bool IsCliInvocation(int argc, char** argv) {
    if (argc < 2 || argv[1] == nullptr) return false;
    const std::string a = argv[1];
    return a == "--help" || a == "-h" || a == "--version" || a == "apply" || a == "optimize";
}

int RunCli(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? std::string() : args.front();
    args.erase(args.begin());
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
