// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails per second on a cold cache: the program's large thumbnails (256 pixels, made on the
// shared pool as the photo list makes them) against `vipsthumbnail -s 256` over the same files
// in the same run. LUMORA_THUMB_BENCH_PHOTOS sets how many 12-megapixel photos (default 24;
// 500 for the full run), LUMORA_THUMB_BENCH_DIR where they are made (kept between runs),
// LUMORA_THUMB_BENCH_ROUNDS how many rounds of each the best is taken from (default 3).
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "image/Codec.h"
#include "image/ThreadPool.h"
#include "thumbs/ThumbnailCache.h"

namespace {

// A photo-like picture: smooth light with fine detail, which JPEG keeps only at a cost.
lum::Image Photo(int w, int h, unsigned seed) {
    lum::Image img(w, h);
    unsigned s = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y) {
        uint8_t* p = img.row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            s = s * 1664525u + 1013904223u;
            const int n = int(s >> 28) - 8;
            p[0] = uint8_t(std::clamp((x * 255 / w + n) ^ int(seed), 0, 255));
            p[1] = uint8_t(std::clamp(y * 255 / h + n, 0, 255));
            p[2] = uint8_t(std::clamp((x + y) * 255 / (w + h) + n, 0, 255));
        }
    }
    return img;
}

QStringList MakePhotos(const QString& dir, int count) {
    QStringList files;
    lum::JpegEncodeOptions o;
    o.quality = 92;
    for (int i = 0; i < count; ++i) {
        const QString path = dir + QString("/photo%1.jpg").arg(i, 4, 10, QChar('0'));
        if (!QFileInfo::exists(path)) lum::WriteFileAtomic(path.toStdString(), lum::EncodeJpeg(Photo(4000, 3000, unsigned(i)), o));
        files << path;
    }
    return files;
}

}  // namespace

int main() {
    const int count = std::max(1, qEnvironmentVariableIntValue("LUMORA_THUMB_BENCH_PHOTOS") ?: 24);
    QTemporaryDir scratch;
    QString dir = qEnvironmentVariable("LUMORA_THUMB_BENCH_DIR");
    if (dir.isEmpty()) dir = scratch.path() + "/photos";
    QDir().mkpath(dir);
    std::printf("making %d photos of 4000 x 3000 in %s\n", count, qPrintable(dir));
    const QStringList files = MakePhotos(dir, count);

    // Best of a few rounds of each, taken in turn: the machine is shared.
    const int rounds = std::max(1, qEnvironmentVariableIntValue("LUMORA_THUMB_BENCH_ROUNDS") ?: 3);
    double ours = 1e9, theirs = 1e9;
    std::atomic<int> failed{0};
    bool ran = true;
    QProcess vips;
    for (int round = 0; round < rounds && ran; ++round) {
        // Ours: every photo a task on the shared pool, into an empty cache.
        const lum::ThumbnailCache cache(scratch.path() + QString("/cache%1/thumbnails").arg(round));
        QElapsedTimer t;
        t.start();
        std::vector<lum::Task> tasks;
        for (const QString& f : files)
            tasks.push_back(lum::ThreadPool::Shared().Post(
                [&cache, &failed, f] {
                    if (cache.Get(f, lum::ThumbnailCache::kLarge).image.isNull()) ++failed;
                },
                lum::JobPriority::Background));
        for (const lum::Task& task : tasks) task.Wait();
        ours = std::min(ours, t.nsecsElapsed() / 1e9);

        // The reference: one vipsthumbnail over the same files, PNG out as the cache writes.
        const QString out = scratch.path() + QString("/vips%1").arg(round);
        QDir().mkpath(out);
        QStringList args{"-s", "256", "-o", out + "/%s.png"};
        args << files;
        t.restart();
        vips.start("vipsthumbnail", args);
        ran = vips.waitForFinished(-1) && vips.exitStatus() == QProcess::NormalExit && vips.exitCode() == 0;
        theirs = std::min(theirs, t.nsecsElapsed() / 1e9);
    }

    std::printf("lumora:        %6.2f s, %7.1f thumbnails/s (%d failures in all rounds, %d workers)\n", ours, count / ours,
                failed.load(), lum::ThreadPool::Shared().Workers());
    if (!ran) {
        std::printf("vipsthumbnail did not run: %s\n", qPrintable(vips.errorString()));
        return 1;
    }
    std::printf("vipsthumbnail: %6.2f s, %7.1f thumbnails/s\n", theirs, count / theirs);
    std::printf("ratio (lumora thumbnails/s over vipsthumbnail's): %.2f\n", theirs / ours);
    return failed.load() == 0 ? 0 : 1;
}
