#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "cli/CliInternal.h"
#include "image/PhotoNotice.h"
#include "image/Parallel.h"
#include "imaging/ColourOps.h"

namespace fs = std::filesystem;

namespace lum::cli {

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool IsPhotoName(const fs::path& p) {
    const std::string ext = Lower(p.extension().string());
    return ext == ".jpg" || ext == ".jpeg";
}

struct Job {
    std::string photo;   // as listed
    std::string target;  // where the result goes
    std::string refusal; // set when the photo must not be processed
};

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
            if (IsPhotoName(it->path()) && it->is_regular_file(fec)) inFolder.push_back(it->path().string());
        }
        if (ec) throw Failure(p + ": " + ec.message());
        std::sort(inFolder.begin(), inFolder.end());
        photos.insert(photos.end(), inFolder.begin(), inFolder.end());
    }
    return photos;
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
        if (b.inPlace) {
            // Replace the file itself, not a symbolic link pointing at it.
            job.target = key;
        } else {
            job.target = (fs::path(b.outDir) / fs::path(photo).filename()).string();
        }
        std::error_code tec;
        fs::path tcanon = fs::weakly_canonical(fs::absolute(job.target, tec), tec);
        const std::string tkey = tec ? job.target : tcanon.string();
        auto prev = seenTarget.find(tkey);
        if (prev != seenTarget.end())
            job.refusal = "same output file as " + prev->second + " (not written)";
        else
            seenTarget[tkey] = photo;
        jobs.push_back(std::move(job));
    }
    return jobs;
}

const char* const kInterrupted = "interrupted, not written";

// One photo from file to file; returns the error text, empty on success. warnings receives
// what the user must know about a photo that was written all the same.
std::string ProcessPhoto(const BatchArgs& b, const Job& job, std::vector<std::string>& warnings) {
    try {
        if (!job.refusal.empty()) return job.refusal;
        std::error_code ec;
        const bool mustNotExist = !b.inPlace && !b.overwrite;
        if (mustNotExist && fs::exists(job.target, ec))
            return job.target + " already exists (use --overwrite to replace it)";
        LoadedPicture pic;
        try {
            pic = LoadPicture(job.photo);
        } catch (const std::exception& e) {
            return NoticeForFailure(job.photo, e).text;
        }
        const PhotoNotice notice = NoticeForLoad(job.photo, pic.report);
        // Replacing a damaged original, in place or as the output of its own folder, would leave
        // only a clean-looking copy of what could be decoded; another file gets the copy, with
        // the warning.
        if (!notice.mayReplaceOriginal() && (b.inPlace || pic.source.sameFile(IdentityOf(job.target))))
            return RefusalToReplace(notice);
        if (!notice.text.empty()) warnings.push_back(notice.text);
        OptimizeLean(pic.image, b.out.targets);
        std::vector<std::string> written;
        std::vector<uint8_t> bytes = EncodeFor(job.target, pic.image, b.out, &pic.metadata, &written);
        for (const std::string& w : written) warnings.push_back(job.target + ": " + w);
        pic.image = Image();
        if (mustNotExist && fs::exists(job.target, ec))
            return job.target + " already exists (use --overwrite to replace it)";
        if (StopRequest::Requested()) return kInterrupted;
        WriteFileAtomic(job.target, bytes);
        return std::string();
    } catch (const std::bad_alloc&) {
        return "out of memory";
    } catch (const std::exception& e) {
        std::string msg = e.what();
        return msg.empty() ? "unknown error" : msg;
    }
}

}  // namespace

int RunBatch(const std::vector<std::string>& args) {
    const BatchArgs b = ParseBatch(args);
    if (!b.inPlace) {
        std::error_code ec;
        fs::create_directories(b.outDir, ec);
        if (!fs::is_directory(b.outDir)) {
            throw Failure(b.outDir + ": " + (ec ? ec.message() : std::string("not a folder")));
        }
    }
    const std::vector<Job> jobs = PlanJobs(b, CollectPhotos(b.paths));
    if (jobs.empty()) throw Failure("no photos found");

    // Photos in parallel, and each operation's own row bands on the cores left over, so the
    // total number of busy threads stays near the number of cores.
    const int n = static_cast<int>(jobs.size());
    const int cores = std::max(1, ThreadCount());
    int workers = b.jobs > 0 ? b.jobs : std::min(cores, kDefaultMaxJobs);
    workers = std::max(1, std::min(workers, n));
    SetThreadCount(std::max(1, cores / workers));

    StopRequest stop;
    std::atomic<int> next{0};
    std::atomic<int> failed{0}, done{0};
    std::mutex printLock;
    auto work = [&] {
        while (!StopRequest::Requested()) {
            const int i = next++;
            if (i >= n) break;
            const Job& job = jobs[static_cast<size_t>(i)];
            std::vector<std::string> warnings;
            const std::string error = ProcessPhoto(b, job, warnings);
            if (error == kInterrupted) break;  // counted with the photos not done
            std::lock_guard<std::mutex> lock(printLock);
            if (error.empty()) {
                std::fprintf(stderr, "[%d/%d] %s -> %s\n", i + 1, n, job.photo.c_str(), job.target.c_str());
                for (const std::string& w : warnings) std::fprintf(stderr, "[%d/%d] warning: %s\n", i + 1, n, w.c_str());
            } else {
                ++failed;
                std::fprintf(stderr, "[%d/%d] %s failed: %s\n", i + 1, n, job.photo.c_str(), error.c_str());
            }
            ++done;
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < workers; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    SetThreadCount(0);
    if (StopRequest::Requested()) {
        std::fprintf(stderr, "lumora: interrupted; %d of %d photos not done\n", n - done.load(), n);
        return kExitFailure;
    }
    return failed > 0 ? kExitFailure : kExitOk;
}

}  // namespace lum::cli
