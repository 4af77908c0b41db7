// SPDX-License-Identifier: GPL-3.0-or-later
// A point in image pixels (also a size or an offset where one is meant): the image layer's Point.
#pragma once
#include "image/Color.h"

namespace lum {

using ImagePoint = Point;

}  // namespace lum
