// Reading and writing photo files: JPEG through libjpeg's version 6 API, 24-bit BMP.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/Image.h"

namespace lum {

// Any failure to read or write a picture; what() is the text shown to the user.
class CodecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A libjpeg failure: what() is "JPEG error #" followed by the library's message code.
class JpegError : public CodecError {
public:
    JpegError(int code, const std::string& detail);
    int code() const { return code_; }
    const std::string& detail() const { return detail_; }

private:
    int code_;
    std::string detail_;
};

// Metadata segments of a JPEG kept across load and save (EXIF, ICC profile, XMP, comments).
struct JpegSegment {
    int marker = 0;  // JPEG_APP0 + n or JPEG_COM
    std::vector<uint8_t> data;
};
struct JpegMetadata {
    std::vector<JpegSegment> segments;
    bool empty() const { return segments.empty(); }
};

enum class FileFormat { Unknown, Jpeg, Bmp };
// Told apart by content, never by name.
FileFormat SniffFormat(const uint8_t* data, size_t size);

struct JpegDecodeOptions {
    bool applyExifOrientation = true;  // turn the picture upright as viewers show it
};

// Decode at full size with the best-quality settings; grey and CMYK/YCCK become 24-bit.
// meta (optional) receives the metadata segments, with the EXIF orientation already reset
// to 1 when the orientation was applied.
Image DecodeJpeg(const uint8_t* data, size_t size, JpegMetadata* meta = nullptr,
                 const JpegDecodeOptions& opts = {});

struct JpegEncodeOptions {
    int quality = 90;  // clamped to 10..100
    bool progressive = false;
    const JpegMetadata* metadata = nullptr;  // written back after the JFIF header
};
std::vector<uint8_t> EncodeJpeg(const Image& img, const JpegEncodeOptions& opts = {});

// The EXIF Orientation tag (1..8) of the EXIF APP1 segment, or 0 when there is none or it cannot
// be read.
int ExifOrientation(const JpegMetadata& meta);
// The picture as it should be shown for an EXIF orientation: 2..8 mirror and/or turn it,
// 5..8 swap width and height; any other value returns a plain copy.
Image OrientImage(const Image& img, int orientation);

// Uncompressed BMP files: 1/4/8-bit palette, 16, 24 and 32 bits (bottom-up and top-down);
// RLE files are refused. Files are written as 24-bit bottom-up.
Image DecodeBmp(const uint8_t* data, size_t size);
std::vector<uint8_t> EncodeBmp(const Image& img);

// Whole files.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
// Temporary file in the target folder, flushed, then renamed over the target.
void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes);

struct LoadedPicture {
    Image image;
    FileFormat format = FileFormat::Unknown;
    JpegMetadata metadata;
};
// JPEG or BMP by content; throws CodecError (JpegError for JPEG failures).
LoadedPicture LoadPicture(const std::string& path, const JpegDecodeOptions& opts = {});
LoadedPicture LoadPictureFromMemory(const uint8_t* data, size_t size, const JpegDecodeOptions& opts = {});

// True when the upper-cased extension of path is ".BMP".
bool HasBmpExtension(const std::string& path);

}  // namespace lum
