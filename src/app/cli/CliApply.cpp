#include <cstdio>

#include "app/cli/CliInternal.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"
#include "imaging/Geometry.h"

namespace lum::cli {

void StderrPrompts::Message(const std::string& text) {
    ++messages;
    std::fprintf(stderr, "lumora: %s\n", text.c_str());
}

bool StderrPrompts::AskYesNo(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "lumora: %s: %s (answered No)\n", caption.c_str(), text.c_str());
    return false;
}

void StateReplayer::ReplayAction(int code, int p1) {
    switch (code) {
    case 2: NivGris(st_); break;
    case 12: ChannelShift(st_, p1); break;
    case 13:
        // The blur command again, its dialog answered with the radius it starts with.
        FlouGaussienClick(st_, [](int& radius) {
            radius = kBlurRadius;
            return true;
        });
        break;
    case 14: LissageAuto(st_); break;
    case 15: FleshBalance(st_); break;
    case 16: LandscapeBalance(st_); break;
    default: break;
    }
}

namespace {
// "path: message", unless the message already names the file.
std::string About(const std::string& path, const std::string& message) {
    return message.find(path) != std::string::npos ? message : path + ": " + message;
}
}  // namespace

bool RunOp(EditState& st, const Op& op) {
    switch (op.kind) {
    case OpKind::Optimize: OptimizePhoto(st, false); break;
    case OpKind::OptimizeCompare: OptimizePhoto(st, true); break;
    case OpKind::FleshBalance: FleshBalance(st); break;
    case OpKind::LandscapeBalance: LandscapeBalance(st); break;
    case OpKind::Shift: ChannelShift(st, op.a); break;
    case OpKind::Lighten: Lighten(st); break;
    case OpKind::Grey: NivGris(st); break;
    case OpKind::Sharpen: Sharpen(st); break;
    case OpKind::SharpenPlus: SharpenPlus(st); break;
    case OpKind::Soften: Soften(st); break;
    case OpKind::AutoSmooth: LissageAuto(st); break;
    case OpKind::Blur:
        FlouGaussienClick(st, [&op](int& radius) {
            radius = op.a;
            return true;
        });
        break;
    case OpKind::RotateCw: RotateOrMirror(st, 1); break;
    case OpKind::RotateCcw: RotateOrMirror(st, 4); break;
    case OpKind::MirrorH: RotateOrMirror(st, 2); break;
    case OpKind::MirrorV: RotateOrMirror(st, 3); break;
    case OpKind::Rotate: RotateByAngle(st, op.a, false); break;
    case OpKind::Resize: return ResizeImage(st, op.a, op.b);
    case OpKind::Macro: {
        StateReplayer replayer(st);
        st.Macro.Execute(replayer);
        break;
    }
    }
    return true;
}

std::vector<uint8_t> EncodeFor(const std::string& outputPath, const Image& img, const OutputSettings& out,
                               const JpegMetadata* meta) {
    if (HasBmpExtension(outputPath)) return EncodeBmp(img);
    JpegEncodeOptions o;
    o.quality = out.quality;
    o.progressive = out.progressive;
    o.metadata = (out.strip || meta == nullptr || meta->empty()) ? nullptr : meta;
    return EncodeJpeg(img, o);
}

int RunApply(const std::vector<std::string>& args) {
    const ApplyArgs a = ParseApply(args);  // every usage error before any file is touched

    LoadedPicture pic;
    try {
        pic = LoadPicture(a.input);
    } catch (const std::exception& e) {
        throw Failure(About(a.input, e.what()));
    }

    // As a newly created main window holds it, with the photo committed as the baseline.
    StderrPrompts prompts;
    EditState st;
    st.SetPrompts(&prompts);
    st.Targets = a.out.targets;
    InitKernelRegister(st);
    st.MemoryImage = std::move(pic.image);
    st.CommitMemoryImage();
    st.PhotoLoaded = true;
    st.CurrentFileName = a.input;

    StopRequest stop;
    for (const Op& op : a.ops) {
        if (StopRequest::Requested()) throw Failure("interrupted; " + a.output + " not written");
        bool done;
        try {
            done = RunOp(st, op);
        } catch (const std::exception& e) {
            throw Failure(op.text + ": " + e.what());
        }
        if (!done) {
            if (prompts.messages == 0) std::fprintf(stderr, "lumora: %s refused\n", op.text.c_str());
            return kExitFailure;  // nothing written
        }
    }

    // Release what is no longer needed before the encoder takes its share.
    st.MemoryImage = Image();
    st.UndoImage = Image();
    st.SourceImage = Image();
    st.RebuildRows();
    if (StopRequest::Requested()) throw Failure("interrupted; " + a.output + " not written");
    try {
        std::vector<uint8_t> bytes =
            EncodeFor(a.output, st.WorkImage, a.out, pic.format == FileFormat::Jpeg ? &pic.metadata : nullptr);
        WriteFileAtomic(a.output, bytes);
    } catch (const std::exception& e) {
        throw Failure(About(a.output, e.what()));
    }
    return kExitOk;
}

}  // namespace lum::cli
