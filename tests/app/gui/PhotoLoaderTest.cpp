// SPDX-License-Identifier: GPL-3.0-or-later
// Photos decoded on a worker thread: what is delivered, in which order, and what a newer
// request, a cancel, a failure or the loader's end do to the load under way.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "app/PhotoLoader.h"
#include "image/Formats.h"
#include "image/Codec.h"

using namespace guitest;
using lum::PhotoLoader;

namespace {

QString WritePhoto(const QTemporaryDir& dir, const char* name, int w, int h, int seed) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    lum::WriteFileAtomic(path.toStdString(), lum::EncodeJpeg(Pattern(w, h, seed)));
    return path;
}

// What reached the handlers, in order.
struct Delivered {
    std::vector<std::string> events;  // "preview:<file>", "loaded:<file>", "failed:<file>"
    lum::Image photo, preview;
    int previewW = 0, previewH = 0;
    std::string error;
    PhotoLoader::Handlers Handlers() {
        PhotoLoader::Handlers h;
        h.preview = [this](PhotoLoader::Preview& p) {
            events.push_back("preview:" + p.path.section('/', -1).toStdString());
            preview = std::move(p.image);
            previewW = p.width;
            previewH = p.height;
        };
        h.loaded = [this](PhotoLoader::Photo& p) {
            events.push_back("loaded:" + p.path.section('/', -1).toStdString());
            photo = std::move(p.image);
        };
        h.failed = [this](const QString& path, std::exception_ptr e) {
            events.push_back("failed:" + path.section('/', -1).toStdString());
            try {
                std::rethrow_exception(e);
            } catch (const std::exception& x) {
                error = x.what();
            }
        };
        return h;
    }
};

PhotoLoader::ZoomFor At(int percent) {
    return [percent](int, int) { return percent; };
}

// The event loop turns until the loader has delivered what it was asked for.
bool Settled(const PhotoLoader& loader) {
    return PumpUntil([&loader] { return !loader.Pending(); }, 60000);
}

class PhotoLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { App(); }
    QTemporaryDir dir;
    Delivered got;
};

}  // namespace

TEST_F(PhotoLoaderTest, APreviewThenThePhotoExactlyAsTheDecoderGivesIt) {
    const QString path = WritePhoto(dir, "a.jpg", 640, 480, 1);
    // A quick look not started before the full decode ends is dropped by design; on a loaded
    // machine a photo this small could beat it, so its decode takes a moment here.
    PhotoLoader::SetFullDecodeForTests([](const uint8_t* d, size_t n, lum::PictureMetadata* m,
                                          const lum::DecodeOptions& o, lum::DecodeReport* r) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return lum::DecodePicture(d, n, nullptr, m, o, r);
    });
    struct Restore {
        ~Restore() { PhotoLoader::SetFullDecodeForTests(nullptr); }
    } restore;
    PhotoLoader loader(got.Handlers());
    loader.Load(path, At(10));
    EXPECT_TRUE(loader.Pending());
    EXPECT_EQ(loader.PendingPath(), path);
    ASSERT_TRUE(Settled(loader));
    ASSERT_EQ(got.events, (std::vector<std::string>{"preview:a.jpg", "loaded:a.jpg"}));
    const std::vector<uint8_t> bytes = lum::ReadFileBytes(path.toStdString());
    EXPECT_EQ(got.photo, lum::DecodeJpeg(bytes.data(), bytes.size()));
    EXPECT_EQ(got.preview.width(), 80);
    EXPECT_EQ(got.preview.height(), 60);
    EXPECT_EQ(got.previewW, 640);
    EXPECT_EQ(got.previewH, 480);
    EXPECT_FALSE(loader.Pending());
}

TEST_F(PhotoLoaderTest, TheCopiesForTheCommitComeAlongWhenAskedFor) {
    const QString path = WritePhoto(dir, "a.jpg", 120, 90, 8);
    lum::BaselineCopies copies;
    PhotoLoader::Handlers h = got.Handlers();
    h.loaded = [&](PhotoLoader::Photo& p) {
        got.photo = p.image;
        copies = std::move(p.copies);
    };
    PhotoLoader loader(h);
    loader.Load(path, At(100));
    ASSERT_TRUE(Settled(loader));
    EXPECT_TRUE(copies.work.empty());
    loader.Load(path, At(100), true);
    ASSERT_TRUE(Settled(loader));
    EXPECT_EQ(copies.work, got.photo);
}

TEST_F(PhotoLoaderTest, NoPreviewForAPhotoShownNearItsSize) {
    const QString path = WritePhoto(dir, "b.jpg", 200, 150, 2);
    PhotoLoader loader(got.Handlers());
    loader.Load(path, At(100));
    ASSERT_TRUE(Settled(loader));
    EXPECT_EQ(got.events, std::vector<std::string>{"loaded:b.jpg"});
}

TEST_F(PhotoLoaderTest, ANewerRequestSupersedesTheOneUnderWay) {
    const QString a = WritePhoto(dir, "a.jpg", 1600, 1200, 3);
    const QString b = WritePhoto(dir, "b.jpg", 400, 300, 4);
    const QString c = WritePhoto(dir, "c.jpg", 500, 200, 5);
    PhotoLoader loader(got.Handlers());
    loader.Load(a, At(10));
    loader.Load(b, At(100));
    loader.Load(c, At(100));
    ASSERT_TRUE(Settled(loader));
    Pump(100);  // anything of a or b still on its way would arrive now
    EXPECT_EQ(got.events, std::vector<std::string>{"loaded:c.jpg"});
    EXPECT_EQ(got.photo.width(), 500);
}

TEST_F(PhotoLoaderTest, ACancelledLoadDeliversNothing) {
    const QString a = WritePhoto(dir, "a.jpg", 1600, 1200, 6);
    PhotoLoader loader(got.Handlers());
    loader.Load(a, At(10));
    loader.Cancel();
    EXPECT_FALSE(loader.Pending());
    EXPECT_TRUE(Settled(loader));
    Pump(150);
    EXPECT_TRUE(got.events.empty());
    // The loader goes on with the next request.
    loader.Load(a, At(100));
    ASSERT_TRUE(Settled(loader));
    EXPECT_EQ(got.events, std::vector<std::string>{"loaded:a.jpg"});
}

TEST_F(PhotoLoaderTest, FailuresArriveWithTheDecodersError) {
    QFile junk(dir.filePath("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\xFF\xD8\xFF\xDB this is not a photo", 28);
    junk.close();
    PhotoLoader loader(got.Handlers());
    loader.Load(junk.fileName(), At(10));
    ASSERT_TRUE(Settled(loader));
    EXPECT_EQ(got.events, std::vector<std::string>{"failed:junk.jpg"});
    EXPECT_EQ(got.error.rfind("JPEG error #", 0), 0u) << got.error;
    loader.Load(dir.filePath("missing.jpg"), At(10));
    ASSERT_TRUE(Settled(loader));
    EXPECT_EQ(got.events.back(), "failed:missing.jpg");
}

TEST_F(PhotoLoaderTest, EndingTheLoaderWhileItWorksDeliversNothingLater) {
    const QString a = WritePhoto(dir, "a.jpg", 2000, 1500, 7);
    auto loader = std::make_unique<PhotoLoader>(got.Handlers());
    loader->Load(a, At(10));
    loader.reset();  // stops the worker; queued results die with the loader
    Pump(150);
    EXPECT_TRUE(got.events.empty());
}
