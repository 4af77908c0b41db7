// Helpers shared by the codec files; not part of the public API.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"

namespace lum::detail {

// Allocates the decoded picture, turning size refusals and memory exhaustion into CodecError.
Image AllocatePicture(int64_t width, int64_t height);

// Reads the orientation from the EXIF segment of meta, turns img upright and resets every
// orientation value to 1 where it stands (the pixel size and the thumbnail follow the turn).
// Leaves both untouched when the EXIF block cannot be walked safely.
void ApplyExifOrientationInPlace(Image& img, JpegMetadata& meta);

// When the pixel size recorded in meta's EXIF segment is not width x height: fills out with a
// copy of that segment saying so (changed in place) and returns the segment it replaces.
const JpegSegment* ExifWithPixelSize(const JpegMetadata& meta, int width, int height, std::vector<uint8_t>& out);

// ReadFileBytes with a size ceiling of its own.
std::vector<uint8_t> ReadRegularFile(const std::string& path, uint64_t limit);

}  // namespace lum::detail
