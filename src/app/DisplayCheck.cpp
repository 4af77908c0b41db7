// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lum {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The value of a toolkit option (-platform xcb, --platform=xcb), empty when not given.
std::string optionValue(int argc, char** argv, const std::string& name) {
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        std::string a = argv[i];
        if (a == "--") break;
        if (a.compare(0, 2, "--") == 0) a.erase(0, 1);
        if (a == "-" + name && i + 1 < argc && argv[i + 1] != nullptr) return argv[i + 1];
        if (a.compare(0, name.size() + 2, "-" + name + "=") == 0) return a.substr(name.size() + 2);
    }
    return std::string();
}

bool waylandSocket() {
    std::string display = env("WAYLAND_DISPLAY");
    if (display.empty()) display = "wayland-0";
    if (display[0] == '/') return ::access(display.c_str(), F_OK) == 0;
    const std::string runtime = env("XDG_RUNTIME_DIR");
    return !runtime.empty() && ::access((runtime + "/" + display).c_str(), F_OK) == 0;
}

QtMessageHandler previous = nullptr;
std::vector<std::pair<QtMsgType, std::string>>* keptBack = nullptr;

void startupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The platform could not be opened; its long explanation is not for a user.
        const std::string display = env("DISPLAY");
        const std::string why = display.empty() ? std::string("the display could not be opened")
                                                : "the display " + display + " could not be opened";
        std::fprintf(stderr, "%s\n", NoDisplayMessage(why).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (keptBack) keptBack->emplace_back(type, std::string(context.category ? context.category : "") + "\t" +
                                                   text.toStdString());
}

}  // namespace

bool DisplayExpected(int argc, char** argv, std::string& why) {
    std::string platform = optionValue(argc, argv, "platform");
    if (platform.empty()) platform = env("QT_QPA_PLATFORM");
    const std::string xDisplay = !optionValue(argc, argv, "display").empty() ? "given" : env("DISPLAY");
    const bool x = !xDisplay.empty();
    const bool wayland = waylandSocket();
    if (platform.empty()) {
        if (x || wayland) return true;
        why = "DISPLAY is not set";
        return false;
    }
    const std::string first = platform.substr(0, platform.find(';'));
    if (first.compare(0, 3, "xcb") == 0 && !x && platform.find("wayland") == std::string::npos) {
        why = "DISPLAY is not set";
        return false;
    }
    if (first.compare(0, 7, "wayland") == 0 && !wayland && platform.find("xcb") == std::string::npos) {
        why = "no Wayland display is running";
        return false;
    }
    return true;
}

std::string NoDisplayMessage(const std::string& why) {
    return "lumora: no display to show the window on (" + why +
           "); the command line works without one, see lumora --help";
}

StartupMessages::StartupMessages() {
    keptBack = new std::vector<std::pair<QtMsgType, std::string>>();
    previous = qInstallMessageHandler(startupHandler);
}

StartupMessages::~StartupMessages() {
    qInstallMessageHandler(previous);
    std::vector<std::pair<QtMsgType, std::string>>* kept = keptBack;
    keptBack = nullptr;
    for (const auto& [type, text] : *kept) {
        const size_t tab = text.find('\t');
        const std::string category = text.substr(0, tab);
        const QMessageLogContext context(nullptr, 0, nullptr, category.empty() ? "default" : category.c_str());
        qt_message_output(type, context, QString::fromStdString(text.substr(tab + 1)));
    }
    delete kept;
}

}  // namespace lum
