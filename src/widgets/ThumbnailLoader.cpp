// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ThumbnailLoader.h"

#include <algorithm>
#include <memory>

#include "widgets/Job.h"

namespace lum {

namespace {
// Thumbnails kept in memory: about 5,000 of the normal size.
constexpr int kBudgetKb = 240 * 1024;
// Made at once: the pool's workers less one, so a photo opened meanwhile is not kept waiting.
int Parallel() { return std::max(1, ThreadPool::Shared().Workers() - 1); }
}  // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent, const ThumbnailCache& cache) : QObject(parent), cache_(cache) {
    images_.setMaxCost(kBudgetKb);
}

void ThumbnailLoader::SetSide(int side) {
    if (side == side_) return;
    side_ = side;
    Clear();
}

ThumbnailLoader::Shown ThumbnailLoader::Thumbnail(const QString& path, qint64 stamp) {
    const QString key = path + QLatin1Char('\n') + QString::number(stamp);
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
    auto at = std::find_if(queue_.begin(), queue_.end(), [&key](const auto& q) { return q.first == key; });
    if (at != queue_.end()) queue_.erase(at);
    queue_.emplace_front(key, path);
    startMore();
    return s;
}

void ThumbnailLoader::startMore() {
    while (!queue_.empty() && static_cast<int>(running_.size()) < Parallel()) {
        const auto [key, path] = queue_.front();
        queue_.pop_front();
        const ThumbnailCache cache = cache_;
        const int side = side_;
        const unsigned generation = generation_;
        Job* job = Job::Start(
            this,
            [cache, side, key = key, path = path, generation, this](Job& job) {
                auto result = std::make_shared<ThumbnailCache::Result>(cache.Get(path, side, &job.CancelFlag()));
                if (job.CancelFlag().load()) return;
                job.Deliver([this, result, key, path, generation] {
                    if (generation != generation_) return;
                    if (!result->image.isNull()) {
                        const qsizetype kb = std::max<qsizetype>(1, result->image.sizeInBytes() / 1024);
                        images_.insert(key, new QImage(result->image), kb);
                    } else {
                        failures_.insert(key, result->failure);
                    }
                    emit Ready(path);
                });
            },
            JobPriority::Background);
        running_.insert(key, job);
        connect(job, &Job::finished, this, [this, key = key, job, generation] {
            if (generation == generation_ && running_.value(key) == job) running_.remove(key);
            startMore();
        });
    }
}

void ThumbnailLoader::Clear() {
    ++generation_;
    queue_.clear();
    for (Job* job : std::as_const(running_)) job->Cancel();
    running_.clear();
    images_.clear();
    failures_.clear();
}

}  // namespace lum
