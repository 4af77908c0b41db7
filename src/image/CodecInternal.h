// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the codec files; not part of the public API.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"

struct jpeg_decompress_struct;
struct stat;

namespace lum::detail {

// After the header of a JPEG: why its compressed data cannot hold any real picture of the size
// it declares (no picture data at all, or far too little of it), or "" when it may.
Words TooLittlePictureData(jpeg_decompress_struct* cinfo);

// A baseline JPEG's compressed data coded again with Huffman tables made for it, every
// coefficient and marker segment kept: the smallest file for the same picture. Progressive and
// arithmetic-coded files come back as they are. Throws CodecError.
std::vector<uint8_t> WithOptimalTables(const std::vector<uint8_t>& jpeg);

// Allocates the decoded picture, turning size refusals and memory exhaustion into CodecError.
Image AllocatePicture(int64_t width, int64_t height);

// The resolution of the EXIF segment of meta (per inch or per centimetre), unknown when there
// is none or the block cannot be walked safely.
PixelDensity ExifDensity(const PictureMetadata& meta);

// Reads the orientation from the EXIF segment of meta, turns img upright and resets every
// orientation value to 1 where it stands (the pixel size and the thumbnail follow the turn).
// Leaves both untouched when the EXIF block cannot be walked safely.
void ApplyExifOrientationInPlace(Image& img, PictureMetadata& meta);

// The metadata of a picture whose pixels were turned by turn (an EXIF orientation value, 1..8):
// every orientation value reset to 1 where it stands, the pixel size and the density swapped and
// the thumbnail turned along for the quarter turns, XMP's orientation reset. False, and the EXIF
// block left as it came, when it cannot be walked safely.
bool TurnMetadata(PictureMetadata& meta, int turn);
// The pixel size recorded in the EXIF block, where it stands.
void SetExifPixelSize(PictureMetadata& meta, int width, int height);

// The EXIF segment of meta as it should go out with picture: the pixel size recorded where it
// stands, and a thumbnail that no longer shows the picture (another shape, or another content:
// a turn, a mirror, a grey scale…) made again from the picture, or dropped when it cannot be. When anything changed, fills out
// with the new segment and returns the one it replaces; a block that cannot be walked safely
// is never changed.
// warnings (optional) receives a line when the thumbnail had to be left out.
const JpegSegment* ExifForPicture(const PictureMetadata& meta, const Image& picture, std::vector<uint8_t>& out,
                                  std::vector<std::string>* warnings = nullptr);

// What a reader library said, in plain words for the user ("part of the picture data is
// missing…"), never the library's function names or numbers.
Words PlainReaderWords(const std::string& said);
// A reader library's failure: "<kind> error: <why>" ("TIFF error: its data is damaged").
[[noreturn]] void ThrowReaderError(const char* kind, Words why);

// src averaged into width x height: each output pixel is the rounded mean of the source pixels
// under it (at least one, so that it also enlarges).
Image ShrinkToThumbnail(const Image& src, int width, int height);

// How WriteFileAtomic makes its temporary file: Unnamed falls back to Named where the file
// system refuses unnamed files.
enum class TempFile { Unnamed, Named };
void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, TempFile how);

// What a file that is neither a regular file nor a folder is, in plain words ("a named pipe").
Words SpecialFileKind(const struct stat& st);

// ReadFileBytes with a size ceiling of its own; identity (optional) receives the file read.
std::vector<uint8_t> ReadRegularFile(const std::string& path, uint64_t limit, FileIdentity* identity = nullptr);

}  // namespace lum::detail
