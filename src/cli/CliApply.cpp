// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "cli/CliInternal.h"
#include "editing/Editor.h"
#include "image/FormatNames.h"
#include "image/PhotoNotice.h"

namespace lum::cli {

void StderrPrompts::Message(const std::string& text) {
    ++messages;
    std::fprintf(stderr, "lumora: %s\n", text.c_str());
}

bool StderrPrompts::AskYesNo(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "lumora: %s: %s (answered No)\n", caption.c_str(), text.c_str());
    return false;
}

namespace {
// "path: message", unless the message already names the file.
std::string About(const std::string& path, const std::string& message) {
    return message.find(path) != std::string::npos ? message : path + ": " + message;
}
}  // namespace

std::vector<uint8_t> EncodeFor(const std::string& outputPath, const Image& img, const OutputSettings& out,
                               const PictureMetadata* meta, std::vector<std::string>* warnings) {
    // The print size is no private detail: it stays when the metadata is stripped.
    const PixelDensity density = meta ? meta->density : PixelDensity();
    if (HasBmpExtension(outputPath)) return EncodeBmp(img, &density);
    JpegEncodeOptions o;
    o.quality = out.quality;
    o.progressive = out.progressive;
    o.fullChroma = out.fullChroma;
    o.metadata = (out.strip || meta == nullptr || meta->empty()) ? nullptr : meta;
    o.density = density;
    o.warnings = warnings;
    return EncodeJpeg(img, o);
}

int RunApply(const std::vector<std::string>& args) {
    const ApplyArgs a = ParseApply(args);  // every usage error before any file is touched
    // Only JPEG and BMP are written: JPEG data under a PNG or HEIC name would not be what it says.
    if (HasReadOnlyExtension(a.output))
        throw UsageError(a.output + ": Lumora writes JPEG or BMP only; name the output .jpg or .bmp");

    LoadedPicture pic;
    try {
        pic = LoadPicture(a.input);
    } catch (const std::exception& e) {
        throw Failure(NoticeForFailure(a.input, e).text);
    }
    // A damaged photo is still worked on and written to another file, but never silently, and
    // never over itself by any path: that would leave only a clean-looking copy of what could be
    // decoded.
    const PhotoNotice notice = NoticeForLoad(a.input, pic.report);
    if (!notice.mayReplaceOriginal() && pic.source.sameFile(IdentityOf(a.output)))
        throw Failure(RefusalToReplace(notice));
    if (!notice.text.empty()) std::fprintf(stderr, "lumora: warning: %s\n", notice.text.c_str());

    // As a newly created main window holds it, with the photo committed as the baseline, but
    // lean: nothing is undone here, so only the working image (and a source copy while an
    // operation reads one) is kept.
    StderrPrompts prompts;
    Editor editor(EditorPolicy::CommandLine(), &prompts);
    EditState& st = editor.State();
    st.registers.SetTargets(a.out.targets);
    if (a.out.seed) st.tools.SetNoise(BrushRandom(*a.out.seed));
    st.picture.Baseline() = std::move(pic.image);
    editor.CommitMemoryImage();
    st.file.SetLoaded(true);
    st.file.SetCurrentFileName(a.input);
    // The photo's metadata goes with the editing state, so a new picture made by an operation
    // does not leave with the camera data and thumbnail of the photo it replaced.
    st.file.SetMetadata(std::move(pic.metadata));

    StopRequest stop;
    for (const ParsedOperation& op : a.ops) {
        if (StopRequest::Requested()) throw Failure("interrupted; " + a.output + " not written");
        bool done;
        try {
            done = editor.Run(*op.op, op.args);
        } catch (const std::exception& e) {
            throw Failure(op.word + ": " + e.what());
        }
        if (!done) {
            if (prompts.messages == 0) std::fprintf(stderr, "lumora: %s refused\n", op.word.c_str());
            return kExitFailure;  // nothing written
        }
    }

    // The lean editor holds nothing but the working image when the encoder takes its share.
    if (StopRequest::Requested()) throw Failure("interrupted; " + a.output + " not written");
    std::vector<std::string> warnings;
    try {
        std::vector<uint8_t> bytes = EncodeFor(a.output, st.picture.Work(), a.out, &st.file.Metadata(), &warnings);
        WriteOutput(a.output, bytes);
    } catch (const std::exception& e) {
        throw Failure(About(a.output, e.what()));
    }
    for (const std::string& w : warnings) std::fprintf(stderr, "lumora: warning: %s\n", About(a.output, w).c_str());
    return kExitOk;
}

}  // namespace lum::cli
