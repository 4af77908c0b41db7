// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cerrno>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include "cli/BatchEngine.h"
#include "image/Downscale.h"
#include "image/PersonalDetails.h"
#include "image/FormatNames.h"
#include "image/PhotoNotice.h"
#include "image/Parallel.h"
#include "image/ThreadPool.h"
#include "imaging/ColourOps.h"

namespace fs = std::filesystem;

namespace lum::cli {

namespace {

struct Job {
    std::string photo;   // as listed
    std::string target;  // where the result goes
    std::string refusal; // set when the photo must not be processed
    BatchSkip refusalKind = BatchSkip::SameTarget;
    // In place, a photo of a format we do not write: its JPEG goes beside it, the photo stays.
    bool beside = false;
};

bool WrittenAsJpegBeside(FileFormat f) {
    return f == FileFormat::Heif || f == FileFormat::Png || f == FileFormat::WebP || f == FileFormat::Tiff;
}

// Largest number of photos in memory at once by default.
constexpr int kDefaultMaxJobs = 4;

}  // namespace

void OptimizeLean(Image& work, const BalanceTargets& targets) {
    // The fused pass works on the photo itself: no second copy of a 12-megapixel image.
    OptimizeInPlace(work, targets, false);
}

std::vector<std::string> CollectPhotos(const std::vector<std::string>& paths) {
    std::vector<std::string> photos;
    for (const std::string& p : paths) {
        std::error_code ec;
        if (!fs::is_directory(p, ec)) {
            photos.push_back(p);  // a missing file fails later with its own message
            continue;
        }
        std::vector<std::string> inFolder;
        fs::directory_iterator it(p, ec), end;
        if (ec) throw Failure(p + ": " + ec.message());
        for (; it != end; it.increment(ec)) {
            if (ec) throw Failure(p + ": " + ec.message());
            std::error_code fec;
            if (HasPhotoExtension(it->path().string()) && it->is_regular_file(fec)) inFolder.push_back(it->path().string());
        }
        if (ec) throw Failure(p + ": " + ec.message());
        std::sort(inFolder.begin(), inFolder.end());
        photos.insert(photos.end(), inFolder.begin(), inFolder.end());
    }
    return photos;
}

std::string ReserveFreeName(const std::string& target) {
    const fs::path path(target);
    const std::string stem = path.stem().string(), ext = path.extension().string();
    for (int n = 1; n < 100000; ++n) {
        const fs::path name = n == 1 ? path : path.parent_path() / (stem + " (" + std::to_string(n) + ")" + ext);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return name.string();
        }
        if (errno != EEXIST) throw Failure(name.string() + ": " + std::generic_category().message(errno));
    }
    throw Failure(target + ": no free name left");
}

namespace {

std::vector<Job> PlanJobs(const BatchArgs& b, const std::vector<std::string>& photos) {
    std::vector<Job> jobs;
    std::map<std::string, std::string> seenSource;  // canonical source -> as listed
    std::map<std::string, std::string> seenTarget;  // target -> photo writing it
    for (const std::string& photo : photos) {
        std::error_code ec;
        fs::path canon = fs::weakly_canonical(fs::absolute(photo, ec), ec);
        const std::string key = ec ? photo : canon.string();
        if (seenSource.count(key)) continue;  // the same photo named twice is done once
        seenSource[key] = photo;

        Job job;
        job.photo = photo;
        // Results are JPEG: a photo of another format gets a new name rather than a JPEG under
        // its own.
        const FileFormat format = SniffFileFormat(photo);
        const bool renamed = !b.turn && WrittenAsJpegBeside(format);
        if (b.inPlace) {
            // Replace the file itself, not a symbolic link pointing at it.
            job.target = renamed ? JpegNameFor(photo) : key;
            job.beside = renamed;
        } else if (b.exportCopies) {
            // Copies are JPEG whatever the photo was; a taken name gets a number when written.
            const std::string name = fs::path(photo).filename().string();
            job.target = (fs::path(b.outDir) / (format == FileFormat::Jpeg ? name : JpegNameFor(name))).string();
            jobs.push_back(std::move(job));
            continue;
        } else {
            const std::string name = fs::path(photo).filename().string();
            job.target = (fs::path(b.outDir) / (renamed ? JpegNameFor(name) : name)).string();
        }
        std::error_code tec;
        fs::path tcanon = fs::weakly_canonical(fs::absolute(job.target, tec), tec);
        const std::string tkey = tec ? job.target : tcanon.string();
        auto prev = seenTarget.find(tkey);
        if (b.turn && format != FileFormat::Unknown && !CanTurnFormat(format)) {
            job.refusal = std::string("holds a ") + FormatName(format) +
                          " picture, which Lumora does not write; not turned";
            job.refusalKind = BatchSkip::OtherFormat;
        } else if (job.beside && tkey == key) {
            job.refusal = std::string("holds a ") + FormatName(format) +
                          " picture; not replaced by a JPEG file (write it elsewhere with -o DIR)";
            job.refusalKind = BatchSkip::OtherFormat;
        } else if (prev != seenTarget.end())
            job.refusal = "same output file as " + prev->second + " (not written)";
        else
            seenTarget[tkey] = photo;
        jobs.push_back(std::move(job));
    }
    return jobs;
}

// A photo dropped because the batch was asked to stop.
struct Dropped {};

// One photo turned from file to file, as ProcessPhoto does it for the optimize.
void TurnPhotoFile(const BatchArgs& b, const Job& job, const std::function<bool()>& stop, BatchPhotoReport& r) {
    const auto skip = [&r](BatchSkip why, std::string reason, std::string detail = std::string()) {
        r.skip = why;
        r.detail = detail.empty() ? reason : std::move(detail);
        r.reason = std::move(reason);
    };
    std::error_code ec;
    const bool mustNotExist = !b.inPlace && !b.overwrite;
    if (mustNotExist && fs::exists(job.target, ec))
        return skip(BatchSkip::Exists, job.target + " already exists (use --overwrite to replace it)", job.target);
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(job.photo);
    } catch (const std::exception& e) {
        const PhotoNotice notice = NoticeForFailure(job.photo, e);
        r.said = notice.words;
        return skip(BatchSkip::Unreadable, notice.text);
    }
    if (stop()) throw Dropped();
    const FileFormat format = SniffFormat(bytes.data(), bytes.size());
    if (format != FileFormat::Unknown && !CanTurnFormat(format))
        return skip(BatchSkip::OtherFormat,
                    std::string("holds a ") + FormatName(format) + " picture, which Lumora does not write; not turned");
    TurnedPhoto turned;
    try {
        turned = TurnPhotoBytes(bytes, *b.turn);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // A damaged photo is refused and left as it is.
        r.said = Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {job.photo, WordsOf(e)});
        return skip(BatchSkip::Damaged, job.photo + ": " + e.what());
    }
    bytes.clear();
    for (const std::string& w : turned.warnings) r.Warn(job.target, w);
    if (turned.trimmed())
        r.Warn(job.target + ": " + TrimNote(turned), Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {job.target, TrimNoteWords(turned)}));
    r.unchanged = turned.unchanged;
    if (turned.unchanged && b.inPlace) return;
    if (mustNotExist && fs::exists(job.target, ec))
        return skip(BatchSkip::Exists, job.target + " already exists (use --overwrite to replace it)", job.target);
    if (stop()) throw Dropped();
    WriteOutput(job.target, turned.bytes);
}

// One photo from file to file. Its skip and reason stay empty on success; its warnings tell
// what the user must know about a photo that was written all the same. Throws Dropped when
// stop asks for it before the write begins.
void ProcessPhoto(const BatchArgs& b, const Job& job, const std::function<bool()>& stop, BatchPhotoReport& r) {
    const auto skip = [&r](BatchSkip why, std::string reason, std::string detail = std::string()) {
        r.skip = why;
        r.detail = detail.empty() ? reason : std::move(detail);
        r.reason = std::move(reason);
    };
    const auto dropIfStopped = [&stop] {
        if (stop()) throw Dropped();
    };
    try {
        if (!job.refusal.empty()) return skip(job.refusalKind, job.refusal);
        if (b.turn) return TurnPhotoFile(b, job, stop, r);
        std::error_code ec;
        const bool exporting = b.exportCopies.has_value();
        const bool mustNotExist = (!b.inPlace || job.beside) && !b.overwrite && !exporting;
        if (mustNotExist && fs::exists(job.target, ec))
            return skip(BatchSkip::Exists, job.target + " already exists (use --overwrite to replace it)", job.target);
        LoadedPicture pic;
        const bool held = exporting && b.held && job.photo == b.held->path;
        if (held) {
            // What the window shows: brought down from its picture, the file is not read.
            pic.image = DownscaleToLongEdge(b.held->image, b.exportCopies->longEdge);
            pic.metadata = b.held->metadata;
        } else {
            try {
                pic = LoadPicture(job.photo);
            } catch (const std::exception& e) {
                const PhotoNotice failed = NoticeForFailure(job.photo, e);
                r.said = failed.words;
                return skip(BatchSkip::Unreadable, failed.text);
            }
            dropIfStopped();
            const PhotoNotice notice = NoticeForLoad(job.photo, pic.report);
            // Replacing a damaged original, in place or as the output of its own folder, would leave
            // only a clean-looking copy of what could be decoded; another file (a NAME.jpg beside it
            // too) gets the copy, with the warning.
            if (!notice.mayReplaceOriginal() &&
                ((b.inPlace && !job.beside) || pic.source.sameFile(IdentityOf(job.target)))) {
                r.said = notice.words;
                return skip(BatchSkip::Damaged, RefusalToReplace(notice), notice.text);
            }
            if (!notice.text.empty()) r.Warn(notice.text, notice.words);
        }
        if (exporting) {
            if (!held) pic.image = DownscaleToLongEdge(pic.image, b.exportCopies->longEdge);
            if (!b.exportCopies->keepDetails) RemovePersonalDetails(pic.metadata);
            dropIfStopped();
            std::vector<std::string> written;
            const std::vector<uint8_t> bytes = EncodeFor(job.target, pic.image, b.out, &pic.metadata, &written);
            pic.image = Image();
            r.target = ReserveFreeName(job.target);
            try {
                WriteOutput(r.target, bytes);
            } catch (...) {
                std::error_code rec;
                fs::remove(r.target, rec);  // the empty file that held the name
                throw;
            }
            for (const std::string& w : written) r.Warn(r.target, w);
            return;
        }
        OptimizeLean(pic.image, b.out.targets);
        // Planned from the first bytes; the photo may have been replaced since.
        if (b.inPlace && !job.beside && WrittenAsJpegBeside(pic.format))
            return skip(BatchSkip::OtherFormat,
                        std::string("holds a ") + FormatName(pic.format) + " picture; not replaced by a JPEG file");
        dropIfStopped();
        std::vector<std::string> written;
        std::vector<uint8_t> bytes = EncodeFor(job.target, pic.image, b.out, &pic.metadata, &written);
        for (const std::string& w : written) r.Warn(job.target, w);
        pic.image = Image();
        if (mustNotExist && fs::exists(job.target, ec))
            return skip(BatchSkip::Exists, job.target + " already exists (use --overwrite to replace it)", job.target);
        dropIfStopped();
        WriteOutput(job.target, bytes);
    } catch (const Dropped&) {
        throw;
    } catch (const std::bad_alloc& e) {
        r.said = WordsOf(e);
        skip(BatchSkip::Failed, "out of memory");
    } catch (const std::exception& e) {
        // Worded for the window too: a full disk or a read-only folder is the user's to mend.
        std::string msg = e.what();
        if (!msg.empty()) r.said = WordsOf(e);
        skip(BatchSkip::Failed, msg.empty() ? "unknown error" : msg);
    }
}

}  // namespace

bool IsBatchPhotoName(const std::string& path) { return HasPhotoExtension(path); }

namespace {

// The state of one batch, shared by its tasks on the pool.
class Batch : public RunningBatch, public std::enable_shared_from_this<Batch> {
public:
    Batch(const BatchArgs& b, BatchObserver& observer, Ended ended)
        : args_(b), observer_(observer), ended_(std::move(ended)) {}

    void Start() {
        auto self = shared_from_this();
        ThreadPool::Shared().Post([self] { self->plan(); }, JobPriority::Background);
    }

    void Wait() override {
        std::unique_lock<std::mutex> g(doneLock_);
        doneCv_.wait(g, [this] { return done_; });
    }

private:
    // The first task: reads the folders, then becomes the first of the photo tasks.
    void plan() {
        try {
            if (!args_.inPlace) {
                std::error_code ec;
                fs::create_directories(args_.outDir, ec);
                if (!fs::is_directory(args_.outDir))
                    throw Failure(args_.outDir + ": " + (ec ? ec.message() : std::string("not a folder")));
            }
            jobs_ = PlanJobs(args_, CollectPhotos(args_.paths));
            if (jobs_.empty()) throw Failure("no photos found");
        } catch (...) {
            failure_ = std::current_exception();
        }
        if (failure_) return end();
        const int n = static_cast<int>(jobs_.size());
        totals_.total = n;
        // Photos at a time: each holds its photo in memory; their row bands share the pool.
        const int cores = std::max(1, ThreadCount());
        const int lanes = std::max(1, std::min(args_.jobs > 0 ? args_.jobs : std::min(cores, kDefaultMaxJobs), n));
        lanes_ = lanes;
        auto self = shared_from_this();
        for (int i = 1; i < lanes; ++i) {
            try {
                ThreadPool::Shared().Post([self] { self->lane(); }, JobPriority::Background);
            } catch (const std::bad_alloc&) {
                laneEnded();  // one lane fewer
            }
        }
        lane();
    }

    // One photo per task; the lane goes on with a task of its own for the next photo, so work of
    // the window that came meanwhile is taken first.
    void lane() {
        for (;;) {
            bool more = false;
            try {
                more = onePhoto();
            } catch (...) {
                std::lock_guard<std::mutex> g(lock_);
                if (!failure_) failure_ = std::current_exception();
                abandoned_ = true;
            }
            if (!more) return laneEnded();
            try {
                auto self = shared_from_this();
                ThreadPool::Shared().Post([self] { self->lane(); }, JobPriority::Background);
                return;
            } catch (const std::bad_alloc&) {
                // The next photo here then.
            }
        }
    }

    bool stopRequested() {
        if (stopped_.load() || abandoned_.load()) return true;
        std::lock_guard<std::mutex> g(lock_);
        if (observer_.StopRequested()) stopped_ = true;
        return stopped_.load();
    }

    // Does the next photo; false when none is left or the batch was stopped.
    bool onePhoto() {
        const int n = static_cast<int>(jobs_.size());
        if (stopRequested()) return false;
        const int i = next_++;
        if (i >= n) return false;
        const Job& job = jobs_[static_cast<size_t>(i)];
        {
            std::lock_guard<std::mutex> g(lock_);
            const std::thread::id me = std::this_thread::get_id();
            if (std::find(threads_.begin(), threads_.end(), me) == threads_.end()) {
                threads_.push_back(me);
                observer_.ThreadStarted();
            }
            observer_.PhotoStarted(i, n, job.photo);
        }
        BatchPhotoReport r;
        r.index = i;
        r.total = n;
        r.photo = job.photo;
        r.target = job.target;
        r.beside = job.beside;
        try {
            // Between the steps of the photo, the window's work waiting meanwhile goes first.
            ProcessPhoto(
                args_, job,
                [this] {
                    ThreadPool::Shared().LetInteractiveWorkFirst();
                    return stopRequested();
                },
                r);
        } catch (const Dropped&) {
            return false;  // counted with the photos not done
        }
        std::lock_guard<std::mutex> g(lock_);
        ++(r.written() ? totals_.written : totals_.skipped);
        observer_.PhotoFinished(r);
        return next_.load() < n;
    }

    void laneEnded() {
        if (--lanes_ > 0) return;
        totals_.stopped = stopped_.load();
        end();
    }

    void end() {
        args_.held.reset();  // on the pool's thread, and not kept for as long as the batch is
        if (ended_) {
            try {
                ended_(totals_, failure_);
            } catch (...) {
            }
        }
        // Let go of the failure before the waiter wakes: it is then freed where it is read.
        failure_ = nullptr;
        std::lock_guard<std::mutex> g(doneLock_);
        done_ = true;
        doneCv_.notify_all();
    }

    BatchArgs args_;  // its held picture is let go of once the batch has ended
    BatchObserver& observer_;
    const Ended ended_;
    std::vector<Job> jobs_;  // set by plan() before the other lanes start
    std::atomic<int> next_{0};
    std::atomic<int> lanes_{0};
    std::atomic<bool> stopped_{false};    // the observer asked for it
    std::atomic<bool> abandoned_{false};  // an observer call threw
    std::mutex lock_;                     // one observer call at a time; the totals, failure_, threads_
    BatchTotals totals_;
    std::exception_ptr failure_;
    std::vector<std::thread::id> threads_;
    std::mutex doneLock_;
    std::condition_variable doneCv_;
    bool done_ = false;  // under doneLock_
};

}  // namespace

std::shared_ptr<RunningBatch> StartOptimizeBatch(const BatchArgs& b, BatchObserver& observer, RunningBatch::Ended ended) {
    auto batch = std::make_shared<Batch>(b, observer, std::move(ended));
    batch->Start();
    return batch;
}

BatchTotals RunOptimizeBatch(const BatchArgs& b, BatchObserver& observer) {
    BatchTotals totals;
    std::exception_ptr failure;
    StartOptimizeBatch(b, observer, [&](const BatchTotals& t, std::exception_ptr f) {
        totals = t;
        failure = f;
    })->Wait();
    if (failure) std::rethrow_exception(failure);
    return totals;
}

namespace {

// Prints a line per photo on stderr and stops at a signal.
class PrintingObserver : public BatchObserver {
public:
    void PhotoFinished(const BatchPhotoReport& r) override {
        const int i = r.index + 1, n = r.total;
        if (r.written()) {
            std::fprintf(stderr, "[%d/%d] %s -> %s%s\n", i, n, r.photo.c_str(), r.target.c_str(),
                         r.beside      ? " (the original is kept: results are written as JPEG)"
                         : r.unchanged ? " (upright already: nothing to turn)"
                                       : "");
            for (const std::string& w : r.warnings) std::fprintf(stderr, "[%d/%d] warning: %s\n", i, n, w.c_str());
        } else {
            std::fprintf(stderr, "[%d/%d] %s failed: %s\n", i, n, r.photo.c_str(), r.reason.c_str());
        }
    }
    bool StopRequested() override { return StopRequest::Requested(); }
};

}  // namespace

namespace {

int RunBatchOf(const BatchArgs& b) {
    StopRequest stop;
    PrintingObserver printer;
    const BatchTotals t = RunOptimizeBatch(b, printer);
    if (t.stopped) {
        std::fprintf(stderr, "lumora: interrupted; %d of %d photos not done\n", t.notDone(), t.total);
        return kExitFailure;
    }
    return t.skipped > 0 ? kExitFailure : kExitOk;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args) { return RunBatchOf(ParseBatch(args)); }
int RunExport(const std::vector<std::string>& args) { return RunBatchOf(ParseExport(args)); }
int RunTransform(const std::vector<std::string>& args) { return RunBatchOf(ParseTransform(args)); }

}  // namespace lum::cli
