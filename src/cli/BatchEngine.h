// The batch optimize as an engine: `lumora optimize` prints what it reports, the main window's
// batch shows it with a progress bar. Both run the same photos through the same steps, so they
// write the same files.
#pragma once
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
    BatchSkip skip = BatchSkip::None;
    std::string reason;                 // for a skip: the command line's words
    std::string detail;                 // the same without the command line's advice
    std::vector<std::string> warnings;  // what the user must know of a photo written all the same
    bool written() const { return skip == BatchSkip::None; }
};

// Follows a batch. Called from the batch's threads, one call at a time.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    // Once per thread that works on photos, before its first photo.
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

// Runs the one-click optimize over b.paths with b's settings, the photos in parallel on every
// core. Throws Failure when the batch cannot start (the output folder cannot be made, no photos).
BatchTotals RunOptimizeBatch(const BatchArgs& b, BatchObserver& observer);

// The files a folder gives to the batch: its photos of every format read, by name (any case),
// not recursive, sorted.
bool IsBatchPhotoName(const std::string& path);

}  // namespace lum::cli
