// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/Tables.h"

#include <cmath>
#include <stdexcept>

#include "image/Arith.h"

namespace lum {

double RealPower(double base, double exponent) {
    if (exponent == 0.0) return 1.0;
    if (base == 1.0) return 1.0;
    if (base == 0.0) {
        if (exponent > 0.0) return 0.0;
        throw std::domain_error("Infinite Result");
    }
    if (base < 0.0) {
        if (exponent != std::floor(exponent)) throw std::domain_error("Complex Result");
        double r = std::exp2(exponent * std::log2(-base));
        return std::fmod(exponent, 2.0) == 0.0 ? r : -r;
    }
    double r = std::exp2(exponent * std::log2(base));
    if (!std::isfinite(r)) throw std::range_error("Overflow/Underflow Result");
    return r;
}

ToneTableT BuildToneTable() {
    ToneTableT t{};
    for (int i = 0; i < 256; ++i) t[i] = roundHalfEven(128.0 * RealPower(i / 255.0, 0.33));
    return t;
}

const ToneTableT& ToneTable() {
    static const ToneTableT table = BuildToneTable();
    return table;
}

AngleTables BuildAngleTables() {
    AngleTables a{};
    const double pi = 3.14159265358979323846;
    for (int i = 0; i <= 360; ++i) {
        a.SinTable[i] = static_cast<float>(std::sin(i * pi / 180.0));
        a.CosTable[i] = static_cast<float>(std::cos(i * pi / 180.0));
    }
    return a;
}

}  // namespace lum
