// SPDX-License-Identifier: GPL-3.0-or-later
// Embedded ICC profiles: a photo described in another colour space than sRGB (Display P3, Adobe
// RGB, ProPhoto...) is converted to sRGB when it is decoded, so that what is shown, edited and
// written is sRGB. Photos without a profile or with an sRGB one are left exactly as decoded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image/Codec.h"
#include "image/Image.h"

namespace lum {

enum class ProfileOutcome {
    None,       // no profile
    Srgb,       // a profile that describes sRGB (within a level): nothing to do
    Converted,  // the picture was converted to sRGB
    Broken,     // unreadable, or not one for a picture of this kind: ignored
};

// Converts img in place from the colour space `icc` describes to sRGB, perceptual intent. An RGB
// profile applies to the three channels; a grey profile to the green one, the picture being grey.
ProfileOutcome ConvertToSrgb(Image& img, const std::vector<uint8_t>& icc);

// The ICC profile carried by the APP2 chunks of meta, joined in order; false when the chunks
// do not make one whole profile (missing, repeated or inconsistently numbered). Empty when none.
bool ProfileOfMetadata(const PictureMetadata& meta, std::vector<uint8_t>& icc);
// The profile cut into APP2 chunks as JPEG files carry it, appended to meta.
void AddProfileToMetadata(PictureMetadata& meta, const std::vector<uint8_t>& icc);
void RemoveProfileFromMetadata(PictureMetadata& meta);

// An RGB profile of the given chromaticities (red, green, blue and white x, y) and tone curve
// (gamma 0: the sRGB curve), for files that describe their colour space by numbers rather than
// by a profile. Empty when LittleCMS cannot make it.
std::vector<uint8_t> MakeRgbProfile(const double xy[8], double gamma);

// The profile of a decoded picture applied: converted pictures lose the profile segments (the
// picture is sRGB now); a broken profile is ignored with a note in report. dropBroken: the
// segments of a broken profile go too (a file of another format made them up from its own).
void ApplyEmbeddedProfile(Image& img, PictureMetadata& meta, DecodeReport* report, bool dropBroken);

}  // namespace lum
