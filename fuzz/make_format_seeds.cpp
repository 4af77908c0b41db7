// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seeds of the HEIF, PNG, WebP and TIFF fuzz targets into fuzz/seeds/<format>/: small
// files of each layout the readers take, made with the libraries themselves (the test helpers).
// Build and run from the project folder:
//   g++ -std=c++17 -O1 -Isrc -Itests/image $(pkg-config --cflags libheif libpng libtiff-4 lcms2) \
//     fuzz/make_format_seeds.cpp -o /tmp/make_format_seeds \
//     $(pkg-config --libs libheif libpng libtiff-4 lcms2 libwebp libwebpmux) && /tmp/make_format_seeds fuzz/seeds
#include <cstdio>
#include <string>

#include "FormatMakers.h"

using namespace formats_test;

namespace {
std::string g_dir;
void save(const std::string& name, const Bytes& b) {
    FILE* f = std::fopen((g_dir + "/" + name).c_str(), "wb");
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    g_dir = argv[1];
    const Extras all{DisplayP3Profile(), ExifBlock("seed camera", 6), {'<', 'x', '/', '>'}};
    const Samples rgb = Pattern(24, 16, 3, 8), rgba = Pattern(24, 16, 4, 8), deep = Pattern(20, 12, 2, 16);
    save("png/rgb_meta.png", MakePng(rgb, false, all));
    save("png/grey_alpha_16_interlaced.png", MakePng(deep, true));
    save("png/rgba.png", MakePng(rgba));
    TiffOptions tiled;
    tiled.compression = COMPRESSION_LZW;
    tiled.tiled = true;
    tiled.extras = all;
    TiffOptions planes;
    planes.separate = true;
    planes.orientation = 8;
    save("tiff/rgba_lzw_tiled_meta.tif", MakeTiff(rgba, tiled));
    save("tiff/rgb_planes_turned.tif", MakeTiff(rgb, planes));
    save("tiff/grey_alpha_16.tif", MakeTiff(deep));
    save("webp/lossy_meta.webp", MakeWebp(rgb, false, all));
    save("webp/lossless_alpha.webp", MakeWebp(rgba, true));
    save("heif/rgb_meta_turned.heic", MakeHeic(rgb, 50, all, 6));
    save("heif/rgba.heic", MakeHeic(rgba, 50));
    return 0;
}
