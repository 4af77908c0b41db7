// SPDX-License-Identifier: GPL-3.0-or-later
// The one entry point that decodes any format we read, and the colour profile applied after it.
#include <algorithm>
#include <cstring>

#include "image/CodecInternal.h"
#include "image/ColourProfile.h"
#include "image/FormatSupport.h"
#include "image/Formats.h"

namespace lum {

namespace detail {

namespace {
// Brands of the HEIF family (HEVC stills and sequences, and the generic image brands).
bool heifBrand(const uint8_t* b) {
    static const char* const kBrands[] = {"heic", "heix", "heim", "heis", "hevc", "hevx", "hevm", "hevs", "mif1", "msf1"};
    for (const char* brand : kBrands)
        if (std::memcmp(b, brand, 4) == 0) return true;
    return false;
}
}  // namespace

FileFormat SniffOtherFormat(const uint8_t* d, size_t n) {
    if (!d) return FileFormat::Unknown;
    static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (n >= 8 && std::memcmp(d, kPng, 8) == 0) return FileFormat::Png;
    if (n >= 12 && std::memcmp(d, "RIFF", 4) == 0 && std::memcmp(d + 8, "WEBP", 4) == 0) return FileFormat::WebP;
    if (n >= 4 && ((d[0] == 'I' && d[1] == 'I' && (d[2] == 42 || d[2] == 43) && d[3] == 0) ||
                   (d[0] == 'M' && d[1] == 'M' && d[2] == 0 && (d[3] == 42 || d[3] == 43))))
        return FileFormat::Tiff;
    if (n >= 16 && std::memcmp(d + 4, "ftyp", 4) == 0) {
        const size_t box = std::min<size_t>(n, size_t(d[0]) << 24 | size_t(d[1]) << 16 | size_t(d[2]) << 8 | d[3]);
        if (heifBrand(d + 8)) return FileFormat::Heif;
        for (size_t at = 16; at + 4 <= box; at += 4)  // the compatible brands
            if (heifBrand(d + at)) return FileFormat::Heif;
    }
    return FileFormat::Unknown;
}

}  // namespace detail

Image DecodePicture(const uint8_t* data, size_t size, FileFormat* format, PictureMetadata* meta,
                    const DecodeOptions& opts, DecodeReport* report) {
    PictureMetadata local;
    PictureMetadata& m = meta ? *meta : local;
    if (report) report->notes.clear();
    const FileFormat f = SniffFormat(data, size);
    if (format) *format = f;
    Image img;
    switch (f) {
    case FileFormat::Jpeg: img = DecodeJpeg(data, size, &m, opts, report); break;
    case FileFormat::Bmp:
        m.segments.clear();
        detail::StartReport(report);
        img = DecodeBmp(data, size, &m.density);
        break;
    case FileFormat::Heif: img = DecodeHeif(data, size, &m, opts, report); break;
    case FileFormat::Png: img = DecodePng(data, size, &m, opts, report); break;
    case FileFormat::WebP: img = DecodeWebp(data, size, &m, opts, report); break;
    case FileFormat::Tiff: img = DecodeTiff(data, size, &m, opts, report); break;
    default: throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "Unknown picture format")));
    }
    // The print size of a format without a JFIF header: its EXIF resolution, as a JPEG file
    // without one gets it.
    if (f != FileFormat::Jpeg && f != FileFormat::Bmp && !m.density.known()) m.density = detail::ExifDensity(m);
    // A JPEG's own segments are written back as they came; a profile another format carried
    // and we could not use goes no further.
    ApplyEmbeddedProfile(img, m, report, f != FileFormat::Jpeg);
    if (meta) m.loadedPicture = PictureFingerprint(img);
    return img;
}

JpegPreview DecodePicturePreview(const uint8_t* data, size_t size, const std::function<int(int, int)>& percentFor,
                                 const std::atomic<bool>* cancel) {
    switch (SniffFormat(data, size)) {
    case FileFormat::Jpeg: {
        JpegPreview p = DecodeJpegPreview(data, size, percentFor, cancel);
        if (!p.image.empty()) ApplyEmbeddedProfile(p.image, p.profile, nullptr, true);
        return p;
    }
    case FileFormat::Heif: return detail::HeifThumbnail(data, size, cancel);
    default: return JpegPreview();
    }
}

}  // namespace lum
