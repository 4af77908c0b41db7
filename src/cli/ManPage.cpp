// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ManPage.h"

#include "cli/CliInternal.h"

#include <algorithm>

namespace lum::cli {

std::string RoffEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
        lineStart = c == '\n';
    }
    return out;
}

namespace {

// --help breaks its texts for the terminal; the page lets roff fill them.
std::string Joined(const std::string& lines) {
    std::string out;
    for (char c : lines) out += c == '\n' ? ' ' : c;
    return out;
}

// A help text of --help as a sentence of the page.
std::string Sentence(const std::string& help) {
    std::string s = Joined(help);
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return RoffEscape(s) + ".";
}

std::string Bold(const std::string& s) { return "\\fB" + RoffEscape(s) + "\\fR"; }
std::string Italic(const std::string& s) { return "\\fI" + RoffEscape(s) + "\\fR"; }

// "key=WORD|WORD (default X)": the choices in bold, a value to fill in in italics.
std::string KeyLine(const ParamDef& p) {
    std::string value;
    if (p.choices) {
        for (const std::string& w : SplitWords(p.choices, '|')) value += (value.empty() ? "" : "|") + Bold(w);
    } else {
        value = Italic(TypeHint(p.type));
    }
    std::string line = Bold(p.key) + "=" + value;
    if (p.fallback) line += " (default " + RoffEscape(p.fallback) + ")";
    else if (p.leftOut) line += " (default " + RoffEscape(p.leftOut) + ")";
    return line;
}

std::string Operations() {
    std::string out;
    for (const Operation& op : lum::Operations()) {
        if (!op.commandLine) continue;
        out += ".TP\n" + Bold(op.usage) + "\n" + Sentence(op.help) + "\n";
        bool first = true;
        for (const ParamDef& p : op.params) {
            if (p.positional) continue;
            out += first ? ".br\nKeys:\n.RS\n" : ".br\n";
            out += KeyLine(p) + "\n";
            first = false;
        }
        if (!first) out += ".RE\n";
    }
    return out;
}

std::string Options(const std::vector<OptionHelp>& options) {
    std::string out;
    for (const OptionHelp& o : options) {
        // "-j, --jobs N": the option words in bold, the value in italics.
        std::string tag;
        for (const std::string& w : SplitWords(o.words, ' ')) {
            const bool value = w.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ,") == std::string::npos;
            tag += (tag.empty() ? "" : " ") + (value ? Italic(w) : Bold(w));
        }
        out += ".TP\n" + tag + "\n" + Sentence(o.help) + "\n";
    }
    return out;
}

std::string TurnList() {
    std::string out;
    for (const TurnWord& t : TurnWords()) out += ".TP\n" + Bold(t.word) + "\n" + Sentence(t.help) + "\n";
    return out;
}

// Every line set as it is, in a block of its own.
// Command words bold, the words to replace (upper case) in italics, as --help writes them.
std::string Synopsis() {
    std::string out;
    for (const std::string& line : SynopsisLines()) {
        std::string word;
        auto flush = [&] {
            if (word.empty()) return;
            const bool placeholder = std::any_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
            out += placeholder ? Italic(word) : word == "options" ? Italic(word) : Bold(word);
            word.clear();
        };
        for (char c : line) {
            if (std::string("[]()|. ").find(c) != std::string::npos) {
                flush();
                out += c == '.' ? std::string(".") : RoffEscape(std::string(1, c));
            } else {
                word += c;
            }
        }
        flush();
        out += "\n";
    }
    return out;
}

std::string Example(const std::string& comment, const std::string& command) {
    return ".PP\n" + RoffEscape(comment) + "\n.PP\n.RS 4\n.nf\n" + RoffEscape(command) + "\n.fi\n.RE\n";
}

}  // namespace

std::string ManPage(const std::string& version, const std::string& date) {
    std::string page;
    page += ".\\\" The manual page of lumora, made from the program's own tables when it is built.\n";
    page += ".TH LUMORA 1 " + date + " \"lumora " + RoffEscape(version) + "\" \"User Commands\"\n";
    // Option words and file names read better unbroken and ragged than hyphenated and stretched.
    page += ".nh\n.ad l\n";
    page += ".SH NAME\n"
            "lumora \\- improve digital photos with one click, touch them up and save them\n"
            ".SH SYNOPSIS\n"
            ".nf\n" +
            Synopsis() + ".fi\n";
    page += ".SH DESCRIPTION\n" +
            RoffEscape("Lumora is a desktop photo program for family users. Started without a command, from the "
                       "application menu or with a file manager's \"Open With\", it shows its main window: choose a "
                       "folder in the folder tree, click a photo in the photo list and press \"Optimize The Photo "
                       "Now!\". The colours move towards natural flesh tones and fine noise is smoothed while the "
                       "edges stay sharp. Compare the result with the photo as it was, touch it up (colour "
                       "balance, filters, Gaussian blur, rotation, resizing, selections, paint tools, a macro "
                       "recorder) and save it as a JPEG file.") +
            "\n.PP\n" +
            RoffEscape("A PHOTO given on the command line is opened at start; after -- its name may start with a "
                       "dash. The options of the window toolkit are accepted as well (for example -style fusion "
                       "or -platform xcb). The windows speak the desktop's language where a translation exists "
                       "(see ENVIRONMENT) and English otherwise.") +
            "\n.PP\n" +
            RoffEscape("The commands apply, optimize and transform do the same work without a window, for scripts and for "
                       "many photos at once.") +
            "\n";
    page += ".SH COMMANDS\n"
            ".TP\n"
            "\\fBapply\\fR \\fIINPUT\\fR \\fIOUTPUT\\fR [\\fIOP\\fR ...] [\\fIoptions\\fR]\n" +
            RoffEscape(Joined(kApplyHelp)) + " " +
            RoffEscape("The operations run in the order given, on the photo as a new main window holds it; "
                       "selections, brushes and fills act as the compare window's tools do. An OP is NAME or "
                       "NAME:ARGS; ARGS are separated by commas, positional values first, then key=value pairs "
                       "(any parameter may also be given by its key). Colours are written #RRGGBB; sizes, "
                       "points and offsets AxB in image pixels. The operations are listed under OPERATIONS.") +
            "\n.TP\n"
            "\\fBoptimize\\fR (\\fB\\-o\\fR \\fIDIR\\fR | \\fB\\-\\-in\\-place\\fR) [\\fIoptions\\fR] "
            "\\fIPATH\\fR...\n" +
            RoffEscape(Joined(kOptimizeHelp)) + " " +
            RoffEscape("One line per photo is printed on standard error. With --in-place a damaged photo is "
                       "left untouched and counted as failed, so a damaged original is never replaced.") +
            "\n.TP\n"
            "\\fBexport\\fR \\fB\\-\\-long\\-edge\\fR \\fIN\\fR [\\fB\\-\\-quality\\fR \\fIQ\\fR] "
            "[\\fB\\-\\-keep\\-details\\fR] \\fB\\-o\\fR \\fIDIR\\fR \\fIPATH\\fR...\n" +
            RoffEscape(Joined(kExportHelp)) + " " +
            RoffEscape("Exit status as for optimize.") +
            "\n.TP\n"
            "\\fBtransform\\fR (\\fB\\-o\\fR \\fIDIR\\fR | \\fB\\-\\-in\\-place\\fR) \\fIOP\\fR \\fIPATH\\fR...\n" +
            RoffEscape(Joined(kTransformHelp)) + " " +
            RoffEscape("OP is one of:") + "\n.RS\n" + TurnList() + ".RE\n" +
            RoffEscape("A damaged photo is refused with its reason and left as it is; the exit status and the "
                       "refusals are those of optimize.") +
            "\n.TP\n"
            "\\fB\\-\\-help\\fR, \\fB\\-h\\fR\n"
            "Print the commands, the operations and the options, then exit.\n"
            ".TP\n"
            "\\fB\\-\\-version\\fR\n"
            "Print the version, then exit.\n";
    page += ".SH OPTIONS\n.SS \"Options of optimize\"\n" + Options(OptimizeOptions()) +
            ".SS \"Options of apply and optimize\"\n" + Options(SharedOptions()) +
            ".SS \"Options of export\"\n" + Options(ExportOptions()) +
            ".SS \"Options of transform\"\n" + Options(TransformOptions());
    page += ".SH OPERATIONS\n" +
            RoffEscape("Each operation is one word of the apply command line. A parameter without a default "
                       "must be given.") +
            "\n" + Operations();
    page += ".SH PHOTOS AND METADATA\n" +
            RoffEscape("Photos keep their metadata (EXIF, ICC profile, XMP, comments) unless --strip is given; "
                       "a turned, cropped or straightened photo has its EXIF orientation reset and its thumbnail made again. Files are "
                       "replaced atomically, never half-written. A photo that decodes only in part is never "
                       "passed off as sound: apply and optimize -o write the result with a warning naming the "
                       "file and what the decoder found. Only regular files are read: pipes and devices are "
                       "refused at once.") +
            "\n";
    page += ".SH EXIT STATUS\n"
            ".TP\n.B " + std::to_string(kExitOk) + "\n" +
            RoffEscape("Done: every photo was written, or the window was closed.") + "\n"
            ".TP\n.B " + std::to_string(kExitFailure) + "\n" +
            RoffEscape("Failed: a file could not be read or written, an operation refused (its message is "
                       "printed and nothing is written), at least one photo of a batch failed, or no display "
                       "could be reached for the window.") +
            "\n"
            ".TP\n.B " + std::to_string(kExitUsage) + "\n" +
            RoffEscape("Usage error: an unknown command, option, operation or key, or a value out of range; "
                       "the message names the word.") +
            "\n";
    page += ".SH ENVIRONMENT\n"
            ".TP\n.B LANGUAGE\n" +
            RoffEscape("A list of languages separated by colons, tried in order for the windows (for example "
                       "fr:de). Ignored when the locale is C or POSIX.") +
            "\n.TP\n.BR LC_ALL \", \" LC_MESSAGES \", \" LANG\n" +
            RoffEscape("The first one set gives the language of the windows (for example fr_FR.UTF-8). "
                       "Without a translation for it the windows are in English; the command line always is.") +
            "\n.TP\n.B LUMORA_THREADS\n" +
            RoffEscape("The number of threads the pixel operations use (default: one per processor core).") +
            "\n";
    page += ".SH FILES\n"
            ".TP\n.I ~/.config/Lumora/Lumora.conf\n" +
            RoffEscape("The last working folder, when the Options keep it between runs.") +
            "\n.TP\n.I /usr/share/lumora/translations\n" +
            RoffEscape("The translations of the windows.") + "\n";
    page += ".SH EXAMPLES\n" +
            Example("Turn a photo into a grey 24-bit BMP file:", "lumora apply holiday.jpg holiday-grey.bmp grey") +
            Example("A quarter turn and a smaller size, written at quality 85:",
                    "lumora apply scan.jpg small.jpg rotate-cw resize:800x600 --quality 85") +
            Example("Optimize every photo of a folder into another folder:",
                    "lumora optimize -o ~/Pictures/optimized ~/Pictures/2024") +
            Example("Copies of a folder's photos to send, 1600 pixels long, without the location:",
                    "lumora export --long-edge 1600 -o ~/Pictures/to-send ~/Pictures/2024") +
            Example("Turn every photo of a folder upright as the camera recorded it, without loss:",
                    "lumora transform --in-place auto-orient ~/Pictures/2024") +
            Example("A crop, a horizon straightened by 2.5 degrees anticlockwise and red eyes taken out:",
                    "lumora apply party.jpg party-fixed.jpg crop:120,80,2520,1680 straighten:-2.5 "
                    "red-eye:ellipse,812,400,860,446") +
            Example("A channel shift and a sharpen inside an ellipse only:",
                    "lumora apply beach.jpg beach-sky.jpg select:ellipse,0,0,1200,500 shift:2 sharpen select:none") +
            Example("A logo on a white background mixed into every photo of a folder at 60 percent:",
                    "mkdir -p marked\n"
                    "for photo in photos/*.jpg; do\n"
                    "    lumora apply \"$photo\" \"marked/${photo##*/}\" \\\n"
                    "        mix:logo.bmp,style=masked,mask=#FFFFFF,tolerance=8,resize=zoom,zoom=100,percent=60\n"
                    "done");
    return page;
}

}  // namespace lum::cli
