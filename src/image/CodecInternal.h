// Helpers shared by the codec files; not part of the public API.
#pragma once
#include <cstdint>

#include "image/Codec.h"

namespace lum::detail {

// Allocates the decoded picture, turning size refusals and memory exhaustion into CodecError.
Image AllocatePicture(int64_t width, int64_t height);

// Reads the orientation from the EXIF segment of meta, turns img upright and rewrites the segment
// with Orientation = 1. Leaves both untouched when the EXIF block cannot be parsed or rewritten.
void ApplyExifOrientationInPlace(Image& img, JpegMetadata& meta);

}  // namespace lum::detail
