// SPDX-License-Identifier: GPL-3.0-or-later
// Making a photo smaller for sharing: a separable Lanczos-3 filter, so fine detail neither
// shimmers (as with nearest pixels) nor goes soft (as with plain bilinear sampling).
#pragma once
#include "image/Image.h"

namespace lum {

// The size whose longer side is longEdge, the shape kept (each side at least 1). A photo whose
// long side is already longEdge or less keeps its size: copies are never enlarged.
void LongEdgeSize(int width, int height, int longEdge, int& outWidth, int& outHeight);

// src resampled to width x height with Lanczos-3 (widened by the shrink factor when smaller, so
// every source pixel counts). Row bands run in parallel; the result does not depend on how many.
Image ResampleLanczos3(const Image& src, int width, int height);

// src with its long side brought down to longEdge; a plain copy when it is not longer.
Image DownscaleToLongEdge(const Image& src, int longEdge);

}  // namespace lum
