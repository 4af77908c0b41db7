// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of the damaged-file corpus (also the fuzzers' seeds) opens or fails with CodecError.
#include <filesystem>
#include <map>
#include <string>

#include "CodecTestSupport.h"

using namespace lum;
using namespace codec_test;

TEST(CodecBrokenCorpus, EveryFileOpensOrFailsCleanly) {
    // What some of them must give; the rest only must not crash or hang.
    const std::map<std::string, std::string> expected = {
        {"empty.bin", "Unknown picture format"},
        {"random.bin", "Unknown picture format"},
        {"huge_dimensions.jpg", "Image too large: 60000 x 60000 pixels (the limit is 250 megapixels)"},
        {"bmp_rle8.bmp", "Compressed BMP files (RLE) are not supported"},
        {"bmp_huge_both.bmp", "Image too large: 40000 x 40000 pixels (the limit is 250 megapixels)"},
        {"header_only.jpg", "JPEG error #59: Invalid JPEG file structure: missing SOS marker"},
        {"truncated_half.jpg", "64 x 48"},
        {"exif_orientation6.jpg", "16 x 24"},
        {"exif_header_only.jpg", "24 x 16"},
        {"ok_24bit.bmp", "10 x 6"},
        // Bombs under the pixel limit: refused before the picture is made.
        {"bomb_sequential.jpg",
         "The file is far too short to hold its 15800 x 15800 pixels (631 bytes of picture data)"},
        {"bomb_progressive.jpg",
         "The file is far too short to hold its 15800 x 15800 pixels (643 bytes of picture data)"},
        {"bomb_no_picture_data.jpg", "The file holds no picture data for its 64 x 48 pixels"},
    };
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DataPath("broken"))) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        std::string outcome;
        try {
            LoadedPicture pic = LoadPicture(entry.path().string());
            ASSERT_FALSE(pic.image.empty());
            outcome = std::to_string(pic.image.width()) + " x " + std::to_string(pic.image.height());
        } catch (const CodecError& e) {
            outcome = e.what();
        }
        auto it = expected.find(name);
        if (it != expected.end()) {
            EXPECT_EQ(outcome, it->second);
        }
    }
    EXPECT_GE(files, 31);
}
