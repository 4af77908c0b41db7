// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the XMP packet of a copy shared without personal details. The input is the
// packet after its header; it is read as XML (a hostile file's packet), cleaned and written
// back. What comes out still fits its segment, keeps its header, and cleaning it again changes
// nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/PersonalDetails.h"

namespace {

constexpr char kHeader[] = "http://ns.adobe.com/xap/1.0/";  // with its NUL
constexpr size_t kMaxPayload = 65533;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> seg(kHeader, kHeader + sizeof kHeader);
    seg.insert(seg.end(), data, data + std::min(size, kMaxPayload - sizeof kHeader));
    lum::PictureMetadata meta;
    meta.segments.push_back({0xE1, seg});
    lum::RemovePersonalDetails(meta);
    if (meta.segments.size() > 1) __builtin_trap();
    if (meta.segments.empty()) return 0;  // dropped whole: unreadable
    const std::vector<uint8_t> once = meta.segments[0].data;
    if (once.size() > kMaxPayload || std::memcmp(once.data(), kHeader, sizeof kHeader) != 0) __builtin_trap();
    lum::RemovePersonalDetails(meta);
    if (meta.segments.size() != 1 || meta.segments[0].data != once) __builtin_trap();
    return 0;
}
