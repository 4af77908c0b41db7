// Gradient and mix choices as operation arguments: the same words on the command line, in the
// dialogs' answers and in the presets of the commands.
#include <string>

#include "editing/Compose.h"
#include "imaging/TextStamp.h"

namespace lum {

namespace {

const char* const kGradientStyles[] = {"none", "vertical", "horizontal", "centred-small", "centred-big"};
const char* const kMixStyles[] = {"copy", "masked", "smoothed", "tiles"};
const char* const kResizes[] = {"zoom", "fit", "fit-within"};
const char* const kMirrors[] = {"none", "horizontal", "vertical"};
const char* const kBlurs[] = {"rectangle", "ellipse"};

template <size_t N>
int WordIndex(const char* const (&words)[N], const std::string& word) {
    for (size_t i = 0; i < N; ++i)
        if (word == words[i]) return static_cast<int>(i);
    throw ArgsError("unknown word '" + word + "'");
}

template <class E, size_t N>
void ReadChoice(const OpArgs& a, const char* key, const char* const (&words)[N], E& into) {
    if (a.Has(key)) into = static_cast<E>(WordIndex(words, a.Text(key)));
}

void ReadInt(const OpArgs& a, const char* key, int& into) {
    if (a.Has(key)) into = a.Int(key);
}

}  // namespace

GradientParams GradientFromArgs(const OpArgs& a, int width, int height) {
    GradientParams p;
    ReadChoice(a, "style", kGradientStyles, p.style);
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
    ReadChoice(a, "style", kMixStyles, o.style);
    ReadInt(a, "percent", o.percent);
    ReadChoice(a, "resize", kResizes, o.resize);
    ReadInt(a, "zoom", o.zoom);
    ReadChoice(a, "mirror", kMirrors, o.mirror);
    if (a.Has("mask")) o.maskColour = a.ColourOf("mask");
    ReadInt(a, "tolerance", o.tolerance);
    ReadChoice(a, "blur", kBlurs, o.blur);
    ReadInt(a, "margin", o.margin);
    if (a.Has("offset")) {
        const ImagePoint off = a.Pair("offset");
        o.offsetX = off.x;
        o.offsetY = off.y;
    }
    return o;
}

void PutMixArgs(OpArgs& a, const MixOptions& o) {
    a.Set("style", std::string(MixStyleWord(o.style)));
    a.Set("percent", o.percent);
    a.Set("resize", std::string(MixResizeWord(o.resize)));
    a.Set("zoom", o.zoom);
    a.Set("mirror", std::string(kMirrors[static_cast<int>(o.mirror)]));
    a.Set("mask", o.maskColour);
    a.Set("source", std::string(kMixFromText));
    a.Set("tolerance", o.tolerance);
    a.Set("blur", std::string(kBlurs[static_cast<int>(o.blur)]));
    a.Set("margin", o.margin);
    a.Set("offset", ImagePoint{o.offsetX, o.offsetY});
}

const char* MixStyleWord(MixStyle s) { return kMixStyles[static_cast<int>(s)]; }
const char* MixResizeWord(MixResize r) { return kResizes[static_cast<int>(r)]; }

OpArgs GradientMixPresets() {
    const MixOptions o = GradientMixOptions(MixOptions());
    OpArgs a;
    a.Set("percent", o.percent);
    a.Set("style", std::string(MixStyleWord(o.style)));
    a.Set("resize", std::string(MixResizeWord(o.resize)));
    a.Set("source", std::string(kMixFromGradient));
    return a;
}

OpArgs TextStampMixPresets(Colour background) {
    const MixOptions o = TextStampMixOptions(MixOptions(), background);
    OpArgs a;
    a.Set("style", std::string(MixStyleWord(o.style)));
    a.Set("resize", std::string(MixResizeWord(o.resize)));
    a.Set("percent", o.percent);
    a.Set("tolerance", o.tolerance);
    a.Set("mask", o.maskColour);
    return a;
}

}  // namespace lum
