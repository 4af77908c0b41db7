// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the desktop program: the main window, then the dialogs handed to it.
#pragma once
#include <QStringList>
#include <cstddef>
#include <memory>

class MainWindow;

namespace lum {

class Dialogs;
class Prompts;

// The windows of a run. prompts (not owned) answers the questions of every window.
class Program {
public:
    // Freed photo buffers the desktop program keeps for reuse at most; once a photo is shown,
    // no more than one copy of it (the main window's memory budget counts them).
    static constexpr size_t kBufferReserveBytes = size_t(512) << 20;

    explicit Program(Prompts* prompts);
    ~Program();  // the dialogs first, then the main window
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    MainWindow& Window() const { return *main_; }
    Dialogs& dialogs() const { return *dialogs_; }
    // Class names of the windows in the order they were created.
    QStringList CreationOrder() const;

private:
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<Dialogs> dialogs_;
};

int RunGui(int argc, char** argv);

}  // namespace lum
