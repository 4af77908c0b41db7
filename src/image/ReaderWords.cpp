// SPDX-License-Identifier: GPL-3.0-or-later
// The libraries speak of their own functions, chunks and scanline numbers; the user is told what
// is wrong with the file in plain words.
#include <regex>
#include <string>

#include "image/CodecInternal.h"

namespace lum::detail {

Words PlainReaderWords(const std::string& said) {
    const auto has = [&](const char* words) { return said.find(words) != std::string::npos; };
    if (has("Not a TIFF") || has("Cannot read TIFF header") || has("Bad magic number") || has("Not a PNG") ||
        has("No 'ftyp'") || has("not a HEIF"))
        return Words(QT_TRANSLATE_NOOP("lum", "this is not a file of its kind, or its header is damaged"));
    if (has("memory") || has("Memory") || has("exceeds") || has("limit") || has("too large")) {
        // The size the file claims, where the library gave it.
        std::smatch size;
        if (std::regex_search(said, size, std::regex(R"((\d+) ?x ?(\d+))")))
            return Words(QT_TRANSLATE_NOOP("lum", "the picture is too large (%1 x %2 pixels)"), {size[1].str(), size[2].str()});
        return Words(QT_TRANSLATE_NOOP("lum", "it would take more memory than a photo may"));
    }
    if (has("Read error") || has("Read Error") || has("Seek error") || has("past end") || has("EOF") ||
        has("Premature") || has("premature") || has("end of") || has("truncated") || has("Not enough data") ||
        has("too short"))
        return Words(QT_TRANSLATE_NOOP("lum", "part of the picture data is missing (the file ends early or is damaged)"));
    if (has("directory") || has("Directory") || has("IFD"))
        return Words(QT_TRANSLATE_NOOP("lum", "its table of contents (a directory) is damaged"));
    if (has("not implemented") || has("not configured") || has("Sorry, can not handle") || has("Unsupported") ||
        has("unsupported"))
        return Words(QT_TRANSLATE_NOOP("lum", "it is stored in a way this program cannot read"));
    return Words(QT_TRANSLATE_NOOP("lum", "its data is damaged"));
}

void ThrowReaderError(const char* kind, Words why) {
    throw CodecError(Words(QT_TRANSLATE_NOOP("lum", "%1 error: %2"), {std::string(kind), std::move(why)}));
}

}  // namespace lum::detail
