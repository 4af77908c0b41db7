// SPDX-License-Identifier: GPL-3.0-or-later
// The parameters of an operation: how each is written on the command line and its value once
// read. On the command line an operation is NAME or NAME:ARGS; ARGS are comma-separated,
// positional values first, then key=value pairs (any parameter may also be given by its key).
#pragma once
#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "editing/ImagePoint.h"
#include "image/Color.h"

namespace lum {

struct Operation;

// A mistake in an operation word: unknown name or key, a bad or missing value.
class ArgsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ParamType {
    Int,     // whole number in lo..hi
    Pair,    // AxB, each part in lo..hi (a size, a point, an offset)
    Colour,  // #RRGGBB
    Choice,  // one of the words of `choices`
    Text,    // anything without a comma (a file name)
    Path     // X1xY1/X2xY2/... in lo..hi
};

struct ParamDef {
    const char* key;
    ParamType type;
    int lo = 0, hi = 0;
    const char* fallback = nullptr;  // the default as it would be written; nullptr: must be given
    bool positional = true;          // filled from the values before the first key=value
    const char* choices = nullptr;   // Choice: words separated by '|'
    const char* leftOut = nullptr;   // may be left out without a default: what it then means

    static ParamDef Int(const char* key, int lo, int hi, const char* fallback = nullptr) {
        return {key, ParamType::Int, lo, hi, fallback};
    }
    static ParamDef Pair(const char* key, int lo, int hi, const char* fallback = nullptr) {
        return {key, ParamType::Pair, lo, hi, fallback};
    }
    static ParamDef Colour(const char* key, const char* fallback = nullptr) {
        return {key, ParamType::Colour, 0, 0, fallback};
    }
    static ParamDef Choice(const char* key, const char* choices, const char* fallback = nullptr) {
        return {key, ParamType::Choice, 0, 0, fallback, true, choices};
    }
    static ParamDef Text(const char* key, const char* fallback = nullptr) {
        return {key, ParamType::Text, 0, 0, fallback};
    }
    static ParamDef Path(const char* key, int lo, int hi) { return {key, ParamType::Path, lo, hi}; }
    // Given only as key=value.
    ParamDef Keyed() const {
        ParamDef p = *this;
        p.positional = false;
        return p;
    }
    // May be left out; the operation then works it out itself (`meaning` is for the help).
    ParamDef Optional(const char* meaning) const {
        ParamDef p = *this;
        p.leftOut = meaning;
        return p;
    }
};

using ArgValue = std::variant<int, ImagePoint, Colour, std::string, std::vector<ImagePoint>>;

class OpArgs {
public:
    bool Has(const std::string& key) const { return values_.count(key) != 0; }
    void Set(const std::string& key, ArgValue value) { values_[key] = std::move(value); }
    // Typed reads; std::out_of_range when the key is missing, std::bad_variant_access when it
    // holds another type.
    int Int(const std::string& key) const { return std::get<int>(values_.at(key)); }
    ImagePoint Pair(const std::string& key) const { return std::get<ImagePoint>(values_.at(key)); }
    // A colour set as a plain int (Set(key, 0xFFFFFF)) reads as that colour too.
    lum::Colour ColourOf(const std::string& key) const {
        const ArgValue& v = values_.at(key);
        if (const int* i = std::get_if<int>(&v)) return static_cast<lum::Colour>(*i);
        return std::get<lum::Colour>(v);
    }
    const std::string& Text(const std::string& key) const { return std::get<std::string>(values_.at(key)); }
    const std::vector<ImagePoint>& Path(const std::string& key) const {
        return std::get<std::vector<ImagePoint>>(values_.at(key));
    }
    bool operator==(const OpArgs& o) const { return values_ == o.values_; }

private:
    std::map<std::string, ArgValue> values_;
};

// One value written as the command line writes it; `word` is the whole operation word, for
// the messages.
ArgValue ParseValue(const ParamDef& def, const std::string& text, const std::string& word);

// A whole decimal number in lo..hi (an optional leading '-'); ArgsError naming `what`.
int ParseWholeNumber(const std::string& text, int lo, int hi, const std::string& what);

// The values of op's parameters from the text after the colon (`hasArgs` false: no colon).
// Parameters not given take their defaults; a missing one without default is an error.
OpArgs ParseArgs(const Operation& op, const std::string& text, bool hasArgs, const std::string& word);

// How the help shows a value of the type to fill in: "N", "AxB", "#RRGGBB" ...
const char* TypeHint(ParamType type);

// Every parameter at its default (those without one are left out).
OpArgs DefaultArgs(const Operation& op);

// Splits on a separator, keeping empty parts.
std::vector<std::string> SplitWords(const std::string& text, char separator);

}  // namespace lum
