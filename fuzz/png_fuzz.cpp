// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes through the PNG reader; see format_fuzz.h.
#include "format_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOneFormat(data, size, lum::DecodePng);
}
