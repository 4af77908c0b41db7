// SPDX-License-Identifier: GPL-3.0-or-later
// libjpeg speaks of markers, tables and scans in English; the user is told what is wrong with
// the photo in words that can be translated. Codes not met in photos keep the library's text.
#include <cstdio>
#include <string>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "image/Codec.h"

namespace lum {

Words JpegDecoderWords(int code, const std::string& library) {
    switch (code) {
    // Warnings: the picture still decodes, with parts of it guessed.
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF: return Words(QT_TRANSLATE_NOOP("lum", "the file ends before the picture does"));
    case JWRN_HIT_MARKER: return Words(QT_TRANSLATE_NOOP("lum", "the picture data breaks off before its end"));
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE: return Words(QT_TRANSLATE_NOOP("lum", "the picture data is garbled"));
    case JWRN_EXTRANEOUS_DATA: return Words(QT_TRANSLATE_NOOP("lum", "stray bytes lie in the picture data"));
    case JWRN_MUST_RESYNC: return Words(QT_TRANSLATE_NOOP("lum", "a piece of the picture data is missing or out of order"));
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
    case JERR_BAD_PROGRESSION: return Words(QT_TRANSLATE_NOOP("lum", "the parts of the picture data do not fit together"));
    // Failures: nothing could be decoded.
    case JERR_INPUT_EMPTY: return Words(QT_TRANSLATE_NOOP("lum", "the file is empty"));
    case JERR_NO_SOI: return Words(QT_TRANSLATE_NOOP("lum", "this is not a JPEG file"));
    case JERR_SOF_NO_SOS:
    case JERR_EMPTY_IMAGE:
    case JERR_NO_IMAGE: return Words(QT_TRANSLATE_NOOP("lum", "the file holds no picture data"));
    case JERR_SOS_NO_SOF:
    case JERR_SOF_DUPLICATE:
    case JERR_SOI_DUPLICATE:
    case JERR_BAD_LENGTH: return Words(QT_TRANSLATE_NOOP("lum", "the file's structure is damaged"));
    case JERR_BAD_HUFF_TABLE:
    case JERR_NO_HUFF_TABLE:
    case JERR_HUFF_MISSING_CODE:
    case JERR_HUFF_CLEN_OVERFLOW:
    case JERR_DHT_INDEX:
    case JERR_NO_QUANT_TABLE:
    case JERR_DQT_INDEX:
    case JERR_NO_ARITH_TABLE:
        return Words(QT_TRANSLATE_NOOP("lum", "a table needed to decode the picture is missing or damaged"));
    case JERR_BAD_COMPONENT_ID:
    case JERR_BAD_SAMPLING:
    case JERR_BAD_MCU_SIZE:
    case JERR_COMPONENT_COUNT:
    case JERR_BAD_J_COLORSPACE:
        return Words(QT_TRANSLATE_NOOP("lum", "the description of the picture in its header is damaged"));
    case JERR_BAD_PRECISION:
    case JERR_SOF_UNSUPPORTED:
    case JERR_ARITH_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_UNKNOWN_MARKER:
    case JERR_FRACT_SAMPLE_NOTIMPL:
    case JERR_CCIR601_NOTIMPL:
    case JERR_BAD_DCTSIZE: return Words(QT_TRANSLATE_NOOP("lum", "it is stored in a way this program cannot read"));
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW: return Words(QT_TRANSLATE_NOOP("lum", "the picture is larger than a JPEG file may hold"));
    case JERR_OUT_OF_MEMORY: return Words(QT_TRANSLATE_NOOP("lum", "it would take more memory than a photo may"));
    default: break;
    }
    return Words::Plain(library);
}

Words JpegDecoderWordsOf(const std::string& library) {
    // The message whose text, up to its first number, begins the library's words.
    jpeg_error_mgr err;
    jpeg_std_error(&err);
    for (int code = 1; code <= err.last_jpeg_message; ++code) {
        const std::string format = err.jpeg_message_table[code];
        const std::string fixed = format.substr(0, format.find('%'));
        if (!fixed.empty() && (format.find('%') == std::string::npos ? library == fixed : library.rfind(fixed, 0) == 0))
            return JpegDecoderWords(code, library);
    }
    return Words::Plain(library);
}

}  // namespace lum
