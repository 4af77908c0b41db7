// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail cache over a folder of every kind of photo, and over the life of its entries.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>
#include <zlib.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>

#include "../image/ExifTestSupport.h"
#include "../image/FormatMakers.h"
#include "image/Thumbnail.h"
#include "thumbs/ThumbnailCache.h"

namespace {

using Bytes = std::vector<uint8_t>;
using lum::ThumbnailCache;
using lum::ThumbnailSource;
enum Corner { TL, TR, BR, BL, NoMark };

// Blue, with a block of mark in the top-left quarter of each side.
lum::Image Marked(int w, int h, uint8_t r, uint8_t g) {
    lum::Image img(w, h);
    img.fill(0, 0, 230);
    for (int y = 0; y < h / 4; ++y)
        for (int x = 0; x < w / 4; ++x) img.setPixel(x, y, r, g, 0);
    return img;
}
Bytes Jpeg(const lum::Image& img, int orientation, bool exifThumbnail) {
    if (orientation == 0) return lum::EncodeJpeg(img);
    // The EXIF thumbnail is marked green, the photo red: the corner tells which was shown.
    const Bytes thumb = exifThumbnail ? lum::EncodeJpeg(Marked(160, 120, 0, 220)) : Bytes();
    lum::PictureMetadata meta;
    meta.segments.push_back({0xE1, codec_test::LibexifBlock(thumb, orientation)});
    lum::JpegEncodeOptions o;
    o.metadata = &meta;
    return lum::EncodeJpeg(img, o);
}
formats_test::Samples RgbOf(const lum::Image& img) {
    formats_test::Samples s{img.width(), img.height(), 3, 8, {}};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            for (int c = 2; c >= 0; --c) s.v.push_back(img.pixel(x, y)[c]);
    return s;
}
// A PNG that declares 12000 x 12000 pixels in a few kilobytes: within what the program opens,
// beyond what is ever decoded for a thumbnail.
Bytes BombPng() {
    const uLong rowBytes = 12000 / 8 + 1;
    Bytes raw(rowBytes * 12000, 0), packed(compressBound(raw.size()));
    uLongf n = packed.size();
    compress2(packed.data(), &n, raw.data(), raw.size(), 9);
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    auto chunk = [&out](const char* type, Bytes body) {
        for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(body.size() >> s));
        body.insert(body.begin(), type, type + 4);
        const uLong crc = crc32(0, body.data(), uInt(body.size()));
        out.insert(out.end(), body.begin(), body.end());
        for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(crc >> s));
    };
    chunk("IHDR", {0, 0, 0x2E, 0xE0, 0, 0, 0x2E, 0xE0, 1, 0, 0, 0, 0});
    chunk("IDAT", Bytes(packed.begin(), packed.begin() + long(n)));
    chunk("IEND", {});
    return out;
}

void Write(const QString& path, const Bytes& b, time_t mtime = 0) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(b.data()), qint64(b.size()));
    f.close();
    if (mtime) {
        const utimbuf t{mtime, mtime};
        ::utime(QFile::encodeName(path).constData(), &t);
    }
}
int Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}
// Which corner of the thumbnail holds the mark, and whether it is the green of the EXIF thumbnail.
Corner MarkedCorner(const QImage& img, bool& green) {
    const int w = img.width() - 3, h = img.height() - 3;
    const QPoint at[] = {{2, 2}, {w, 2}, {w, h}, {2, h}};
    for (int c = TL; c <= BL; ++c) {
        const QColor px = img.pixelColor(at[c]);
        if (px.blue() < 100) {
            green = px.green() > px.red();
            return Corner(c);
        }
    }
    return NoMark;
}
// The entry as any reader of the desktop's cache finds it: named by the MD5 of the URI.
QString EntryOf(const QString& root, const QString& file, const char* size = "normal") {
    const QByteArray uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded).toUtf8();
    return root + "/" + size + "/" + QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

struct Case {
    QString name;
    Bytes bytes;
    Corner corner;  // NoMark: no thumbnail, a failure
    bool green;     // made from the EXIF thumbnail
    ThumbnailSource source;
    QSize size;
};

TEST(ThumbnailCache, FolderOfEveryKindGivesUprightThumbnailsAndValidEntries) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/cache/thumbnails";
    const ThumbnailCache cache(root);
    const lum::Image photo = Marked(640, 480, 230, 0);
    const Bytes whole = Jpeg(photo, 0, false);
    // Where orientations 1..8 take the top-left corner of the stored picture.
    const Corner turned[] = {TL, TL, TR, BR, BL, TL, TR, BR, BL};
    std::vector<Case> cases = {
        {"plain.jpg", Jpeg(photo, 0, false), TL, false, ThumbnailSource::ScaledDecode, {128, 96}},
        {"small.jpg", Jpeg(Marked(100, 60, 230, 0), 0, false), TL, false, ThumbnailSource::FullDecode, {100, 60}},
        {"photo.png", formats_test::MakePng(RgbOf(photo)), TL, false, ThumbnailSource::FullDecode, {128, 96}},
        {"photo.webp", formats_test::MakeWebp(RgbOf(photo), true), TL, false, ThumbnailSource::FullDecode, {128, 96}},
        {"photo.tif", formats_test::MakeTiff(RgbOf(photo)), TL, false, ThumbnailSource::FullDecode, {128, 96}},
        {"photo.bmp", lum::EncodeBmp(photo), TL, false, ThumbnailSource::FullDecode, {128, 96}},
        {"damaged.jpg", Bytes(whole.begin(), whole.begin() + 200), NoMark, false, {}, {}},
        {"bomb.png", BombPng(), NoMark, false, {}, {}},
    };
    try {
        cases.push_back({"phone.heic", formats_test::MakeHeic(RgbOf(photo), 90), TL, false, ThumbnailSource::FullDecode, {128, 96}});
        cases.push_back({"thumb.heic", formats_test::MakeHeic(RgbOf(photo), 90, {}, 6, 160), TR, false,
                         ThumbnailSource::EmbeddedThumbnail, {96, 128}});
    } catch (const std::runtime_error&) {
        // no HEVC encoder here
    }
    for (int o = 1; o <= 8; ++o)
        for (bool thumb : {false, true})
            cases.push_back({QString("o%1%2.jpg").arg(o).arg(thumb ? "t" : ""), Jpeg(photo, o, thumb), turned[o], thumb,
                             thumb ? ThumbnailSource::ExifThumbnail : ThumbnailSource::ScaledDecode,
                             o >= 5 ? QSize(96, 128) : QSize(128, 96)});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString file = dir.path() + "/" + c.name;
        Write(file, c.bytes);
        ThumbnailSource source{};
        if (c.corner != NoMark) {
            lum::MakeThumbnail(c.bytes.data(), c.bytes.size(), 128, nullptr, &source);
            EXPECT_EQ(int(source), int(c.source));
        }
        const ThumbnailCache::Result r = cache.Get(file, ThumbnailCache::kNormal);
        EXPECT_FALSE(r.fromCache);
        if (c.corner == NoMark) {
            EXPECT_TRUE(r.image.isNull());
            EXPECT_FALSE(r.failure.isEmpty());
            if (c.name == "bomb.png") {
                EXPECT_TRUE(r.failure.contains("too large")) << r.failure.toStdString();
            }
            EXPECT_FALSE(QFile::exists(EntryOf(root, file)));
            const QString failed = root + "/fail/lumora-0.1.0/" + QFileInfo(EntryOf(root, file)).fileName();
            EXPECT_EQ(QImage(failed).text("Thumb::URI"), QUrl::fromLocalFile(file).toString());
            continue;
        }
        ASSERT_FALSE(r.image.isNull()) << r.failure.toStdString();
        EXPECT_EQ(r.image.size(), c.size);
        bool green = false;
        EXPECT_EQ(MarkedCorner(r.image, green), c.corner);
        EXPECT_EQ(green, c.green);
        // The entry: its keys, its modes, its folders'.
        const QString entry = EntryOf(root, file);
        const QImage stored(entry, "png");
        EXPECT_EQ(stored.text("Thumb::URI"), QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded));
        EXPECT_EQ(stored.text("Thumb::MTime"), QString::number(QFileInfo(file).lastModified().toSecsSinceEpoch()));
        EXPECT_EQ(stored.text("Thumb::Size"), QString::number(c.bytes.size()));
        EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB888), r.image.convertToFormat(QImage::Format_RGB888));
        EXPECT_EQ(Mode(entry), 0600);
        EXPECT_EQ(Mode(root + "/normal"), 0700);
        EXPECT_EQ(Mode(root), 0700);
        EXPECT_TRUE(cache.Get(file, ThumbnailCache::kNormal).fromCache);
    }
    EXPECT_EQ(QDir(root + "/normal").entryList(QDir::Files | QDir::Hidden).size(), qsizetype(cases.size()) - 2)
        << "temporary files left behind";
}

// What an entry does over the life of its file: made by another program, the file changed or
// kept, a failure remembered until the file changes.
TEST(ThumbnailCache, EntriesFollowTheFile) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/thumbnails";
    const ThumbnailCache cache(root);
    const Bytes red = Jpeg(Marked(640, 480, 230, 0), 0, false);
    const Bytes garbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'};
    const time_t t0 = 1700000000;
    // An entry as another program writes it: all green.
    auto foreign = [&](const QString& file) {
        QImage green(128, 96, QImage::Format_RGB888);
        green.fill(Qt::green);
        green.setText("Thumb::URI", QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded));
        green.setText("Thumb::MTime", QString::number(t0));
        QDir().mkpath(root + "/normal");
        ASSERT_TRUE(green.save(EntryOf(root, file)));
    };
    struct Step {
        const char* what;
        Bytes first;
        std::function<void(const QString&)> before;  // after the file is written first
        Bytes then;                                  // written with the second time, when not empty
        time_t secondTime;
        bool image;  // a picture the second time
        QColor at;   // its colour in the middle
    };
    const Step steps[] = {
        {"another program's entry, the file undecodable", garbage, foreign, {}, 0, true, Qt::green},
        {"another program's entry for an older file", red, foreign, red, t0 + 60, true, QColor(0, 0, 230)},
        {"a failure kept while the file keeps its time", garbage, nullptr, red, t0, false, {}},
        {"a failure tried again once the file changed", garbage, nullptr, red, t0 + 60, true, QColor(0, 0, 230)},
        {"a thumbnail made again for a changed file", red, nullptr, Jpeg(Marked(640, 480, 0, 0), 0, false), t0 + 60,
         true, QColor(0, 0, 230)},
    };
    int n = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const QString file = dir.path() + QString("/photo%1.jpg").arg(n++);
        Write(file, s.first, t0);
        if (s.before) s.before(file);
        cache.Get(file, ThumbnailCache::kNormal);
        if (!s.then.empty()) Write(file, s.then, s.secondTime);
        const ThumbnailCache::Result r = cache.Get(file, ThumbnailCache::kNormal);
        ASSERT_EQ(!r.image.isNull(), s.image) << r.failure.toStdString();
        if (!s.image) continue;
        EXPECT_LT(std::abs(r.image.pixelColor(100, 70).green() - s.at.green()), 40);
        EXPECT_LT(std::abs(r.image.pixelColor(100, 70).blue() - s.at.blue()), 40);
        EXPECT_EQ(QImage(EntryOf(root, file)).text("Thumb::MTime"), QString::number(QFileInfo(file).lastModified().toSecsSinceEpoch()));
    }
}

}  // namespace
