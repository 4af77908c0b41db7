// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/OpArgs.h"

#include <cstdlib>

#include "editing/Operation.h"

namespace lum {

namespace {

std::string In(const std::string& word) { return " in '" + word + "'"; }

const ParamDef* FindParam(const Operation& op, const std::string& key) {
    for (const ParamDef& p : op.params)
        if (key == p.key) return &p;
    return nullptr;
}

ImagePoint ParsePair(const ParamDef& def, const std::string& text, const std::string& word) {
    // The separator is the first x after the first character, so "-5x-3" reads as (-5, -3).
    const size_t x = text.find_first_of("xX", text.empty() ? 0 : 1);
    if (x == std::string::npos)
        throw ArgsError("bad " + std::string(def.key) + " '" + text + "'" + In(word) + " (AxB)");
    const std::string what = std::string(def.key) + In(word) + ":";
    return ImagePoint{ParseWholeNumber(text.substr(0, x), def.lo, def.hi, what),
                      ParseWholeNumber(text.substr(x + 1), def.lo, def.hi, what)};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

int ParseWholeNumber(const std::string& text, int lo, int hi, const std::string& what) {
    const std::string range = " (" + std::to_string(lo) + ".." + std::to_string(hi) + ")";
    const size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
    bool digits = text.size() > start && text.size() - start <= 9;
    for (size_t k = start; digits && k < text.size(); ++k) digits = text[k] >= '0' && text[k] <= '9';
    if (!digits) throw ArgsError("bad " + what + " '" + text + "'" + range);
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v < lo || v > hi) throw ArgsError(what + " " + text + " out of range" + range);
    return static_cast<int>(v);
}

ArgValue ParseValue(const ParamDef& def, const std::string& text, const std::string& word) {
    const std::string key = def.key;
    switch (def.type) {
        case ParamType::Int:
            return ParseWholeNumber(text, def.lo, def.hi, key + In(word) + ":");
        case ParamType::Pair:
            return ParsePair(def, text, word);
        case ParamType::Colour: {
            int v[6] = {};
            bool ok = text.size() == 7 && text[0] == '#';
            for (int i = 0; ok && i < 6; ++i) ok = (v[i] = HexDigit(text[static_cast<size_t>(i) + 1])) >= 0;
            if (!ok) throw ArgsError("bad " + key + " '" + text + "'" + In(word) + " (#RRGGBB)");
            return MakeColour(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
        }
        case ParamType::Choice: {
            const std::string choices = def.choices ? def.choices : "";
            for (const std::string& c : SplitWords(choices, '|'))
                if (c == text) return text;
            throw ArgsError("bad " + key + " '" + text + "'" + In(word) + " (" + choices + ")");
        }
        case ParamType::Text:
            if (text.empty()) throw ArgsError("empty " + key + In(word));
            return text;
        case ParamType::Path: {
            std::vector<ImagePoint> points;
            for (const std::string& p : SplitWords(text, '/')) points.push_back(ParsePair(def, p, word));
            return points;
        }
    }
    throw ArgsError("bad " + key + In(word));
}

OpArgs ParseArgs(const Operation& op, const std::string& text, bool hasArgs, const std::string& word) {
    if (hasArgs && op.params.empty() && !op.parse)
        throw ArgsError("operation '" + op.name + "' takes no parameter: '" + word + "'");
    const std::vector<std::string> values = hasArgs ? SplitWords(text, ',') : std::vector<std::string>();
    if (op.parse) return op.parse(op, values, word);

    OpArgs args;
    size_t next = 0;  // next parameter a positional value may fill
    bool keyed = false;
    for (const std::string& value : values) {
        const size_t eq = value.find('=');
        const ParamDef* def = eq == std::string::npos ? nullptr : FindParam(op, value.substr(0, eq));
        if (def) {
            if (args.Has(def->key)) throw ArgsError(op.name + ": " + def->key + " given twice" + In(word));
            args.Set(def->key, ParseValue(*def, value.substr(eq + 1), word));
            keyed = true;
            continue;
        }
        while (next < op.params.size() && !op.params[next].positional) ++next;
        // A file name may hold '='; anything else with one names an unknown key.
        const bool textNext = !keyed && next < op.params.size() && op.params[next].type == ParamType::Text;
        if (eq != std::string::npos && !textNext)
            throw ArgsError(op.name + ": unknown key '" + value.substr(0, eq) + "'" + In(word));
        if (keyed) throw ArgsError(op.name + ": value '" + value + "' after key=value pairs" + In(word));
        if (next >= op.params.size()) throw ArgsError(op.name + ": too many values" + In(word));
        const ParamDef& p = op.params[next++];
        args.Set(p.key, ParseValue(p, value, word));
    }
    for (const ParamDef& p : op.params) {
        if (args.Has(p.key) || (!p.fallback && p.leftOut)) continue;
        if (!p.fallback) throw ArgsError(op.name + " needs its " + p.key + ": " + op.usage);
        args.Set(p.key, ParseValue(p, p.fallback, word));
    }
    return args;
}

OpArgs DefaultArgs(const Operation& op) {
    OpArgs args;
    for (const ParamDef& p : op.params)
        if (p.fallback) args.Set(p.key, ParseValue(p, p.fallback, op.name));
    return args;
}

}  // namespace lum
