// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the command-line parsers. The input is a command line, one word per line
// (or per NUL), after a first line whose first byte picks apply (even) or optimize (odd). Only
// usage errors may come out, and what is accepted must lie in the ranges the operation table
// documents.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/CliInternal.h"
#include "editing/Operation.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkOutput(const lum::cli::OutputSettings& out) {
    check(out.quality >= 10 && out.quality <= 100);
    for (const lum::Rgb& t : {out.targets.flesh, out.targets.landscape})
        check(t.R >= 128 && t.R <= 255 && t.G >= 128 && t.G <= 255 && t.B >= 128 && t.B <= 255);
}

// Every value the parameter list of the operation's row describes lies in its range.
void checkOp(const lum::ParsedOperation& parsed) {
    check(parsed.op != nullptr);
    if (parsed.op->parse) return;  // its own syntax, its own checks
    auto inRange = [](const lum::ParamDef& d, int v) { return v >= d.lo && v <= d.hi; };
    for (const lum::ParamDef& d : parsed.op->params) {
        if (!parsed.args.Has(d.key)) {
            check(d.fallback == nullptr && d.leftOut != nullptr);  // defaults are filled in
            continue;
        }
        switch (d.type) {
        case lum::ParamType::Int: check(inRange(d, parsed.args.Int(d.key))); break;
        case lum::ParamType::Pair: {
            const lum::ImagePoint p = parsed.args.Pair(d.key);
            check(inRange(d, p.x) && inRange(d, p.y));
            break;
        }
        case lum::ParamType::Path:
            for (const lum::ImagePoint& p : parsed.args.Path(d.key)) check(inRange(d, p.x) && inRange(d, p.y));
            break;
        case lum::ParamType::Choice: {
            const std::string word = "|" + parsed.args.Text(d.key) + "|";
            check(("|" + std::string(d.choices) + "|").find(word) != std::string::npos);
            break;
        }
        case lum::ParamType::Text: check(!parsed.args.Text(d.key).empty()); break;
        case lum::ParamType::Colour: parsed.args.ColourOf(d.key); break;
        }
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
            for (const lum::ParsedOperation& op : a.ops) checkOp(op);
        }
    } catch (const lum::cli::UsageError&) {
    }
    return 0;
}
