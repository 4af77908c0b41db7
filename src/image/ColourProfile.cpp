// SPDX-License-Identifier: GPL-3.0-or-later
// Colour profile conversion through LittleCMS 2. Transforms are made once per distinct profile
// and kept: a folder of photos from one phone carries the same profile in every file.
#include "image/ColourProfile.h"

#include <lcms2.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <list>
#include <memory>
#include <mutex>

#include "image/Parallel.h"

namespace lum {

namespace {

constexpr int kApp2 = 0xE2;
constexpr uint8_t kIccHeader[12] = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
constexpr size_t kChunkHead = sizeof kIccHeader + 2;  // the header, then chunk number and count
constexpr size_t kMaxChunk = 65533 - kChunkHead;
// Profiles kept with their transforms.
constexpr size_t kCachedProfiles = 8;
// Larger than any real profile (big LUT profiles are a few megabytes).
constexpr size_t kMaxProfileBytes = 64u << 20;

bool isIccChunk(const JpegSegment& seg) {
    return seg.marker == kApp2 && seg.data.size() >= kChunkHead &&
           std::memcmp(seg.data.data(), kIccHeader, sizeof kIccHeader) == 0;
}

// LittleCMS reports problems through a logger; the outcome says all we need.
void quietLog(cmsContext, cmsUInt32Number, const char*) {}

cmsContext quietContext() {
    static cmsContext ctx = [] {
        cmsContext c = cmsCreateContext(nullptr, nullptr);
        cmsSetLogErrorHandlerTHR(c, quietLog);
        return c;
    }();
    return ctx;
}

struct ProfileCloser {
    void operator()(void* p) const { cmsCloseProfile(p); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

// What one profile does to the pixels.
struct Conversion {
    ProfileOutcome outcome = ProfileOutcome::Broken;
    cmsHTRANSFORM rgb = nullptr;               // for RGB profiles
    std::array<uint8_t, 256 * 3> grey{};       // for grey profiles: BGR of each level
    bool isGrey = false;
    ~Conversion() {
        if (rgb) cmsDeleteTransform(rgb);
    }
};

// Close enough to sRGB that converting would change no pixel by more than a level: the sRGB
// profiles of cameras, phones and editors differ by rounding only.
bool nearlyIdentity(cmsHTRANSFORM t) {
    constexpr int kSteps = 17;
    std::vector<uint8_t> in, out;
    for (int b = 0; b < kSteps; ++b)
        for (int g = 0; g < kSteps; ++g)
            for (int r = 0; r < kSteps; ++r)
                for (int v : {b, g, r}) in.push_back(static_cast<uint8_t>(std::min(255, v * 16)));
    out.resize(in.size());
    cmsDoTransform(t, in.data(), out.data(), static_cast<cmsUInt32Number>(in.size() / 3));
    for (size_t i = 0; i < in.size(); ++i)
        if (std::abs(int(in[i]) - int(out[i])) > 1) return false;
    return true;
}

std::shared_ptr<Conversion> makeConversion(const std::vector<uint8_t>& icc) {
    auto conv = std::make_shared<Conversion>();
    cmsContext ctx = quietContext();
    Profile source(cmsOpenProfileFromMemTHR(ctx, icc.data(), static_cast<cmsUInt32Number>(icc.size())));
    Profile srgb(cmsCreate_sRGBProfileTHR(ctx));
    if (!source || !srgb) return conv;
    // As a number: a damaged header may hold a signature the enumeration does not know.
    const uint32_t space = cmsGetColorSpace(source.get());
    const cmsUInt32Number flags = cmsFLAGS_NOCACHE;  // shared by the threads of one conversion
    if (space == cmsSigRgbData) {
        conv->rgb = cmsCreateTransformTHR(ctx, source.get(), TYPE_BGR_8, srgb.get(), TYPE_BGR_8,
                                          INTENT_PERCEPTUAL, flags);
        if (!conv->rgb) return conv;
        conv->outcome = nearlyIdentity(conv->rgb) ? ProfileOutcome::Srgb : ProfileOutcome::Converted;
        return conv;
    }
    if (space == cmsSigGrayData) {
        cmsHTRANSFORM t = cmsCreateTransformTHR(ctx, source.get(), TYPE_GRAY_8, srgb.get(), TYPE_BGR_8,
                                                INTENT_PERCEPTUAL, flags);
        if (!t) return conv;
        std::array<uint8_t, 256> levels;
        for (int v = 0; v < 256; ++v) levels[static_cast<size_t>(v)] = static_cast<uint8_t>(v);
        cmsDoTransform(t, levels.data(), conv->grey.data(), 256);
        cmsDeleteTransform(t);
        conv->isGrey = true;
        bool same = true;
        for (int v = 0; v < 256; ++v)
            for (int c = 0; c < 3; ++c) same &= std::abs(conv->grey[static_cast<size_t>(3 * v + c)] - v) <= 1;
        conv->outcome = same ? ProfileOutcome::Srgb : ProfileOutcome::Converted;
    }
    return conv;  // CMYK, Lab and the like describe no picture we hand out
}

std::shared_ptr<Conversion> conversionFor(const std::vector<uint8_t>& icc) {
    static std::mutex lock;
    static std::list<std::pair<std::vector<uint8_t>, std::shared_ptr<Conversion>>> cache;
    {
        std::lock_guard<std::mutex> hold(lock);
        for (auto it = cache.begin(); it != cache.end(); ++it)
            if (it->first == icc) {
                cache.splice(cache.begin(), cache, it);
                return it->second;
            }
    }
    std::shared_ptr<Conversion> made = makeConversion(icc);
    std::lock_guard<std::mutex> hold(lock);
    cache.emplace_front(icc, made);
    if (cache.size() > kCachedProfiles) cache.pop_back();
    return made;
}

}  // namespace

ProfileOutcome ConvertToSrgb(Image& img, const std::vector<uint8_t>& icc) {
    if (icc.empty()) return ProfileOutcome::None;
    if (icc.size() > kMaxProfileBytes) return ProfileOutcome::Broken;
    const std::shared_ptr<Conversion> conv = conversionFor(icc);
    if (conv->outcome != ProfileOutcome::Converted || img.empty()) return conv->outcome;
    const int w = img.width();
    ParallelRows(img.height(), [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y) {
            uint8_t* row = img.row(y);
            if (!conv->isGrey) {
                cmsDoTransform(conv->rgb, row, row, static_cast<cmsUInt32Number>(w));
                continue;
            }
            for (int x = 0; x < w; ++x, row += 3) std::memcpy(row, &conv->grey[3 * size_t(row[1])], 3);
        }
    });
    return ProfileOutcome::Converted;
}

bool ProfileOfMetadata(const PictureMetadata& meta, std::vector<uint8_t>& icc) {
    icc.clear();
    std::vector<const JpegSegment*> chunks;
    for (const JpegSegment& seg : meta.segments)
        if (isIccChunk(seg)) chunks.push_back(&seg);
    if (chunks.empty()) return true;
    const size_t count = chunks.front()->data[sizeof kIccHeader + 1];
    if (count == 0 || chunks.size() != count) return false;
    std::vector<const JpegSegment*> inOrder(count, nullptr);
    for (const JpegSegment* seg : chunks) {
        const size_t number = seg->data[sizeof kIccHeader];
        if (seg->data[sizeof kIccHeader + 1] != count || number < 1 || number > count || inOrder[number - 1])
            return false;
        inOrder[number - 1] = seg;
    }
    for (const JpegSegment* seg : inOrder) icc.insert(icc.end(), seg->data.begin() + kChunkHead, seg->data.end());
    return true;
}

void AddProfileToMetadata(PictureMetadata& meta, const std::vector<uint8_t>& icc) {
    const size_t count = (icc.size() + kMaxChunk - 1) / kMaxChunk;
    if (icc.empty() || count > 255) return;  // no JPEG file can carry it
    for (size_t i = 0; i < count; ++i) {
        JpegSegment seg;
        seg.marker = kApp2;
        seg.data.assign(kIccHeader, kIccHeader + sizeof kIccHeader);
        seg.data.push_back(static_cast<uint8_t>(i + 1));
        seg.data.push_back(static_cast<uint8_t>(count));
        const size_t from = i * kMaxChunk;
        seg.data.insert(seg.data.end(), icc.begin() + static_cast<ptrdiff_t>(from),
                        icc.begin() + static_cast<ptrdiff_t>(std::min(icc.size(), from + kMaxChunk)));
        meta.segments.push_back(std::move(seg));
    }
}

void RemoveProfileFromMetadata(PictureMetadata& meta) {
    auto& s = meta.segments;
    s.erase(std::remove_if(s.begin(), s.end(), isIccChunk), s.end());
}

std::vector<uint8_t> MakeRgbProfile(const double xy[8], double gamma) {
    cmsContext ctx = quietContext();
    const cmsCIExyY white = {xy[6], xy[7], 1.0};
    const cmsCIExyYTRIPLE primaries = {{xy[0], xy[1], 1.0}, {xy[2], xy[3], 1.0}, {xy[4], xy[5], 1.0}};
    // The sRGB curve: a straight start, then the 2.4 power.
    const double srgb[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = gamma > 0 ? cmsBuildGamma(ctx, gamma) : cmsBuildParametricToneCurve(ctx, 4, srgb);
    if (!curve) return {};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    Profile made(cmsCreateRGBProfileTHR(ctx, &white, &primaries, curves));
    cmsFreeToneCurve(curve);
    cmsUInt32Number bytes = 0;
    if (!made || !cmsSaveProfileToMem(made.get(), nullptr, &bytes)) return {};
    std::vector<uint8_t> out(bytes);
    if (!cmsSaveProfileToMem(made.get(), out.data(), &bytes)) return {};
    return out;
}

void ApplyEmbeddedProfile(Image& img, PictureMetadata& meta, DecodeReport* report, bool dropBroken) {
    std::vector<uint8_t> icc;
    const bool whole = ProfileOfMetadata(meta, icc);
    const ProfileOutcome outcome = whole ? ConvertToSrgb(img, icc) : ProfileOutcome::Broken;
    if (outcome == ProfileOutcome::Converted || (outcome == ProfileOutcome::Broken && dropBroken))
        RemoveProfileFromMetadata(meta);
    if (outcome == ProfileOutcome::Broken && report)
        report->notes.push_back(QT_TRANSLATE_NOOP("lum", "its colour profile is damaged or unusable and was ignored"));
}

}  // namespace lum
