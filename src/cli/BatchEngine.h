// SPDX-License-Identifier: GPL-3.0-or-later
// The batch optimize as an engine: `lumora optimize` prints what it reports, the main window's
// batch shows it with a progress bar. Both run the same photos through the same steps, so they
// write the same files.
#pragma once
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliInternal.h"

namespace lum::cli {

// Why a photo of the batch was not written.
enum class BatchSkip {
    None,        // written
    Unreadable,  // the photo could not be read or decoded
    Damaged,     // damaged, and the original was not to be replaced by what could be decoded
    Exists,      // its output file is there already and was not to be replaced
    SameTarget,  // another photo of the batch writes the same output file
    OtherFormat, // in place, a photo of a format not written: not replaced by a JPEG file
    Failed,      // anything else: the write failed, memory ran out
};

// What became of one photo of the batch.
struct BatchPhotoReport {
    int index = 0;  // in the planned order, from 0
    int total = 0;
    std::string photo;   // as listed
    std::string target;  // where the result goes
    bool beside = false; // in place, a photo of another format: its JPEG went beside it
    bool unchanged = false;  // nothing to do (straightened and upright already): not rewritten
    BatchSkip skip = BatchSkip::None;
    std::string reason;                 // for a skip: the command line's words
    std::string detail;                 // the same without the command line's advice
    std::vector<std::string> warnings;  // what the user must know of a photo written all the same
    // For a window: the detail of an unreadable or damaged photo and each warning, in words to
    // translate (empty where there are none).
    Words said;
    std::vector<Words> warned;
    void Warn(const std::string& file, const std::string& english) { Warn(file + ": " + english, Words(QT_TRANSLATE_NOOP("lum", "%1: %2"), {file, english})); }
    void Warn(std::string english, Words words) {
        warnings.push_back(std::move(english));
        warned.push_back(std::move(words));
    }
    bool written() const { return skip == BatchSkip::None; }
};

// Follows a batch. Called from the pool's threads that run the batch, one call at a time.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    // Once per thread that works on photos of this batch, before its first photo there.
    virtual void ThreadStarted() {}
    virtual void PhotoStarted(int index, int total, const std::string& photo) { (void)index, (void)total, (void)photo; }
    // Every photo that was finished: written or skipped. A photo dropped by a stop is not.
    virtual void PhotoFinished(const BatchPhotoReport& report) { (void)report; }
    // Polled between the steps of each photo: once true, no photo is started, and a photo not yet
    // being written is dropped. A photo being written is finished, never cut short.
    virtual bool StopRequested() { return false; }
};

struct BatchTotals {
    int total = 0, written = 0, skipped = 0;
    bool stopped = false;
    int notDone() const { return total - written - skipped; }
};

// Runs the one-click optimize over b.paths with b's settings and returns the totals. Throws
// Failure when the batch cannot start (the output folder cannot be made, no photos). Waits for
// the batch: not from a task of the shared pool.
BatchTotals RunOptimizeBatch(const BatchArgs& b, BatchObserver& observer);

// A batch started on the shared pool, for a caller that must not block (the window).
class RunningBatch {
public:
    // The totals, or the exception that kept the batch from starting or ended it (Failure as
    // RunOptimizeBatch throws it). Called once, on a thread of the pool.
    using Ended = std::function<void(const BatchTotals& totals, std::exception_ptr failure)>;
    virtual ~RunningBatch() = default;
    // Blocks until the batch has ended and `ended` has returned.
    virtual void Wait() = 0;
};

// Starts the batch and returns at once: the folders are read and each photo is optimized as a
// background task of the shared pool, up to b.jobs photos at a time (a few by default), their
// row bands on the workers left free. observer must outlive the call of ended.
std::shared_ptr<RunningBatch> StartOptimizeBatch(const BatchArgs& b, BatchObserver& observer, RunningBatch::Ended ended);

// The files a folder gives to the batch: its photos of every format read, by name (any case),
// not recursive, sorted.
bool IsBatchPhotoName(const std::string& path);

}  // namespace lum::cli
