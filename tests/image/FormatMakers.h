// SPDX-License-Identifier: GPL-3.0-or-later
// Photo files of the formats read besides JPEG, made at test time with the libraries
// themselves, the pixels they must give (known samples, or the library's own decode), and
// colour profiles made with LittleCMS.
#pragma once
#include <lcms2.h>
#include <libheif/heif.h>
#include <png.h>
#include <tiffio.h>
#include <webp/decode.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/Image.h"

namespace formats_test {

using Bytes = std::vector<uint8_t>;

// Samples of a picture, row-major, channels 1 (grey), 2 (grey, alpha), 3 (RGB) or 4 (RGBA).
struct Samples {
    int w = 0, h = 0, channels = 3, bits = 8;
    std::vector<uint16_t> v;
    uint16_t at(int x, int y, int c) const { return v[(static_cast<size_t>(y) * w + x) * channels + c]; }
};

// Smooth colours with some detail, alpha from opaque to clear and back; every value used.
inline Samples Pattern(int w, int h, int channels, int bits, unsigned seed = 1) {
    Samples s{w, h, channels, bits, {}};
    const unsigned top = bits == 16 ? 65535u : 255u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c) {
                const bool alpha = c == channels - 1 && (channels == 2 || channels == 4);
                const double t = alpha ? std::fabs(std::sin(0.05 * (x + 2 * y) + seed))
                                       : 0.5 + 0.45 * std::sin(0.07 * x * (c + 1) + 0.05 * y + seed + c);
                unsigned value = static_cast<unsigned>(t * top);
                if (!alpha && ((x * 7 + y * 3 + c) % 11) == 0) value = (value * 31 + 17 * (seed + 1)) % (top + 1);
                s.v.push_back(static_cast<uint16_t>(std::min(value, top)));
            }
    return s;
}

// What a reader must give for the samples: 16 bits rounded to 8, alpha over white, grey to RGB.
inline lum::Image Expected(const Samples& s) {
    lum::Image img(s.w, s.h);
    const double top = s.bits == 16 ? 65535.0 : 255.0;
    for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x) {
            const bool grey = s.channels <= 2, alpha = s.channels == 2 || s.channels == 4;
            const long a = alpha ? std::lround(s.at(x, y, s.channels - 1) * 255.0 / top) : 255;
            uint8_t rgb[3];
            for (int c = 0; c < 3; ++c) {
                const long v = std::lround(s.at(x, y, grey ? 0 : c) * 255.0 / top);
                rgb[c] = static_cast<uint8_t>(std::lround((v * a + 255.0 * (255 - a)) / 255.0));
            }
            img.setPixel(x, y, rgb[0], rgb[1], rgb[2]);
        }
    return img;
}

// An EXIF block (the TIFF structure, no "Exif" header): Make, and Orientation when not 0.
inline Bytes ExifBlock(const std::string& make, int orientation) {
    const bool withOrientation = orientation != 0;
    const uint16_t n = withOrientation ? 2 : 1;
    Bytes b = {'I', 'I', 42, 0, 8, 0, 0, 0, static_cast<uint8_t>(n), 0};
    const uint32_t text = 8 + 2 + 12 * n + 4;
    auto entry = [&](uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
        for (uint32_t v : {uint32_t(tag) | uint32_t(type) << 16, count, value})
            for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    entry(0x010F, 2, static_cast<uint32_t>(make.size() + 1), text);
    if (withOrientation) entry(0x0112, 3, 1, static_cast<uint32_t>(orientation));
    for (int i = 0; i < 4; ++i) b.push_back(0);
    b.insert(b.end(), make.begin(), make.end());
    b.push_back(0);
    return b;
}

struct Extras {
    Bytes icc, exif, xmp;
    int primaries = 0;  // HEIC: colour primaries written as numbers (nclx), sRGB curve
    unsigned pixelsPerMetre = 0;  // PNG: a pHYs chunk
};

inline Bytes MakePng(const Samples& s, bool interlaced = false, const Extras& extras = {}) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes out;
    if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng could not write the test file");
    png_set_write_fn(png, &out, [](png_structp p, png_bytep d, png_size_t n) {
        auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
        o->insert(o->end(), d, d + n);
    }, nullptr);
    const int types[] = {0, PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGBA};
    png_set_IHDR(png, info, s.w, s.h, s.bits, types[s.channels],
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!extras.icc.empty()) png_set_iCCP(png, info, "test", 0, extras.icc.data(), static_cast<png_uint_32>(extras.icc.size()));
    if (extras.pixelsPerMetre)
        png_set_pHYs(png, info, extras.pixelsPerMetre, extras.pixelsPerMetre, PNG_RESOLUTION_METER);
    if (!extras.exif.empty()) png_set_eXIf_1(png, info, static_cast<png_uint_32>(extras.exif.size()), const_cast<png_bytep>(extras.exif.data()));
    png_text text{};
    std::string xmp(extras.xmp.begin(), extras.xmp.end());
    if (!xmp.empty()) {
        text.compression = PNG_ITXT_COMPRESSION_NONE;
        text.key = const_cast<char*>("XML:com.adobe.xmp");
        text.text = xmp.data();
        text.itxt_length = xmp.size();
        png_set_text(png, info, &text, 1);
    }
    png_write_info(png, info);
    if (s.bits == 16) png_set_swap(png);  // the samples are in host order
    if (interlaced) png_set_interlace_handling(png);
    const size_t rowBytes = static_cast<size_t>(s.w) * s.channels * (s.bits / 8);
    std::vector<uint8_t> rows(rowBytes * s.h);
    for (size_t i = 0; i < s.v.size(); ++i) {
        if (s.bits == 8) rows[i] = static_cast<uint8_t>(s.v[i]);
        else std::memcpy(&rows[2 * i], &s.v[i], 2);
    }
    std::vector<png_bytep> pointers(s.h);
    for (int y = 0; y < s.h; ++y) pointers[y] = rows.data() + rowBytes * y;
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct TiffOptions {
    uint16_t compression = COMPRESSION_NONE;
    bool tiled = false, separate = false, minIsWhite = false;
    uint16_t alpha = EXTRASAMPLE_UNASSALPHA;
    uint16_t orientation = 1;
    uint32_t rowsPerStrip = 8;
    Extras extras;
};

// Writes through a temporary file, the way most programs make TIFFs.
inline Bytes MakeTiff(const Samples& s, const TiffOptions& o = {}) {
    char name[] = "/tmp/lumora-tiff-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("mkstemp");
    close(fd);
    TIFF* t = TIFFOpen(name, "w");
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, s.w);
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, s.h);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, s.bits);
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, s.channels);
    TIFFSetField(t, TIFFTAG_COMPRESSION, o.compression);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, s.channels >= 3 ? PHOTOMETRIC_RGB : o.minIsWhite ? PHOTOMETRIC_MINISWHITE : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, o.separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_ORIENTATION, o.orientation);
    if (s.channels == 2 || s.channels == 4) {
        uint16_t extra[] = {o.alpha};
        TIFFSetField(t, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    if (!o.extras.icc.empty()) TIFFSetField(t, TIFFTAG_ICCPROFILE, static_cast<uint32_t>(o.extras.icc.size()), o.extras.icc.data());
    if (!o.extras.xmp.empty()) TIFFSetField(t, TIFFTAG_XMLPACKET, static_cast<uint32_t>(o.extras.xmp.size()), o.extras.xmp.data());
    TIFFSetField(t, TIFFTAG_MAKE, "Lumora test scanner");
    const int bytes = s.bits / 8;
    const int planes = o.separate ? s.channels : 1, perPixel = o.separate ? 1 : s.channels;
    auto fill = [&](std::vector<uint8_t>& buf, int x0, int y0, int w, int h, int plane) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < perPixel; ++c) {
                    const int sx = std::min(x0 + x, s.w - 1), sy = std::min(y0 + y, s.h - 1);
                    const uint16_t v = s.at(sx, sy, o.separate ? plane : c);
                    uint8_t* d = buf.data() + ((static_cast<size_t>(y) * w + x) * perPixel + c) * bytes;
                    if (bytes == 1) *d = static_cast<uint8_t>(v); else std::memcpy(d, &v, 2);
                }
    };
    if (o.tiled) {
        TIFFSetField(t, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(t, TIFFTAG_TILELENGTH, 16);
        std::vector<uint8_t> buf(static_cast<size_t>(TIFFTileSize(t)));
        for (int p = 0; p < planes; ++p)
            for (int y = 0; y < s.h; y += 16)
                for (int x = 0; x < s.w; x += 16) {
                    fill(buf, x, y, 16, 16, p);
                    TIFFWriteTile(t, buf.data(), x, y, 0, static_cast<uint16_t>(p));
                }
    } else {
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, o.rowsPerStrip);
        std::vector<uint8_t> buf(static_cast<size_t>(TIFFScanlineSize(t)));
        for (int p = 0; p < planes; ++p)
            for (int y = 0; y < s.h; ++y) {
                fill(buf, 0, y, s.w, 1, p);
                TIFFWriteScanline(t, buf.data(), y, static_cast<uint16_t>(p));
            }
    }
    TIFFClose(t);
    FILE* f = std::fopen(name, "rb");
    Bytes out;
    for (int c; (c = std::fgetc(f)) != EOF;) out.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    std::remove(name);
    return out;
}

// 8-bit RGB or RGBA samples; lossless keeps them exactly.
inline Bytes MakeWebp(const Samples& s, bool lossless, const Extras& extras = {}) {
    std::vector<uint8_t> px(s.v.begin(), s.v.end());
    uint8_t* coded = nullptr;
    size_t size = 0;
    const int stride = s.w * s.channels;
    if (s.channels == 4)
        size = lossless ? WebPEncodeLosslessRGBA(px.data(), s.w, s.h, stride, &coded)
                        : WebPEncodeRGBA(px.data(), s.w, s.h, stride, 90, &coded);
    else
        size = lossless ? WebPEncodeLosslessRGB(px.data(), s.w, s.h, stride, &coded)
                        : WebPEncodeRGB(px.data(), s.w, s.h, stride, 90, &coded);
    Bytes out(coded, coded + size);
    WebPFree(coded);
    if (extras.icc.empty() && extras.exif.empty() && extras.xmp.empty()) return out;
    WebPData image{out.data(), out.size()};
    WebPMux* mux = WebPMuxCreate(&image, 1);
    const std::pair<const char*, const Bytes*> chunks[] = {{"ICCP", &extras.icc}, {"EXIF", &extras.exif}, {"XMP ", &extras.xmp}};
    for (const auto& [id, chunk] : chunks) {
        if (chunk->empty()) continue;
        WebPData d{chunk->data(), chunk->size()};
        WebPMuxSetChunk(mux, id, &d, 1);
    }
    WebPData assembled;
    WebPMuxAssemble(mux, &assembled);
    Bytes withChunks(assembled.bytes, assembled.bytes + assembled.size);
    WebPDataClear(&assembled);
    WebPMuxDelete(mux);
    return withChunks;
}

// 8-bit RGB or RGBA samples, x265 at the quality given; orientation as EXIF numbers it, written
// as the file's own transformations.
// thumbnailBox: a thumbnail beside the picture, as phones store one; preset: x265's speed.
inline Bytes MakeHeic(const Samples& s, int quality = 80, const Extras& extras = {}, int orientation = 1,
                      int thumbnailBox = 0, const char* preset = nullptr) {
    heif_context* ctx = heif_context_alloc();
    heif_encoder* enc = nullptr;
    if (heif_context_get_encoder_for_format(ctx, heif_compression_HEVC, &enc).code)
        throw std::runtime_error("no HEVC encoder");
    heif_encoder_set_lossy_quality(enc, quality);
    if (preset) heif_encoder_set_parameter_string(enc, "preset", preset);
    const bool alpha = s.channels == 4;
    heif_image* img = nullptr;
    heif_image_create(s.w, s.h, heif_colorspace_RGB, alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &img);
    heif_image_add_plane(img, heif_channel_interleaved, s.w, s.h, 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(img, heif_channel_interleaved, &stride);
    for (int y = 0; y < s.h; ++y)
        for (int i = 0; i < s.w * s.channels; ++i) plane[static_cast<size_t>(y) * stride + i] = static_cast<uint8_t>(s.v[static_cast<size_t>(y) * s.w * s.channels + i]);
    if (!extras.icc.empty()) heif_image_set_raw_color_profile(img, "prof", extras.icc.data(), extras.icc.size());
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = static_cast<heif_orientation>(orientation);
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    if (extras.primaries) {
        heif_nclx_color_profile_set_color_primaries(nclx, static_cast<uint16_t>(extras.primaries));
        heif_nclx_color_profile_set_transfer_characteristics(nclx, heif_transfer_characteristic_IEC_61966_2_1);
        options->output_nclx_profile = nclx;
        options->macOS_compatibility_workaround_no_nclx_profile = 0;
        heif_image_set_nclx_color_profile(img, nclx);
    }
    heif_image_handle* handle = nullptr;
    if (heif_context_encode_image(ctx, img, enc, options, &handle).code) throw std::runtime_error("HEIC encode failed");
    if (thumbnailBox > 0) heif_context_encode_thumbnail(ctx, img, handle, enc, options, thumbnailBox, nullptr);
    if (!extras.exif.empty()) heif_context_add_exif_metadata(ctx, handle, extras.exif.data(), static_cast<int>(extras.exif.size()));
    if (!extras.xmp.empty()) heif_context_add_XMP_metadata(ctx, handle, extras.xmp.data(), static_cast<int>(extras.xmp.size()));
    Bytes out;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = [](heif_context*, const void* data, size_t size, void* user) {
        auto* o = static_cast<Bytes*>(user);
        o->insert(o->end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
        return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
    };
    heif_context_write(ctx, &writer, &out);
    heif_encoding_options_free(options);
    heif_nclx_color_profile_free(nclx);
    heif_image_handle_release(handle);
    heif_image_release(img);
    heif_encoder_release(enc);
    heif_context_free(ctx);
    return out;
}

// alpha over white as the test writes it down: a rounded division.
inline uint8_t Over(int c, int a) { return static_cast<uint8_t>(std::lround((c * a + 255.0 * (255 - a)) / 255.0)); }

// libheif's own decode of the primary picture, transformations applied or not.
inline lum::Image HeifOwnDecode(const Bytes& file, bool ignoreTransformations = false) {
    heif_context* ctx = heif_context_alloc();
    heif_context_read_from_memory_without_copy(ctx, file.data(), file.size(), nullptr);
    heif_image_handle* h = nullptr;
    heif_context_get_primary_image_handle(ctx, &h);
    const bool alpha = heif_image_handle_has_alpha_channel(h);
    heif_decoding_options* o = heif_decoding_options_alloc();
    o->ignore_transformations = ignoreTransformations;
    heif_image* img = nullptr;
    heif_decode_image(h, &img, heif_colorspace_RGB, alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, o);
    int stride = 0;
    const uint8_t* p = heif_image_get_plane_readonly(img, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(img, heif_channel_interleaved), ht = heif_image_get_height(img, heif_channel_interleaved);
    lum::Image out(w, ht);
    const int n = alpha ? 4 : 3;
    for (int y = 0; y < ht; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* s = p + static_cast<size_t>(y) * stride + n * x;
            const int a = alpha ? s[3] : 255;
            out.setPixel(x, y, Over(s[0], a), Over(s[1], a), Over(s[2], a));
        }
    heif_image_release(img);
    heif_decoding_options_free(o);
    heif_image_handle_release(h);
    heif_context_free(ctx);
    return out;
}

// libwebp's own decode.
inline lum::Image WebpOwnDecode(const Bytes& file) {
    int w = 0, h = 0;
    uint8_t* p = WebPDecodeRGBA(file.data(), file.size(), &w, &h);
    lum::Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* s = p + (static_cast<size_t>(y) * w + x) * 4;
            out.setPixel(x, y, Over(s[0], s[3]), Over(s[1], s[3]), Over(s[2], s[3]));
        }
    WebPFree(p);
    return out;
}

// libtiff's own RGBA decode, upright (premultiplied colours: white shows through as 255 - a).
inline lum::Image TiffOwnDecode(const Bytes& file) {
    char name[] = "/tmp/lumora-tiff-XXXXXX";
    const int fd = mkstemp(name);
    if (write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) throw std::runtime_error("write");
    close(fd);
    TIFF* t = TIFFOpen(name, "r");
    uint32_t w = 0, h = 0;
    TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(t, TIFFTAG_IMAGELENGTH, &h);
    std::vector<uint32_t> raster(static_cast<size_t>(w) * h);
    TIFFReadRGBAImageOriented(t, w, h, raster.data(), ORIENTATION_TOPLEFT, 0);
    TIFFClose(t);
    std::remove(name);
    lum::Image out(static_cast<int>(w), static_cast<int>(h));
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            const uint32_t p = raster[static_cast<size_t>(y) * w + x];
            const int a = TIFFGetA(p);
            out.setPixel(static_cast<int>(x), static_cast<int>(y), static_cast<uint8_t>(std::min(255, int(TIFFGetR(p)) + 255 - a)),
                         static_cast<uint8_t>(std::min(255, int(TIFFGetG(p)) + 255 - a)),
                         static_cast<uint8_t>(std::min(255, int(TIFFGetB(p)) + 255 - a)));
        }
    return out;
}

// Profiles made with LittleCMS: Display P3 (P3 primaries, D65, the sRGB curve) and Adobe RGB.
inline Bytes SaveProfile(cmsHPROFILE p) {
    cmsUInt32Number n = 0;
    cmsSaveProfileToMem(p, nullptr, &n);
    Bytes out(n);
    cmsSaveProfileToMem(p, out.data(), &n);
    cmsCloseProfile(p);
    return out;
}
inline Bytes RgbProfile(double rx, double ry, double gx, double gy, double bx, double by, cmsToneCurve* curve) {
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};  // D65
    const cmsCIExyYTRIPLE primaries = {{rx, ry, 1}, {gx, gy, 1}, {bx, by, 1}};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    Bytes out = SaveProfile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(curve);
    return out;
}
inline Bytes DisplayP3Profile() {
    const double srgb[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    return RgbProfile(0.680, 0.320, 0.265, 0.690, 0.150, 0.060, cmsBuildParametricToneCurve(nullptr, 4, srgb));
}
inline Bytes AdobeRgbProfile() {
    return RgbProfile(0.640, 0.330, 0.210, 0.710, 0.150, 0.060, cmsBuildGamma(nullptr, 563.0 / 256));
}
inline Bytes SrgbProfile() { return SaveProfile(cmsCreate_sRGBProfile()); }
// Display P3 with every tag's type made unknown: whole and in bounds, but no colour space in it.
inline Bytes BrokenProfile() {
    Bytes p = DisplayP3Profile();
    const uint32_t tags = uint32_t(p[128]) << 24 | uint32_t(p[129]) << 16 | uint32_t(p[130]) << 8 | p[131];
    for (uint32_t i = 0; i < tags; ++i) {
        const uint8_t* e = &p[132 + 12 * i];
        const uint32_t at = uint32_t(e[4]) << 24 | uint32_t(e[5]) << 16 | uint32_t(e[6]) << 8 | e[7];
        std::memcpy(&p[at], "junk", 4);
    }
    return p;
}

}  // namespace formats_test
