// Quarter-pixel sampling shared by the angle rotation and the resize: a source position in
// quarter pixels picks a neighbourhood code, and the code picks the block to average.
#pragma once
#include <cmath>
#include <cstdint>

#include "app/core/EditState.h"

namespace lum::sampling {

// Neighbourhood code by quarter position inside the source pixel: [row quarter][column quarter].
inline constexpr uint8_t kQuarterCode[4][4] = {
    {1, 2, 2, 3},
    {8, 0, 0, 4},
    {8, 0, 0, 4},
    {7, 6, 6, 5},
};

// Channel averages of two or four pixels given by their byte offsets. Averages of bytes never
// leave 0..255, so no clamp is needed.
inline void Average2(const uint8_t* a, const uint8_t* b, uint8_t* out) {
    for (int i = 0; i < 3; ++i) out[i] = static_cast<uint8_t>((unsigned(a[i]) + b[i]) / 2u);
}
inline void Average4(const uint8_t* a, const uint8_t* b, const uint8_t* c, const uint8_t* d, uint8_t* out) {
    for (int i = 0; i < 3; ++i) out[i] = static_cast<uint8_t>((unsigned(a[i]) + b[i] + c[i] + d[i]) / 4u);
}

// Writes the value of code `code` around pixel `d` of row `mid`; `up` and `down` are the rows
// above and below. Needs 0 < d < width - 1 unless the code stays on the pixel itself.
inline void SampleBlock(const uint8_t* up, const uint8_t* mid, const uint8_t* down, int64_t d, int code,
                        uint8_t* out) {
    const size_t p = static_cast<size_t>(d) * 3;
    switch (code) {
        case 1: Average4(up + p - 3, up + p, mid + p - 3, mid + p, out); return;      // up-left block
        case 2: Average2(up + p, mid + p, out); return;                                // above
        case 3: Average4(up + p, up + p + 3, mid + p, mid + p + 3, out); return;      // up-right block
        case 4: Average2(mid + p, mid + p + 3, out); return;                           // right
        case 5: Average4(mid + p, mid + p + 3, down + p, down + p + 3, out); return;  // down-right block
        case 6: Average2(mid + p, down + p, out); return;                              // below
        case 7: Average4(mid + p - 3, mid + p, down + p - 3, down + p, out); return;  // down-left block
        case 8: Average2(mid + p - 3, mid + p, out); return;                           // left
        default:
            out[0] = mid[p];
            out[1] = mid[p + 1];
            out[2] = mid[p + 2];
            return;
    }
}

// Round to nearest, ties to even, for values well inside the 64-bit range; the same result as
// roundHalfEven without the fmod.
inline int64_t RoundEven(double v) {
    const double f = std::floor(v);
    const double diff = v - f;  // exact
    const int64_t i = static_cast<int64_t>(f);
    if (diff > 0.5) return i + 1;
    if (diff < 0.5) return i;
    return i + (i & 1);
}

// Hourglass on for the lifetime of the guard.
class BusyGuard {
public:
    explicit BusyGuard(EditState& st) : st_(st) { if (st_.Busy) st_.Busy(true); }
    ~BusyGuard() { if (st_.Busy) st_.Busy(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    EditState& st_;
};

}  // namespace lum::sampling
