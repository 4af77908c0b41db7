// SPDX-License-Identifier: GPL-3.0-or-later
// Questions and saves that answer now for a small picture and once a job has ended for a big
// one: the callers that need the answer at once get it when it came at once.
#pragma once
#include <functional>
#include <memory>
#include <optional>

namespace lum {

using Answered = std::function<void(bool)>;

// Runs start, which answers through its callback now or later. Returns the answer when it came
// before start returned; one that comes later goes to later (when given).
inline std::optional<bool> AnswerNow(const std::function<void(Answered)>& start, Answered later = nullptr) {
    struct State {
        bool starting = true;
        std::optional<bool> now;
        Answered later;
    };
    const auto state = std::make_shared<State>();
    state->later = std::move(later);
    start([state](bool answer) {
        if (state->starting) state->now = answer;
        else if (state->later) state->later(answer);
    });
    state->starting = false;
    return state->now;
}

}  // namespace lum
