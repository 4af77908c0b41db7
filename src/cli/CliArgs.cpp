// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "cli/CliInternal.h"

namespace lum::cli {

namespace {

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// Options that take a value accept "--name VALUE" and "--name=VALUE".
struct ArgReader {
    const std::vector<std::string>& args;
    size_t i = 0;

    bool matches(const std::string& word, const std::string& name) const {
        return word == name || StartsWith(word, name + "=");
    }
    std::string value(const std::string& word, const std::string& name) {
        if (word.size() > name.size()) return word.substr(name.size() + 1);
        if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
        return args[++i];
    }
};

// Handles the options apply and optimize share; false when word is none of them.
bool SharedOption(ArgReader& r, const std::string& word, OutputSettings& out) {
    if (r.matches(word, "--quality")) {
        out.quality = ParseIntInRange(r.value(word, "--quality"), 10, 100, "quality");
    } else if (word == "--progressive") {
        out.progressive = true;
    } else if (word == "--strip") {
        out.strip = true;
    } else if (r.matches(word, "--flesh")) {
        out.targets.flesh = ParseTarget(r.value(word, "--flesh"), "--flesh");
    } else if (r.matches(word, "--landscape")) {
        out.targets.landscape = ParseTarget(r.value(word, "--landscape"), "--landscape");
    } else if (r.matches(word, "--seed")) {
        out.seed = static_cast<uint32_t>(ParseIntInRange(r.value(word, "--seed"), 0, 999999999, "seed"));
    } else {
        return false;
    }
    return true;
}

bool LooksLikeOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

}  // namespace

int ParseIntInRange(const std::string& text, int lo, int hi, const std::string& what) {
    try {
        return ParseWholeNumber(text, lo, hi, what);
    } catch (const ArgsError& e) {
        throw UsageError(e.what());
    }
}

Rgb ParseTarget(const std::string& text, const std::string& option) {
    int v[3];
    size_t pos = 0;
    for (int k = 0; k < 3; ++k) {
        size_t comma = text.find(',', pos);
        if ((k < 2) != (comma != std::string::npos))
            throw UsageError(option + " wants R,G,B (each 128..255), not '" + text + "'");
        std::string part = text.substr(pos, k < 2 ? comma - pos : std::string::npos);
        v[k] = ParseIntInRange(part, 128, 255, option + " value");
        pos = comma + 1;
    }
    return Rgb{v[0], v[1], v[2]};
}

ParsedOperation ParseOp(const std::string& word) {
    try {
        return ParseOperationWord(word);
    } catch (const ArgsError& e) {
        throw UsageError(e.what());
    }
}

ApplyArgs ParseApply(const std::vector<std::string>& args) {
    ApplyArgs a;
    std::vector<std::string> positional;
    ArgReader r{args};
    bool optionsDone = false;
    for (; r.i < args.size(); ++r.i) {
        const std::string& w = args[r.i];
        if (!optionsDone && w == "--") {
            optionsDone = true;
        } else if (!optionsDone && LooksLikeOption(w)) {
            if (!SharedOption(r, w, a.out)) throw UsageError("unknown option '" + w + "' for apply");
        } else {
            positional.push_back(w);
        }
    }
    if (positional.size() < 2) throw UsageError("apply needs INPUT and OUTPUT");
    a.input = positional[0];
    a.output = positional[1];
    for (size_t k = 2; k < positional.size(); ++k) a.ops.push_back(ParseOp(positional[k]));
    return a;
}

namespace {

std::string TurnWordList() {
    std::string list;
    for (const TurnWord& t : TurnWords()) list += (list.empty() ? "" : ", ") + std::string(t.word);
    return list;
}

BatchArgs ParseBatchWords(const std::vector<std::string>& args, const std::string& command) {
    const bool turning = command == "transform";
    BatchArgs b;
    ArgReader r{args};
    bool optionsDone = false, haveOut = false;
    for (; r.i < args.size(); ++r.i) {
        const std::string& w = args[r.i];
        if (!optionsDone && w == "--") {
            optionsDone = true;
        } else if (!optionsDone && LooksLikeOption(w)) {
            if (!turning && SharedOption(r, w, b.out)) continue;
            if (r.matches(w, "-o") || r.matches(w, "--output")) {
                if (haveOut) throw UsageError("the output folder is given twice");
                b.outDir = r.value(w, w[1] == 'o' ? "-o" : "--output");
                if (b.outDir.empty()) throw UsageError("-o needs a folder");
                haveOut = true;
            } else if (w == "--in-place") {
                b.inPlace = true;
            } else if (w == "--overwrite") {
                b.overwrite = true;
            } else if (r.matches(w, "-j") || r.matches(w, "--jobs")) {
                b.jobs = ParseIntInRange(r.value(w, w[1] == 'j' ? "-j" : "--jobs"), 1, 64, "job count");
            } else {
                throw UsageError("unknown option '" + w + "' for " + command);
            }
        } else if (turning && !b.turn) {
            for (const TurnWord& t : TurnWords())
                if (w == t.word) b.turn = t.turn;
            if (!b.turn) throw UsageError("unknown transform '" + w + "': OP is one of " + TurnWordList());
        } else {
            b.paths.push_back(w);
        }
    }
    if (haveOut == b.inPlace) throw UsageError(command + " needs exactly one of -o DIR and --in-place");
    if (turning && !b.turn) throw UsageError("transform needs an OP, one of " + TurnWordList());
    if (b.paths.empty()) throw UsageError(command + " needs at least one photo or folder");
    return b;
}

}  // namespace

BatchArgs ParseBatch(const std::vector<std::string>& args) { return ParseBatchWords(args, "optimize"); }

BatchArgs ParseTransform(const std::vector<std::string>& args) { return ParseBatchWords(args, "transform"); }

const std::vector<TurnWord>& TurnWords() {
    static const std::vector<TurnWord> words = {
        {"rotate-cw", PhotoTurn::RotateCw, "a quarter turn clockwise"},
        {"rotate-ccw", PhotoTurn::RotateCcw, "a quarter turn anticlockwise"},
        {"rotate-180", PhotoTurn::Rotate180, "a half turn"},
        {"mirror-h", PhotoTurn::MirrorH, "mirrored left to right"},
        {"mirror-v", PhotoTurn::MirrorV, "flipped top to bottom"},
        {"auto-orient", PhotoTurn::Upright, "turned as the camera's orientation tag says"},
    };
    return words;
}

BatchArgs ParseExport(const std::vector<std::string>& args) {
    BatchArgs b;
    b.out.fullChroma = true;  // a small copy has few pixels per colour edge to spare
    ExportSettings e;
    ArgReader r{args};
    bool optionsDone = false, haveOut = false, haveEdge = false;
    for (; r.i < args.size(); ++r.i) {
        const std::string& w = args[r.i];
        if (!optionsDone && w == "--") {
            optionsDone = true;
        } else if (!optionsDone && LooksLikeOption(w)) {
            if (r.matches(w, "--long-edge")) {
                e.longEdge = ParseIntInRange(r.value(w, "--long-edge"), 16, 65535, "long edge");
                haveEdge = true;
            } else if (r.matches(w, "--quality")) {
                b.out.quality = ParseIntInRange(r.value(w, "--quality"), 10, 100, "quality");
            } else if (w == "--keep-details") {
                e.keepDetails = true;
            } else if (r.matches(w, "-o") || r.matches(w, "--output")) {
                if (haveOut) throw UsageError("the output folder is given twice");
                b.outDir = r.value(w, w[1] == 'o' ? "-o" : "--output");
                if (b.outDir.empty()) throw UsageError("-o needs a folder");
                haveOut = true;
            } else if (r.matches(w, "-j") || r.matches(w, "--jobs")) {
                b.jobs = ParseIntInRange(r.value(w, w[1] == 'j' ? "-j" : "--jobs"), 1, 64, "job count");
            } else {
                throw UsageError("unknown option '" + w + "' for export");
            }
        } else {
            b.paths.push_back(w);
        }
    }
    if (!haveEdge) throw UsageError("export needs --long-edge N");
    if (!haveOut) throw UsageError("export needs -o DIR");
    if (b.paths.empty()) throw UsageError("export needs at least one photo or folder");
    b.exportCopies = e;
    return b;
}

const char* const kApplyHelp =
    "apply reads INPUT (JPEG, HEIC/HEIF, PNG, WebP, TIFF or BMP, told apart by content),\n"
    "runs the operations in order and writes OUTPUT: a 24-bit BMP when its name ends in\n"
    ".bmp, else a JPEG. A colour profile other than sRGB is converted to sRGB on reading.";
const char* const kOptimizeHelp =
    "optimize runs the one-click optimize on every photo; a folder stands for its\n"
    "JPEG, HEIC/HEIF, PNG, WebP and TIFF files (not recursive). Photos are processed in\n"
    "parallel. Results are JPEG: a photo of another format gives NAME.jpg.";

const char* const kTransformHelp =
    "transform turns or mirrors every photo as it is shown (its EXIF orientation applied)\n"
    "and sets the orientation to 1. JPEG photos are turned without loss, by rearranging\n"
    "their compressed data; where their size is not a multiple of the block size, the\n"
    "partial blocks at the edge (at most 15 pixels) are cut off and the line says so.\n"
    "BMP photos are written again as BMP; other formats are refused.";

const std::vector<OptionHelp>& TransformOptions() {
    static const std::vector<OptionHelp> options = {
        {"-o DIR", "write the results into DIR under the same names"},
        {"--overwrite", "replace files that already exist in DIR"},
        {"--in-place", "replace each photo with its result"},
        {"-j, --jobs N", "photos at a time (default: from the number of cores)"},
    };
    return options;
}

const std::vector<OptionHelp>& OptimizeOptions() {
    static const std::vector<OptionHelp> options = {
        {"-o DIR", "write the results into DIR under the same names"},
        {"--overwrite", "replace files that already exist (in DIR, or a NAME.jpg\n"
                        "beside a photo of another format)"},
        {"--in-place", "replace each JPEG photo with its result; a photo of another\n"
                       "format is kept and its result written beside it as NAME.jpg"},
        {"-j, --jobs N", "photos at a time (default: from the number of cores)"},
    };
    return options;
}

const char* const kExportHelp =
    "export writes smaller JPEG copies to share: the long side of each photo brought down\n"
    "to N pixels (never enlarged), colours in sRGB, the location (GPS), serial numbers,\n"
    "owner and artist names, maker notes and XMP/IPTC places and creators left out.\n"
    "Names are kept; an existing file is never replaced: \"NAME (2).jpg\" is written\n"
    "instead. The originals are not touched.";

const std::vector<OptionHelp>& ExportOptions() {
    static const std::vector<OptionHelp> options = {
        {"--long-edge N", "pixels of the long side of the copies, 16..65535"},
        {"-o DIR", "write the copies into DIR (made when missing)"},
        {"--quality N", "JPEG quality 10..100 (default 90)"},
        {"--keep-details", "keep the location and personal details"},
        {"-j, --jobs N", "photos at a time (default: from the number of cores)"},
    };
    return options;
}

const std::vector<OptionHelp>& SharedOptions() {
    static const std::vector<OptionHelp> options = {
        {"--quality N", "JPEG quality 10..100 (default 90)"},
        {"--progressive", "write progressive JPEG"},
        {"--strip", "drop the photo's metadata (EXIF, ICC, XMP, comments)"},
        {"--flesh R,G,B", "flesh balance targets, each 128..255 (default 200,160,145)"},
        {"--landscape R,G,B", "landscape balance targets (default 190,180,170)"},
        {"--seed N", "draws of the noise brush from seed N, so they repeat\n"
                     "(default: from the clock); also before the command"},
    };
    return options;
}

namespace {

std::string OptionLines(const std::vector<OptionHelp>& options) {
    constexpr size_t kColumn = 22;
    std::string out;
    for (const OptionHelp& o : options) {
        std::string line = std::string("  ") + o.words;
        line += std::string(line.size() < kColumn ? kColumn - line.size() : 1, ' ');
        for (const char* h = o.help; *h != '\0'; ++h) line += *h == '\n' ? "\n" + std::string(kColumn, ' ') : std::string(1, *h);
        out += line + "\n";
    }
    return out;
}

std::string TurnLines() {
    std::string out;
    for (const TurnWord& t : TurnWords()) {
        std::string line = std::string("  ") + t.word;
        line += std::string(22 - line.size(), ' ');
        out += line + t.help + "\n";
    }
    return out;
}

}  // namespace

const std::vector<std::string>& SynopsisLines() {
    static const std::vector<std::string> lines = {
        "lumora [PHOTO... | FOLDER]",
        "lumora apply INPUT OUTPUT [OP ...] [options]",
        "lumora optimize (-o DIR | --in-place) [options] PATH...",
        "lumora export --long-edge N [--quality Q] [--keep-details] -o DIR PATH...",
        "lumora transform (-o DIR | --in-place) OP PATH...",
        "lumora --help | --version",
    };
    return lines;
}

std::string UsageText() {
    std::string usage;
    for (const std::string& line : SynopsisLines()) {
        usage += usage.empty() ? "usage: " : "       ";
        usage += line;
        // The first line alone says what it does: the others are the commands described below.
        if (&line == &SynopsisLines().front()) usage += "        start the desktop program";
        usage += "\n";
    }
    return usage + "\n" +
           kApplyHelp + "\n\noperations:\n" + OperationsHelp() + "\n" + kOptimizeHelp + "\n" +
           OptionLines(OptimizeOptions()) + "\noptions of apply and optimize:\n" + OptionLines(SharedOptions()) +
           "\n" + kExportHelp + "\n" + OptionLines(ExportOptions()) + "\n" + kTransformHelp + "\n" + TurnLines() +
           "options of transform:\n" + OptionLines(TransformOptions()) +
           "\nexit status: 0 done, 1 failed (or a photo of the batch failed), 2 usage error\n";
}

}  // namespace lum::cli
