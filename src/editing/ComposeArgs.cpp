// SPDX-License-Identifier: GPL-3.0-or-later
// Gradient and mix choices as operation arguments: the same words on the command line, in the
// dialogs' answers and in the presets of the commands.
#include <algorithm>
#include <cstdio>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "editing/Compose.h"
#include "imaging/TextStamp.h"

namespace lum {

namespace {

const char* const kGradientStyles[] = {"none", "vertical", "horizontal", "centred-small", "centred-big"};

template <size_t N>
int WordIndex(const char* const (&words)[N], const std::string& word) {
    for (size_t i = 0; i < N; ++i)
        if (word == words[i]) return static_cast<int>(i);
    throw ArgsError("unknown word '" + word + "'");
}

template <class E>
void ReadChoice(const OpArgs& a, const MixChoice& c, E& into) {
    if (a.Has(c.key)) into = static_cast<E>(MixWordIndex(c, a.Text(c.key)));
}

void ReadInt(const OpArgs& a, const MixNumber& n, int& into) {
    if (a.Has(n.key)) into = a.Int(n.key);
}

template <class E>
void PutChoice(OpArgs& a, const MixChoice& c, E value) {
    a.Set(c.key, MixWord(c, static_cast<int>(value)));
}

// Texts the operation table points at for good.
const char* Kept(std::string text) {
    static std::deque<std::string> kept;
    kept.push_back(std::move(text));
    return kept.back().c_str();
}

ParamDef NumberParam(const MixNumber& n) {
    return ParamDef::Int(n.key, n.lo, n.hi, Kept(std::to_string(n.fallback))).Keyed();
}

ParamDef ChoiceParam(const MixChoice& c) {
    return ParamDef::Choice(c.key, c.words, Kept(MixWord(c, c.fallback))).Keyed();
}

}  // namespace

std::string MixWord(const MixChoice& choice, int index) {
    const std::vector<std::string> words = SplitWords(choice.words, '|');
    if (index < 0 || index >= static_cast<int>(words.size())) throw std::out_of_range(choice.key);
    return words[static_cast<size_t>(index)];
}

int MixWordIndex(const MixChoice& choice, const std::string& word) {
    const std::vector<std::string> words = SplitWords(choice.words, '|');
    const auto at = std::find(words.begin(), words.end(), word);
    if (at == words.end()) throw ArgsError("unknown word '" + word + "'");
    return static_cast<int>(at - words.begin());
}

Operation& AddMixParams(Operation& op) {
    char mask[8];
    std::snprintf(mask, sizeof mask, "#%02X%02X%02X", ColourR(kMixMask.fallback), ColourG(kMixMask.fallback),
                  ColourB(kMixMask.fallback));
    const std::string offset = std::to_string(kMixOffset.fallback);
    return op.Param(ChoiceParam(kMixStyle))
        .Param(NumberParam(kMixPercent))
        .Param(ChoiceParam(kMixResize))
        .Param(NumberParam(kMixZoom))
        .Param(ChoiceParam(kMixMirror))
        .Param(ParamDef::Colour(kMixMask.key, Kept(mask)).Keyed())
        .Param(NumberParam(kMixTolerance))
        .Param(ChoiceParam(kMixBlur))
        .Param(NumberParam(kMixMargin))
        .Param(ParamDef::Pair(kMixOffset.key, kMixOffset.lo, kMixOffset.hi, Kept(offset + "x" + offset)).Keyed());
}

GradientParams GradientFromArgs(const OpArgs& a, int width, int height) {
    GradientParams p;
    if (a.Has("style")) p.style = static_cast<GradientStyle>(WordIndex(kGradientStyles, a.Text("style")));
    if (a.Has("colour1")) p.colour1 = a.ColourOf("colour1");
    if (a.Has("colour2")) p.colour2 = a.ColourOf("colour2");
    if (a.Has("background")) p.background = a.ColourOf("background");
    if (a.Has("centre")) {
        const ImagePoint c = a.Pair("centre");
        p.centre = GradientCentre{c.x, c.y};
    } else {
        p.centre = ScaleGradientCentre(GradientCentre{128, 128}, width, height);
    }
    return p;
}

void PutGradientArgs(OpArgs& a, const GradientParams& p) {
    a.Set("style", std::string(kGradientStyles[static_cast<int>(p.style)]));
    a.Set("colour1", p.colour1);
    a.Set("colour2", p.colour2);
    a.Set("background", p.background);
    a.Set("centre", ImagePoint{p.centre.x, p.centre.y});
}

MixOptions MixFromArgs(const OpArgs& a, MixOptions o) {
    ReadChoice(a, kMixStyle, o.style);
    ReadInt(a, kMixPercent, o.percent);
    ReadChoice(a, kMixResize, o.resize);
    ReadInt(a, kMixZoom, o.zoom);
    ReadChoice(a, kMixMirror, o.mirror);
    if (a.Has(kMixMask.key)) o.maskColour = a.ColourOf(kMixMask.key);
    ReadInt(a, kMixTolerance, o.tolerance);
    ReadChoice(a, kMixBlur, o.blur);
    ReadInt(a, kMixMargin, o.margin);
    if (a.Has(kMixOffset.key)) {
        const ImagePoint off = a.Pair(kMixOffset.key);
        o.offsetX = off.x;
        o.offsetY = off.y;
    }
    return o;
}

void PutMixArgs(OpArgs& a, const MixOptions& o) {
    PutChoice(a, kMixStyle, o.style);
    a.Set(kMixPercent.key, o.percent);
    PutChoice(a, kMixResize, o.resize);
    a.Set(kMixZoom.key, o.zoom);
    PutChoice(a, kMixMirror, o.mirror);
    a.Set(kMixMask.key, o.maskColour);
    a.Set(kMixTolerance.key, o.tolerance);
    PutChoice(a, kMixBlur, o.blur);
    a.Set(kMixMargin.key, o.margin);
    a.Set(kMixOffset.key, ImagePoint{o.offsetX, o.offsetY});
}

OpArgs GradientMixPresets() {
    const MixOptions o = GradientMixOptions(MixOptions());
    OpArgs a;
    a.Set(kMixPercent.key, o.percent);
    PutChoice(a, kMixStyle, o.style);
    PutChoice(a, kMixResize, o.resize);
    a.Set("source", std::string(kMixFromGradient));
    return a;
}

OpArgs TextStampMixPresets(Colour background) {
    const MixOptions o = TextStampMixOptions(MixOptions(), background);
    OpArgs a;
    PutChoice(a, kMixStyle, o.style);
    PutChoice(a, kMixResize, o.resize);
    a.Set(kMixPercent.key, o.percent);
    a.Set(kMixTolerance.key, o.tolerance);
    a.Set(kMixMask.key, o.maskColour);
    a.Set("source", std::string(kMixFromText));
    return a;
}

}  // namespace lum
