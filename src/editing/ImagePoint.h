// A point in image pixels (also a size or an offset where one is meant).
#pragma once

namespace lum {

struct ImagePoint {
    int x = 0, y = 0;
    bool operator==(const ImagePoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const ImagePoint& o) const { return !(*this == o); }
};

}  // namespace lum
