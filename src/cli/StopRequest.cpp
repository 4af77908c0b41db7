// SPDX-License-Identifier: GPL-3.0-or-later
#include <signal.h>

#include <atomic>

#include "cli/CliInternal.h"

namespace lum::cli {

namespace {
std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

extern "C" void OnStopSignal(int) { g_stop.store(true); }

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
}  // namespace

struct StopRequest::Saved {
    struct sigaction old[3];
    bool installed[3] = {false, false, false};
};

StopRequest::StopRequest() : saved_(new Saved) {
    g_stop.store(false);
    for (int i = 0; i < 3; ++i) {
        struct sigaction now {};
        if (sigaction(kSignals[i], nullptr, &now) != 0 || now.sa_handler == SIG_IGN) continue;
        struct sigaction sa {};
        sa.sa_handler = OnStopSignal;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESETHAND | SA_RESTART;  // the second signal takes its default course
        if (sigaction(kSignals[i], &sa, &saved_->old[i]) == 0) saved_->installed[i] = true;
    }
}

StopRequest::~StopRequest() {
    for (int i = 0; i < 3; ++i)
        if (saved_->installed[i]) sigaction(kSignals[i], &saved_->old[i], nullptr);
    delete saved_;
}

bool StopRequest::Requested() { return g_stop.load(); }

}  // namespace lum::cli
