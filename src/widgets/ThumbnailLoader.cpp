// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ThumbnailLoader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "widgets/Job.h"

namespace lum {

namespace {
constexpr int kBudgetKb = 240 * 1024;
// What an entry of the store costs besides its pixels (key, image header, allocations).
constexpr int kEntryOverheadKb = 1;

// The pixels alone, three bytes to a pixel unless the picture has transparency: the cache's PNG
// reads back as four bytes and with its text keys, which only the cache needs.
QImage Compact(const QImage& image) {
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB888;
    const QImage converted = image.convertToFormat(format);
    QImage bare(converted.size(), format);
    if (bare.isNull()) return converted;
    const size_t row = static_cast<size_t>(std::min(bare.bytesPerLine(), converted.bytesPerLine()));
    for (int y = 0; y < bare.height(); ++y) std::memcpy(bare.scanLine(y), converted.constScanLine(y), row);
    return bare;
}
// Made at once: the pool's workers less one, so a photo opened meanwhile is not kept waiting.
int Parallel() { return std::max(1, ThreadPool::Shared().Workers() - 1); }
}  // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent, const ThumbnailCache& cache) : QObject(parent), cache_(cache) {
    images_.setMaxCost(kBudgetKb);
}

qint64 ThumbnailLoader::BudgetBytes() { return qint64(kBudgetKb) * 1024; }

void ThumbnailLoader::SetSide(int side) {
    if (side == side_) return;
    side_ = side;
    Clear();
}

ThumbnailLoader::Shown ThumbnailLoader::Thumbnail(const QString& path, qint64 stamp) {
    const QString key = KeyOf(path, stamp);
    Shown s;
    if (const QImage* image = images_.object(key)) {
        s.image = *image;
        return s;
    }
    if (auto f = failures_.constFind(key); f != failures_.constEnd()) {
        s.failure = *f;
        return s;
    }
    if (running_.contains(key)) return s;
    // Asked again: moved to the front, as what is painted now is what is on screen.
    const auto live = queued_.constFind(key);
    if (live != queued_.constEnd() && !queue_.empty() && queue_.front().number == *live) return s;
    queued_.insert(key, ++lastNumber_);
    queue_.push_front({key, path, lastNumber_});
    // Stale entries dropped once they outnumber the live ones.
    if (queue_.size() > 2 * static_cast<size_t>(queued_.size()) + 64)
        queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                    [this](const Waiting& w) { return queued_.value(w.key) != w.number; }),
                     queue_.end());
    startMore();
    return s;
}

void ThumbnailLoader::startMore() {
    while (!queue_.empty() && static_cast<int>(running_.size()) < Parallel()) {
        const Waiting next = queue_.front();
        queue_.pop_front();
        const auto live = queued_.constFind(next.key);
        if (live == queued_.constEnd() || *live != next.number) continue;
        queued_.erase(live);
        const QString& key = next.key;
        const QString& path = next.path;
        const ThumbnailCache cache = cache_;
        const int side = side_;
        const unsigned generation = generation_;
        Job* job = Job::Start(
            this,
            [cache, side, key, path, generation, this](Job& job) {
                auto result = std::make_shared<ThumbnailCache::Result>(cache.Get(path, side, &job.CancelFlag()));
                if (job.CancelFlag().load()) return;
                if (!result->image.isNull()) result->image = Compact(result->image);
                job.Deliver([this, result, key, path, generation] {
                    if (generation != generation_) return;
                    if (!result->image.isNull()) {
                        const qsizetype kb = (result->image.sizeInBytes() + 1023) / 1024 + kEntryOverheadKb;
                        images_.insert(key, new QImage(result->image), kb);
                    } else {
                        failures_.insert(key, result->failure);
                    }
                    emit Ready(path);
                });
            },
            JobPriority::Background);
        running_.insert(key, job);
        connect(job, &Job::finished, this, [this, key, job, generation] {
            if (generation == generation_ && running_.value(key) == job) running_.remove(key);
            startMore();
        });
    }
}

void ThumbnailLoader::Clear() {
    ++generation_;
    queue_.clear();
    queued_.clear();
    for (Job* job : std::as_const(running_)) job->Cancel();
    running_.clear();
    images_.clear();
    failures_.clear();
}

}  // namespace lum
