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

// The EXIF segment of meta as it should go out with picture: the pixel size recorded where it
// stands, and a thumbnail that a turn of the picture left sideways (landscape against portrait)
// made again from the picture, or dropped when it cannot be. When anything changed, fills out
// with the new segment and returns the one it replaces; a block that cannot be walked safely
// is never changed.
const JpegSegment* ExifForPicture(const JpegMetadata& meta, const Image& picture, std::vector<uint8_t>& out);

// src averaged into width x height: each output pixel is the rounded mean of the source pixels
// under it (at least one, so that it also enlarges).
Image ShrinkToThumbnail(const Image& src, int width, int height);

// ReadFileBytes with a size ceiling of its own.
std::vector<uint8_t> ReadRegularFile(const std::string& path, uint64_t limit);

}  // namespace lum::detail
