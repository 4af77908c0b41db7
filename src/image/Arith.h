// SPDX-License-Identifier: GPL-3.0-or-later
// Integer and rounding rules shared by all pixel code.
#pragma once
#include <cmath>
#include <cstdint>

namespace lum {

// Integer division truncating toward zero, also for negative values (C++ '/' does exactly that;
// the name keeps formulas readable and forbids replacing it with a shift).
constexpr inline int32_t idiv(int32_t a, int32_t b) { return a / b; }
constexpr inline int64_t idiv64(int64_t a, int64_t b) { return a / b; }

// Round to nearest, ties to even, whatever the current FPU rounding mode is.
inline double roundHalfEvenD(double v) {
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return (std::fmod(f, 2.0) == 0.0) ? f : f + 1.0;
}
inline int32_t roundHalfEven(double v) { return static_cast<int32_t>(roundHalfEvenD(v)); }
inline int64_t roundHalfEven64(double v) { return static_cast<int64_t>(roundHalfEvenD(v)); }

constexpr inline int32_t clampInt(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }
// Limit a channel to 0..255 before it is written.
constexpr inline uint8_t clampByte(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

}  // namespace lum
