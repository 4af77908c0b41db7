// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/LosslessTurn.h"

#include <turbojpeg.h>

#include <array>
#include <cstring>
#include <memory>

#include "image/CodecInternal.h"

namespace lum {

namespace {

// Each EXIF orientation value as the matrix taking stored coordinates (about the centre, y down)
// to shown ones.
using Matrix = std::array<int, 4>;  // a b / c d: x' = a x + b y, y' = c x + d y
constexpr Matrix kMatrices[9] = {
    {1, 0, 0, 1},                                       // (unused)
    {1, 0, 0, 1},   {-1, 0, 0, 1},  {-1, 0, 0, -1},  {1, 0, 0, -1},  // as stored, mirrored, 180, flipped
    {0, 1, 1, 0},   {0, -1, 1, 0},  {0, -1, -1, 0},  {0, 1, -1, 0},  // transposed, cw, transversed, ccw
};

constexpr TJXOP kOperations[9] = {TJXOP_NONE,      TJXOP_NONE,  TJXOP_HFLIP,      TJXOP_ROT180, TJXOP_VFLIP,
                                  TJXOP_TRANSPOSE, TJXOP_ROT90, TJXOP_TRANSVERSE, TJXOP_ROT270};

// One marker segment of a JPEG header: where it starts (its 0xFF) and its size with the marker.
struct Segment {
    int marker = 0;
    size_t start = 0, size = 0;
    const uint8_t* payload(const std::vector<uint8_t>& f) const { return f.data() + start + 4; }
    size_t payloadSize() const { return size - 4; }
};

// The segments up to the first scan; scanAt receives where the scan's marker stands. False for
// anything that is not a well-formed JPEG header.
bool headerSegments(const std::vector<uint8_t>& f, std::vector<Segment>& out, size_t& scanAt) {
    const size_t n = f.size();
    if (n < 4 || f[0] != 0xFF || f[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 4 <= n) {
        if (f[i] != 0xFF) return false;
        const int m = f[i + 1];
        if (m == 0xFF) {
            ++i;
            continue;
        }
        if (m == 0xDA) {
            scanAt = i;
            return true;
        }
        if (m == 0xD8 || m == 0xD9 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) return false;
        const size_t len = static_cast<size_t>(f[i + 2]) << 8 | f[i + 3];
        if (len < 2 || len > n - i - 2) return false;
        out.push_back(Segment{m, i, len + 2});
        i += len + 2;
    }
    return false;
}

bool startsWith(const uint8_t* p, size_t n, const char* text, size_t textSize) {
    return n >= textSize && std::memcmp(p, text, textSize) == 0;
}
constexpr char kExif[] = "Exif\0";       // with the NUL the literal adds: 6 bytes
constexpr char kXmp[] = "http://ns.adobe.com/xap/1.0/";  // with its NUL: 29 bytes
constexpr char kJfif[] = "JFIF";         // with its NUL: 5 bytes

bool isExif(const std::vector<uint8_t>& f, const Segment& s) {
    return s.marker == 0xE1 && startsWith(s.payload(f), s.payloadSize(), kExif, sizeof kExif);
}
bool isXmp(const std::vector<uint8_t>& f, const Segment& s) {
    return s.marker == 0xE1 && startsWith(s.payload(f), s.payloadSize(), kXmp, sizeof kXmp);
}
bool isJfif(const std::vector<uint8_t>& f, const Segment& s) {
    return s.marker == 0xE0 && s.payloadSize() >= 14 && startsWith(s.payload(f), s.payloadSize(), kJfif, sizeof kJfif);
}

struct TjHandle {
    tjhandle h = tjInitTransform();
    unsigned char* out = nullptr;
    ~TjHandle() {
        if (out) tjFree(out);
        if (h) tjDestroy(h);
    }
};

// The compressed data rearranged by transform, markers copied as they are.
std::vector<uint8_t> rearrange(const std::vector<uint8_t>& jpeg, int transform, bool progressive, TurnedPhoto& result,
                               int& outWidth, int& outHeight) {
    TjHandle tj;
    if (!tj.h) throw CodecError(QT_TRANSLATE_NOOP("lum", "The JPEG library could not be started"));
    const auto failure = [&tj](const char* what) {
        const std::string said = tjGetErrorStr2(tj.h);
        return CodecError(std::string(what) + ": " + said,
                          Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {Words(what), JpegDecoderWordsOf(said)}));
    };
    int width = 0, height = 0, subsamp = -1, colourspace = 0;
    if (tjDecompressHeader3(tj.h, jpeg.data(), jpeg.size(), &width, &height, &subsamp, &colourspace) != 0)
        throw failure(QT_TRANSLATE_NOOP("lum", "Not a JPEG photo that can be turned without loss"));
    if (subsamp < 0 || subsamp >= TJ_NUMSAMP)
        throw CodecError(QT_TRANSLATE_NOOP("lum", "The JPEG photo's colour sampling cannot be turned without loss"));
    if (static_cast<int64_t>(width) * height > Image::kMaxPixels)
        throw CodecError(QT_TRANSLATE_NOOP("lum", "The photo is too large to be turned"));
    const int mcuW = tjMCUWidth[subsamp], mcuH = tjMCUHeight[subsamp];
    // The partial blocks at the edges that a transform moves cannot stay partial: they go.
    const bool cutColumns = transform == 2 || transform == 3 || transform == 7 || transform == 8;
    const bool cutRows = transform == 3 || transform == 4 || transform == 6 || transform == 7;
    result.trimmedColumns = cutColumns ? width % mcuW : 0;
    result.trimmedRows = cutRows ? height % mcuH : 0;
    if ((result.trimmedColumns && width < mcuW) || (result.trimmedRows && height < mcuH))
        throw CodecError(QT_TRANSLATE_NOOP("lum", "The photo is smaller than one block of its compressed data and cannot be "
                                                  "turned without loss"));

    tjtransform xf;
    std::memset(&xf, 0, sizeof xf);
    xf.op = kOperations[transform];
    xf.options = result.trimmed() ? TJXOPT_TRIM : TJXOPT_PERFECT;
    if (progressive) xf.options |= TJXOPT_PROGRESSIVE;
    unsigned long size = 0;
    // A warning is damage: a damaged photo is refused and left as it is.
    if (tjTransform(tj.h, jpeg.data(), jpeg.size(), 1, &tj.out, &size, &xf, TJFLAG_STOPONWARNING) != 0)
        throw failure(QT_TRANSLATE_NOOP("lum", "The photo cannot be turned without loss"));
    std::vector<uint8_t> out(tj.out, tj.out + size);
    int w = 0, h = 0, s = 0, c = 0;
    if (tjDecompressHeader3(tj.h, out.data(), out.size(), &w, &h, &s, &c) != 0) throw failure("The turned photo is not readable");
    const bool swap = transform >= 5;
    const int expectW = (swap ? height - result.trimmedRows : width - result.trimmedColumns);
    const int expectH = (swap ? width - result.trimmedColumns : height - result.trimmedRows);
    if (w != expectW || h != expectH) throw CodecError("The photo could not be turned without loss");
    outWidth = w;
    outHeight = h;
    return out;
}

}  // namespace

int TransformOf(PhotoTurn turn) {
    switch (turn) {
    case PhotoTurn::RotateCw: return 6;
    case PhotoTurn::RotateCcw: return 8;
    case PhotoTurn::Rotate180: return 3;
    case PhotoTurn::MirrorH: return 2;
    case PhotoTurn::MirrorV: return 4;
    case PhotoTurn::Upright: return 1;
    }
    return 1;
}

int ComposeOrientation(int orientation, int after) {
    if (orientation < 1 || orientation > 8) orientation = 1;
    if (after < 1 || after > 8) after = 1;
    const Matrix& a = kMatrices[after];
    const Matrix& o = kMatrices[orientation];
    const Matrix m = {a[0] * o[0] + a[1] * o[2], a[0] * o[1] + a[1] * o[3], a[2] * o[0] + a[3] * o[2],
                      a[2] * o[1] + a[3] * o[3]};
    for (int k = 1; k <= 8; ++k)
        if (kMatrices[k] == m) return k;
    return 1;
}

TurnedPhoto TurnJpegLossless(const std::vector<uint8_t>& jpeg, PhotoTurn turn) {
    return TurnJpegLossless(jpeg, TransformOf(turn));
}

TurnedPhoto TurnJpegLossless(const std::vector<uint8_t>& jpeg, int transformAsShown) {
    std::vector<Segment> segs;
    size_t scanAt = 0;
    if (!headerSegments(jpeg, segs, scanAt)) throw CodecError(QT_TRANSLATE_NOOP("lum", "Not a JPEG photo that can be turned without loss"));
    PictureMetadata meta;
    bool progressive = false;
    bool exifSeen = false;
    for (const Segment& s : segs) {
        const bool exif = !exifSeen && isExif(jpeg, s);
        exifSeen = exifSeen || exif;
        if (exif || isXmp(jpeg, s)) meta.segments.push_back({s.marker, std::vector<uint8_t>(s.payload(jpeg), s.payload(jpeg) + s.payloadSize())});
        if (s.marker == 0xC2 || s.marker == 0xC6 || s.marker == 0xCA || s.marker == 0xCE) progressive = true;
    }
    const int stored = std::max(1, ExifOrientation(meta));
    const int transform = ComposeOrientation(stored, transformAsShown);
    TurnedPhoto result;
    if (transform == 1 && stored == 1) {
        result.unchanged = true;
        result.bytes = jpeg;
        return result;
    }
    int width = 0, height = 0;
    std::vector<uint8_t> turned = rearrange(jpeg, transform, progressive, result, width, height);
    // The library's standard tables make the file a tenth bigger than the photo was.
    if (!progressive) turned = detail::WithOptimalTables(turned);
    if (!detail::TurnMetadata(meta, transform))
        result.warnings.push_back(QT_TRANSLATE_NOOP("lum", "The EXIF block could not be read safely and was kept as it was"));
    detail::SetExifPixelSize(meta, width, height);

    // The library copied the markers as they came; the EXIF and XMP ones are put back as turned.
    std::vector<Segment> outSegs;
    size_t outScan = 0;
    if (!headerSegments(turned, outSegs, outScan)) throw CodecError("The turned photo is not readable");
    std::vector<uint8_t> bytes(turned.begin(), turned.begin() + 2);
    bytes.reserve(turned.size() + 1024);
    size_t nextMeta = 0;
    bool exifDone = false;
    for (const Segment& s : outSegs) {
        const uint8_t* at = turned.data() + s.start;
        const bool exif = !exifDone && isExif(turned, s);
        if ((exif || isXmp(turned, s)) && nextMeta < meta.segments.size()) {
            exifDone = exifDone || exif;
            const std::vector<uint8_t>& data = meta.segments[nextMeta++].data;
            const size_t len = data.size() + 2;
            bytes.insert(bytes.end(), {0xFF, static_cast<uint8_t>(s.marker), static_cast<uint8_t>(len >> 8),
                                       static_cast<uint8_t>(len & 0xFF)});
            bytes.insert(bytes.end(), data.begin(), data.end());
            continue;
        }
        const size_t first = bytes.size();
        bytes.insert(bytes.end(), at, at + s.size);
        if (transform >= 5 && isJfif(turned, s)) {
            // The density is the pixels' shape: it turns with them.
            uint8_t* d = bytes.data() + first + 4 + 8;
            std::swap(d[0], d[2]);
            std::swap(d[1], d[3]);
        }
    }
    if (nextMeta != meta.segments.size()) throw CodecError("The photo's metadata could not be kept");
    bytes.insert(bytes.end(), turned.begin() + static_cast<std::ptrdiff_t>(outScan), turned.end());
    result.bytes = std::move(bytes);
    return result;
}

bool CanTurnFormat(FileFormat format) { return format == FileFormat::Jpeg || format == FileFormat::Bmp; }

TurnedPhoto TurnPhotoBytes(const std::vector<uint8_t>& bytes, PhotoTurn turn) {
    const FileFormat format = SniffFormat(bytes.data(), bytes.size());
    if (format == FileFormat::Jpeg) return TurnJpegLossless(bytes, turn);
    if (format != FileFormat::Bmp) throw CodecError("Photos of this format cannot be written again in their own format");
    TurnedPhoto result;
    const int transform = TransformOf(turn);
    if (transform == 1) {
        result.unchanged = true;
        result.bytes = bytes;
        return result;
    }
    PixelDensity density;
    Image img = DecodeBmp(bytes.data(), bytes.size(), &density);
    img = OrientImage(img, transform);
    if (transform >= 5) std::swap(density.x, density.y);
    result.bytes = EncodeBmp(img, &density);
    return result;
}

Words TrimNoteWords(const TurnedPhoto& t) {
    if (!t.trimmed()) return Words();
    const auto count = [](int n, const char* one, const char* many) {
        return n == 1 ? Words(one) : Words(many, {std::to_string(n)});
    };
    const Words columns = count(t.trimmedColumns, QT_TRANSLATE_NOOP("lum", "1 column"), QT_TRANSLATE_NOOP("lum", "%1 columns"));
    const Words rows = count(t.trimmedRows, QT_TRANSLATE_NOOP("lum", "1 row"), QT_TRANSLATE_NOOP("lum", "%1 rows"));
    const Words what = !t.trimmedRows      ? columns
                       : !t.trimmedColumns ? rows
                                           : Words(QT_TRANSLATE_NOOP("lum", "%1 and %2"), {columns, rows});
    return Words(QT_TRANSLATE_NOOP("lum", "the edge of %1 that could not be turned without loss was cut off"), {what});
}

std::string TrimNote(const TurnedPhoto& t) { return TrimNoteWords(t).English(); }

}  // namespace lum
