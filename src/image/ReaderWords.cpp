// The libraries speak of their own functions, chunks and scanline numbers; the user is told what
// is wrong with the file in plain words.
#include <regex>
#include <string>

#include "image/CodecInternal.h"

namespace lum::detail {

std::string PlainReaderWords(const std::string& said) {
    const auto has = [&](const char* words) { return said.find(words) != std::string::npos; };
    if (has("Not a TIFF") || has("Cannot read TIFF header") || has("Bad magic number") || has("Not a PNG") ||
        has("No 'ftyp'") || has("not a HEIF"))
        return "this is not a file of its kind, or its header is damaged";
    if (has("memory") || has("Memory") || has("exceeds") || has("limit") || has("too large")) {
        // The size the file claims, where the library gave it.
        std::smatch size;
        if (std::regex_search(said, size, std::regex(R"((\d+) ?x ?(\d+))")))
            return "the picture is too large (" + size[1].str() + " x " + size[2].str() + " pixels)";
        return "it would take more memory than a photo may";
    }
    if (has("Read error") || has("Read Error") || has("Seek error") || has("past end") || has("EOF") ||
        has("Premature") || has("premature") || has("end of") || has("truncated") || has("Not enough data") ||
        has("too short"))
        return "part of the picture data is missing (the file ends early or is damaged)";
    if (has("directory") || has("Directory") || has("IFD"))
        return "its table of contents (a directory) is damaged";
    if (has("not implemented") || has("not configured") || has("Sorry, can not handle") || has("Unsupported") ||
        has("unsupported"))
        return "it is stored in a way this program cannot read";
    return "its data is damaged";
}

}  // namespace lum::detail
