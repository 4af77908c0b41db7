// SPDX-License-Identifier: GPL-3.0-or-later
// An operation that declines to run: what() is the user's message (empty: refused silently).
// Nothing has changed when it is thrown; the caller shows the message.
#pragma once
#include <stdexcept>

namespace lum {

class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace lum
