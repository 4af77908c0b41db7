// libFuzzer target: the command-line parsers. The input is a command line, one word per line
// (or per NUL), after a first line whose first byte picks apply (even) or optimize (odd). Only usage errors may come out, and what
// is accepted must lie in the documented ranges.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#if __has_include("cli/CliInternal.h")
#include "cli/CliInternal.h"
#else
#include "app/cli/CliInternal.h"
#endif

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkOutput(const lum::cli::OutputSettings& out) {
    check(out.quality >= 10 && out.quality <= 100);
    for (const lum::Rgb& t : {out.targets.flesh, out.targets.landscape})
        check(t.R >= 128 && t.R <= 255 && t.G >= 128 && t.G <= 255 && t.B >= 128 && t.B <= 255);
}

void checkOp(const lum::cli::Op& op) {
    using lum::cli::OpKind;
    switch (op.kind) {
    case OpKind::Shift: check(op.a >= 1 && op.a <= 6); break;
    case OpKind::Blur: check(op.a >= 1 && op.a <= 24); break;
    case OpKind::Rotate: check(op.a >= 0 && op.a <= 360); break;
    case OpKind::Resize: check(op.a >= 0 && op.b >= 0 && op.a <= 1000000 && op.b <= 1000000); break;
    default: break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::vector<std::string> words(1);
    size_t i = 1;
    if (i < size && data[i] == '\n') ++i;
    for (; i < size; ++i) {
        if (data[i] == '\n' || data[i] == '\0')
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    try {
        if (data[0] & 1) {
            const lum::cli::BatchArgs b = lum::cli::ParseBatch(words);
            check(b.inPlace == b.outDir.empty() && !b.paths.empty());
            check(b.jobs >= 0 && b.jobs <= 64);
            checkOutput(b.out);
        } else {
            const lum::cli::ApplyArgs a = lum::cli::ParseApply(words);
            checkOutput(a.out);
            for (const lum::cli::Op& op : a.ops) checkOp(op);
        }
    } catch (const lum::cli::UsageError&) {
    }
    return 0;
}
