// SPDX-License-Identifier: GPL-3.0-or-later
// Tables built once per window and read by the pixel operations.
#pragma once
#include <array>
#include <cstdint>

namespace lum {

// Entry i = round(128 x (i/255)^0.33), ties to even.
using ToneTableT = std::array<int32_t, 256>;
const ToneTableT& ToneTable();
ToneTableT BuildToneTable();

// The real power function of the tone table: 0^y = 0 for y > 0, x^0 = 1, 1^y = 1,
// otherwise 2^(y log2 x).
double RealPower(double base, double exponent);

// sin and cos of i degrees, i = 0..360, single precision.
struct AngleTables {
    std::array<float, 361> SinTable;
    std::array<float, 361> CosTable;
};
AngleTables BuildAngleTables();

}  // namespace lum
