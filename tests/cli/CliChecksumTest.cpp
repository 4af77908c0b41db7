// SPDX-License-Identifier: GPL-3.0-or-later
// The exact bytes apply and optimize write for every operation, some chains and the output
// options, on the sample photos. Any change of arithmetic, loop order, encoder settings or
// metadata handling shows up here.
//
// After a deliberate change of output, LUMORA_PRINT_CHECKSUMS=1 prints the new table.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "CliTestUtil.h"
#include "Sha256.h"

using namespace clitest;

namespace {

// Output name and the words after INPUT OUTPUT.
struct ApplyCase {
    const char* output;
    const char* rest;
};

const ApplyCase kApplyCases[] = {
    {"o.jpg", ""},
    {"o.jpg", "optimize"},
    {"o.jpg", "optimize-compare"},
    {"o.jpg", "flesh-balance"},
    {"o.jpg", "landscape-balance"},
    {"o.jpg", "shift:1"},
    {"o.jpg", "shift:2"},
    {"o.jpg", "shift:3"},
    {"o.jpg", "shift:4"},
    {"o.jpg", "shift:5"},
    {"o.jpg", "shift:6"},
    {"o.jpg", "lighten"},
    {"o.jpg", "grey"},
    {"o.jpg", "sharpen"},
    {"o.jpg", "sharpen-plus"},
    {"o.jpg", "soften"},
    {"o.jpg", "auto-smooth"},
    {"o.jpg", "blur:1"},
    {"o.jpg", "blur:8"},
    {"o.jpg", "blur:24"},
    {"o.jpg", "rotate-cw"},
    {"o.jpg", "rotate-ccw"},
    {"o.jpg", "mirror-h"},
    {"o.jpg", "mirror-v"},
    {"o.jpg", "rotate:0"},
    {"o.jpg", "rotate:45"},
    {"o.jpg", "rotate:200"},
    {"o.jpg", "rotate:360"},
    {"o.jpg", "resize:300x200"},
    {"o.jpg", "resize:8x8"},
    {"o.jpg", "resize:1200x900"},
    {"o.jpg", "macro"},
    {"o.jpg", "macro macro"},
    {"o.jpg", "soften soften sharpen sharpen grey"},
    {"o.jpg", "optimize sharpen-plus lighten shift:4"},
    {"o.jpg", "rotate-cw blur:3 mirror-h resize:200x300 rotate:30"},
    {"o.jpg", "grey lighten mirror-v rotate-ccw auto-smooth"},
    {"o.bmp", ""},
    {"o.bmp", "optimize"},
    {"o.BMP", "rotate-ccw grey"},
    {"o.bmp", "soften sharpen-plus landscape-balance"},
    {"o.jpg", "--quality 10 optimize"},
    {"o.jpg", "--quality=100 --progressive sharpen"},
    {"o.jpg", "--strip flesh-balance"},
    {"o.jpg", "--progressive --strip"},
    {"o.jpg", "--flesh 220,170,150 optimize"},
    {"o.jpg", "--landscape 200,200,200 landscape-balance --flesh=130,250,140 flesh-balance"},
};

const char* const kBatchCases[] = {
    "",
    "--quality 75 --progressive",
    "--strip",
    "--flesh 255,128,200",
};

const char* const kPhotos[] = {"astronaut.jpg", "rocket.jpg", "hubble_deep_field.jpg"};

// photo + " | " + command words after the paths -> SHA-256 of the file written.
const std::map<std::string, std::string>& Expected() {
    static const std::map<std::string, std::string> table = {
#include "CliChecksums.inc"
    };
    return table;
}

bool Printing() { return std::getenv("LUMORA_PRINT_CHECKSUMS") != nullptr; }

void Check(const std::string& key, const fs::path& written) {
    ASSERT_TRUE(fs::exists(written)) << key;
    const std::string sum = Sha256(ReadBytes(written));
    if (Printing()) {
        std::printf("        {\"%s\", \"%s\"},\n", key.c_str(), sum.c_str());
        return;
    }
    auto it = Expected().find(key);
    ASSERT_NE(it, Expected().end()) << "no checksum pinned for " << key;
    EXPECT_EQ(sum, it->second) << key;
}

class CliChecksum : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST(CliChecksumSelf, KnownDigests) {
    EXPECT_EQ(Sha256({}), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    const std::string abc = "abc";
    EXPECT_EQ(Sha256(std::vector<uint8_t>(abc.begin(), abc.end())),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Two blocks of padding.
    const std::string two = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(Sha256(std::vector<uint8_t>(two.begin(), two.end())),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST_P(CliChecksum, ApplyWritesPinnedBytes) {
    const std::string photo = GetParam();
    for (const ApplyCase& c : kApplyCases) {
        TempDir dir;
        const fs::path out = dir / c.output;
        Result r = Lumora("apply " + Quote(Photo(photo).string()) + " " + Quote(out.string()) + " " + c.rest);
        const std::string key = photo + " | apply " + c.output + " " + c.rest;
        ASSERT_EQ(r.status, 0) << key << "\n" << r.err;
        Check(key, out);
    }
}

TEST_P(CliChecksum, OptimizeWritesPinnedBytes) {
    const std::string photo = GetParam();
    for (const char* options : kBatchCases) {
        TempDir dir;
        Result r = Lumora("optimize " + std::string(options) + " -o " + Quote(dir.path().string()) + " " +
                          Quote(Photo(photo).string()));
        const std::string key = photo + " | optimize " + options;
        ASSERT_EQ(r.status, 0) << key << "\n" << r.err;
        Check(key, dir / photo);
    }
}

INSTANTIATE_TEST_SUITE_P(SamplePhotos, CliChecksum, ::testing::ValuesIn(kPhotos),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string n = info.param;
                             return n.substr(0, n.find('.'));
                         });
