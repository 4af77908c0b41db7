// SPDX-License-Identifier: GPL-3.0-or-later
// Looking rows up in the operation table, reading operation words and the help text.
#include <cstring>

#include "editing/Operation.h"

namespace lum {

const Operation* FindOperation(const std::string& name) {
    for (const Operation& op : Operations())
        if (op.name == name) return &op;
    return nullptr;
}

const Operation* FindReplay(int code, unsigned window) {
    for (const Operation& op : Operations())
        if (op.macroCode == code && (op.replayedBy & window) != 0) return &op;
    return nullptr;
}

CommandRef FindCommand(const std::string& control, unsigned window) {
    for (const Operation& op : Operations())
        for (const Command& c : op.commands)
            if ((c.windows & window) != 0 && control == c.control) return CommandRef{&op, &c};
    return CommandRef{};
}

const char* CommandCaption(const std::string& control, unsigned window) {
    if (const Command* c = FindCommand(control, window).command) return c->caption;
    if (const Command* c = FindCommand(control, kBothWindows & ~window).command) return c->caption;
    return nullptr;
}

ParsedOperation ParseOperationWord(const std::string& word) {
    const size_t colon = word.find(':');
    const std::string name = word.substr(0, colon);
    const Operation* op = FindOperation(name);
    if (!op || !op->commandLine) throw ArgsError("unknown operation '" + word + "' (see lumora --help)");
    const bool hasArgs = colon != std::string::npos;
    ParsedOperation parsed;
    parsed.op = op;
    parsed.args = ParseArgs(*op, hasArgs ? word.substr(colon + 1) : std::string(), hasArgs, word);
    parsed.word = word;
    return parsed;
}

namespace {

std::string Padded(const std::string& s, size_t width) {
    return s.size() + 1 < width ? s + std::string(width - s.size(), ' ') : s + "\n" + std::string(width, ' ');
}

}  // namespace

const char* TypeHint(ParamType type) {
    switch (type) {
        case ParamType::Int: return "N";
        case ParamType::Pair: return "AxB";
        case ParamType::Colour: return "#RRGGBB";
        case ParamType::Choice: return "WORD";
        case ParamType::Text: return "TEXT";
        case ParamType::Path: return "X1xY1/X2xY2/...";
    }
    return "";
}

std::string OperationsHelp() {
    constexpr size_t kColumn = 22;
    std::string out;
    for (const Operation& op : Operations()) {
        if (!op.commandLine) continue;
        std::string lines = op.help;
        std::string text = "  " + Padded(op.usage, kColumn - 2);
        size_t start = 0;
        for (;;) {
            const size_t nl = lines.find('\n', start);
            text += lines.substr(start, nl == std::string::npos ? std::string::npos : nl - start) + "\n";
            if (nl == std::string::npos) break;
            text += std::string(kColumn, ' ');
            start = nl + 1;
        }
        for (const ParamDef& p : op.params) {
            if (p.positional) continue;
            std::string key = std::string(p.key) + "=" + (p.choices ? p.choices : TypeHint(p.type));
            if (p.fallback) key += " (default " + std::string(p.fallback) + ")";
            else if (p.leftOut) key += " (default " + std::string(p.leftOut) + ")";
            text += std::string(kColumn, ' ') + key + "\n";
        }
        out += text;
    }
    return out;
}

}  // namespace lum
