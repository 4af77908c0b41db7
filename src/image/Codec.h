// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing photo files: JPEG through libjpeg's version 6 API, 24-bit BMP. The other
// formats read (HEIF, PNG, WebP, TIFF) are declared in image/Formats.h.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

#include "image/FileIdentity.h"
#include "image/Image.h"
#include "image/Translatable.h"

namespace lum {

// Any failure to read or write a picture; words() is the message for the user, what() its English.
class CodecError : public std::runtime_error {
public:
    explicit CodecError(const std::string& english) : std::runtime_error(english), words_(english) {}
    explicit CodecError(const char* english) : CodecError(std::string(english)) {}
    explicit CodecError(Words words) : std::runtime_error(words.English()), words_(std::move(words)) {}
    // what() in English as given, the user's message worded apart.
    CodecError(const std::string& english, Words words) : std::runtime_error(english), words_(std::move(words)) {}
    const Words& words() const { return words_; }

private:
    Words words_;
};

// What libjpeg's message code means for the photo, in words to translate ("the file ends
// before the picture does"); the library's own text for a code not met in photos.
Words JpegDecoderWords(int code, const std::string& library);
// The same for the library's text alone (as the turning library passes it on).
Words JpegDecoderWordsOf(const std::string& library);

// A libjpeg failure: what() is "JPEG error #" and the library's message code, then the library's
// own text ("JPEG error #42: Quantization table 0x00 was not defined"); words() says the same
// with JpegDecoderWords.
class JpegError : public CodecError {
public:
    JpegError(int code, const std::string& detail);
    // said: the detail in words to translate, when more than the code's own.
    JpegError(int code, const std::string& detail, Words said);
    int code() const { return code_; }
    // The library's text alone.
    const std::string& detail() const { return detail_; }
    // The detail in words to translate.
    const Words& said() const { return said_; }

private:
    int code_;
    std::string detail_;
    Words said_;
};

// Metadata segments of a JPEG kept across load and save (EXIF, ICC profile, XMP, comments).
struct JpegSegment {
    int marker = 0;  // JPEG_APP0 + n or JPEG_COM
    std::vector<uint8_t> data;
};
// The print size of a picture: pixels per inch or per centimetre, or with no unit only the shape
// of its pixels (JFIF and BMP headers). Kept from the file read into every file written.
struct PixelDensity {
    enum Unit : uint8_t { NoUnit = 0, PerInch = 1, PerCm = 2 };
    Unit unit = NoUnit;
    uint16_t x = 0, y = 0;  // 0: not known
    bool known() const { return x > 0 && y > 0; }
    bool operator==(const PixelDensity& o) const { return unit == o.unit && x == o.x && y == o.y; }
};
struct PictureMetadata {
    std::vector<JpegSegment> segments;
    PixelDensity density{};
    // A fingerprint of the picture as it was read (PictureFingerprint): a save of that same picture
    // keeps its EXIF thumbnail, any other picture gets one made from it.
    std::optional<uint64_t> loadedPicture;
    bool empty() const { return segments.empty() && !density.known(); }
};

enum class FileFormat { Unknown, Jpeg, Bmp, Heif, Png, WebP, Tiff };
// Told apart by content, never by name.
FileFormat SniffFormat(const uint8_t* data, size_t size);

// A decode stopped from another thread through DecodeOptions::cancel.
class DecodeCancelled : public CodecError {
public:
    DecodeCancelled() : CodecError(Words(QT_TRANSLATE_NOOP("lum", "Decoding cancelled"))) {}
};

struct DecodeOptions {
    bool applyExifOrientation = true;  // turn the picture upright as viewers show it
    int64_t maxPixels = 0;             // a lower ceiling than Image::kMaxPixels, 0 = none
    // Set from any thread: the decode stops within a few rows, throwing DecodeCancelled.
    const std::atomic<bool>* cancel = nullptr;
};

// What the decoder noticed in a picture it could still decode. A damaged photo still opens:
// whatever its data did not describe is mid-grey.
enum class DamageKind {
    None,
    EndsEarly,        // the file ends before the picture: its lower part is grey
    BreaksOff,        // the picture data stops at a marker: its lower part is grey
    EndsEarlyCoarse,  // a picture of several scans ends early: parts blurred or grey
    Corrupt,          // the data is wrong somewhere: parts of the picture may be wrong
};
struct DecodeReport {
    // The library's own words for each kind of damage met, once each, in the order met.
    std::vector<std::string> warnings;
    // The same in words to translate (JpegDecoderWords), one for each warning.
    std::vector<Words> said;
    DamageKind kind = DamageKind::None;  // what the damage means for the picture
    bool damaged() const { return !warnings.empty(); }
    // Said once but not damage: a colour profile that could not be used and was ignored.
    std::vector<std::string> notes;
};

// Decode at full size with the best-quality settings; grey and CMYK/YCCK become 24-bit.
// meta (optional) receives the metadata segments and the JFIF density, with the EXIF
// orientation already reset to 1 when the orientation was applied. report (optional) receives the damage met; decoding
// stops where the data ends. A file whose data cannot hold any real picture of the size it
// declares is refused (CodecError) before the picture is allocated.
Image DecodeJpeg(const uint8_t* data, size_t size, PictureMetadata* meta = nullptr,
                 const DecodeOptions& opts = {}, DecodeReport* report = nullptr);

struct JpegEncodeOptions {
    int quality = 90;  // clamped to 10..100
    bool progressive = false;
    // Written back after the JFIF header, which takes its density; the pixel size recorded in
    // the EXIF block is set to the picture's, in place, every other byte kept. An EXIF thumbnail
    // of the other orientation than the picture (it was turned after loading) is made again from
    // the picture, smaller when it no longer fits, or dropped when nothing fits.
    const PictureMetadata* metadata = nullptr;
    // Smallest file for the quality: optimised Huffman tables and no JFIF header, as a
    // thumbnail inside an EXIF block is written.
    bool compact = false;
    // The JFIF density when known, over that of metadata (a write without the metadata keeps
    // the print size all the same).
    PixelDensity density{};
    // Receives a line for each thing of the metadata that could not be written.
    std::vector<std::string>* warnings = nullptr;
    // Colours at every pixel rather than one per 2x2 block: sharper colour edges on small
    // pictures, for a somewhat bigger file.
    bool fullChroma = false;
};
std::vector<uint8_t> EncodeJpeg(const Image& img, const JpegEncodeOptions& opts = {});

// A 64-bit fingerprint of the picture's size and pixels (not of the padding of its rows).
uint64_t PictureFingerprint(const Image& img);

// The EXIF Orientation tag (1..8) of the EXIF APP1 segment, or 0 when there is none or the block
// cannot be walked safely (pointer loops, offsets outside the block).
int ExifOrientation(const PictureMetadata& meta);
// The picture as it should be shown for an EXIF orientation: 2..8 mirror and/or turn it,
// 5..8 swap width and height; any other value returns a plain copy.
Image OrientImage(const Image& img, int orientation);

// Uncompressed BMP files: 1/4/8-bit palette, 16, 24 and 32 bits (bottom-up and top-down);
// RLE files are refused. Files are written as 24-bit bottom-up. density (optional) receives the
// header's resolution, or gives the one written (72 dpi when it has no unit).
Image DecodeBmp(const uint8_t* data, size_t size, PixelDensity* density = nullptr);
std::vector<uint8_t> EncodeBmp(const Image& img, const PixelDensity* density = nullptr);

// For a pipe, device or socket: the one line saying what it is, not a regular photo file (the
// refusal ReadFileBytes throws), found without opening it; "" for anything else.
Words SpecialFileRefusal(const std::string& path);
// Whole regular files only: a pipe, device or socket is refused at once, never waited on.
// identity (optional) receives the file read, as it was when opened.
std::vector<uint8_t> ReadFileBytes(const std::string& path, FileIdentity* identity = nullptr);
// The whole new content flushed to disk before it takes the target's name, through an unnamed
// temporary file in the target folder where the file system has them (a killed program leaves
// nothing behind). A symbolic link is written through, also to a file that does not exist yet;
// an existing target that is not a regular file (a device, a pipe) is refused.
void WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes);

struct LoadedPicture {
    Image image;
    FileFormat format = FileFormat::Unknown;
    PictureMetadata metadata;
    DecodeReport report;  // a damaged JPEG still loads; see PhotoNotice
    FileIdentity source;  // the file read, as it was when read (LoadPicture only)
};
// Any format we read, by content, with its colour profile applied (DecodePicture); throws
// CodecError (JpegError for JPEG failures).
LoadedPicture LoadPicture(const std::string& path, const DecodeOptions& opts = {});
LoadedPicture LoadPictureFromMemory(const uint8_t* data, size_t size, const DecodeOptions& opts = {});

// True when the upper-cased extension of path is ".BMP".
bool HasBmpExtension(const std::string& path);

}  // namespace lum
