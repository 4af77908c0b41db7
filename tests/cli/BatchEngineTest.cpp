// SPDX-License-Identifier: GPL-3.0-or-later
// The batch engine the command line and the window share: what it reports per photo, its
// totals, and a stop that never leaves a half-written or temporary file.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "../image/FormatMakers.h"
#include "CliTestUtil.h"
#include "cli/BatchEngine.h"
#include "image/Parallel.h"

using namespace clitest;
using lum::cli::BatchSkip;

namespace {

// Records what the engine reports; stops after `stopAfter` finished photos (never when < 0).
struct Recorder : lum::cli::BatchObserver {
    int stopAfter = -1;
    int threads = 0;
    std::vector<int> started;
    std::map<std::string, lum::cli::BatchPhotoReport> finished;  // by file name
    const int programThreads = lum::ThreadCount();
    bool othersKeepTheirThreads = true;

    void ThreadStarted() override { ++threads; }
    void PhotoStarted(int index, int, const std::string&) override {
        started.push_back(index);
        // The batch's threads share the cores out without changing what the rest of the program
        // uses (the window's own operations meanwhile).
        int elsewhere = 0;
        std::thread([&elsewhere] { elsewhere = lum::ThreadCount(); }).join();
        if (elsewhere != programThreads) othersKeepTheirThreads = false;
    }
    std::vector<lum::cli::BatchPhotoReport> all;
    void PhotoFinished(const lum::cli::BatchPhotoReport& r) override {
        finished[fs::path(r.photo).filename().string()] = r;
        all.push_back(r);
    }
    bool StopRequested() override { return stopAfter >= 0 && static_cast<int>(finished.size()) >= stopAfter; }
};

class BatchEngine : public ::testing::Test {
protected:
    TempDir dir;
    fs::path in = dir / "in";
    fs::path out = dir / "out";

    void SetUp() override {
        fs::create_directory(in);
        fs::copy_file(Photo("rocket.jpg"), in / "rocket.jpg");
        fs::copy_file(Photo("astronaut.jpg"), in / "astronaut.jpg");
        std::vector<uint8_t> cut = ReadBytes(Photo("hubble_deep_field.jpg"));
        cut.resize(cut.size() / 2);  // decodes in part: a damaged photo
        WriteBytes(in / "damaged.jpg", cut);
        WriteBytes(in / "unreadable.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'});
    }

    lum::cli::BatchArgs Args(const std::vector<fs::path>& paths) const {
        lum::cli::BatchArgs b;
        for (const fs::path& p : paths) b.paths.push_back(p.string());
        b.outDir = out.string();
        return b;
    }
    lum::cli::BatchArgs InPlace(const fs::path& folder) const {
        lum::cli::BatchArgs b = Args({folder});
        b.inPlace = true;
        b.outDir.clear();
        return b;
    }
};

}  // namespace

TEST_F(BatchEngine, ReportsEveryPhotoWithWhyItWasSkipped) {
    // Into another folder: the damaged photo is written with its warning.
    Recorder r;
    lum::cli::BatchArgs b = Args({in});
    b.out.quality = 70;
    const lum::cli::BatchTotals t = lum::cli::RunOptimizeBatch(b, r);
    EXPECT_EQ(t.total, 4);
    EXPECT_EQ(t.written, 3);
    EXPECT_EQ(t.skipped, 1);
    EXPECT_FALSE(t.stopped);
    EXPECT_EQ(t.notDone(), 0);
    EXPECT_EQ(r.finished.size(), 4u);
    EXPECT_GE(r.threads, 1);
    EXPECT_TRUE(r.othersKeepTheirThreads);
    EXPECT_EQ(r.finished.at("unreadable.jpg").skip, BatchSkip::Unreadable);
    EXPECT_NE(r.finished.at("unreadable.jpg").reason.find("unreadable.jpg"), std::string::npos);
    ASSERT_EQ(r.finished.at("damaged.jpg").skip, BatchSkip::None);
    ASSERT_EQ(r.finished.at("damaged.jpg").warnings.size(), 1u);
    EXPECT_NE(r.finished.at("damaged.jpg").warnings[0].find("damaged"), std::string::npos);
    EXPECT_TRUE(r.finished.at("rocket.jpg").warnings.empty());
    EXPECT_EQ(r.finished.at("rocket.jpg").target, (out / "rocket.jpg").string());
    // The very files of the command line with the same options.
    ASSERT_EQ(Lumora("optimize --quality 70 -o " + Quote((dir / "ref").string()) + " " + Quote(in.string())).status, 1);
    for (const char* name : {"rocket.jpg", "astronaut.jpg", "damaged.jpg"})
        EXPECT_EQ(ReadBytes(out / name), ReadBytes(dir / "ref" / name)) << name;
    EXPECT_EQ(Names(out), Names(dir / "ref"));

    // Again: every output is there already.
    Recorder again;
    const lum::cli::BatchTotals t2 = lum::cli::RunOptimizeBatch(Args({in / "rocket.jpg"}), again);
    EXPECT_EQ(t2.skipped, 1);
    EXPECT_EQ(again.finished.at("rocket.jpg").skip, BatchSkip::Exists);
    EXPECT_EQ(again.finished.at("rocket.jpg").detail, (out / "rocket.jpg").string());

    // Two photos of the same name from two folders: the second is not written.
    fs::create_directory(dir / "other");
    fs::copy_file(Photo("rocket.jpg"), dir / "other" / "astronaut.jpg");
    Recorder same;
    lum::cli::BatchArgs twice = Args({in / "astronaut.jpg", dir / "other" / "astronaut.jpg"});
    twice.outDir = (dir / "twice").string();
    lum::cli::RunOptimizeBatch(twice, same);
    ASSERT_EQ(same.all.size(), 2u);
    for (const lum::cli::BatchPhotoReport& r : same.all)
        EXPECT_EQ(r.skip, r.index == 0 ? BatchSkip::None : BatchSkip::SameTarget) << r.photo;

    // In place: the damaged original is kept, as it was.
    const std::vector<uint8_t> damaged = ReadBytes(in / "damaged.jpg");
    Recorder inPlace;
    const lum::cli::BatchTotals t3 = lum::cli::RunOptimizeBatch(InPlace(in), inPlace);
    EXPECT_EQ(t3.written, 2);
    EXPECT_EQ(inPlace.finished.at("damaged.jpg").skip, BatchSkip::Damaged);
    EXPECT_EQ(inPlace.finished.at("damaged.jpg").detail + " (left as it was)", inPlace.finished.at("damaged.jpg").reason);
    EXPECT_EQ(ReadBytes(in / "damaged.jpg"), damaged);
    EXPECT_NE(ReadBytes(in / "rocket.jpg"), ReadBytes(Photo("rocket.jpg")));

    // A batch that cannot start says why.
    Recorder none;
    fs::create_directory(dir / "empty");
    EXPECT_THROW(lum::cli::RunOptimizeBatch(Args({dir / "empty"}), none), lum::cli::Failure);
}

TEST_F(BatchEngine, InPlaceAPhotoOfAnotherFormatGetsItsJpegBesideOrIsLeftAsItWas) {
    const fs::path folder = dir / "formats";
    fs::create_directory(folder);
    const formats_test::Bytes png = formats_test::MakePng(formats_test::Pattern(20, 10, 3, 8));
    WriteBytes(folder / "a.png", png);
    WriteBytes(folder / "c.jpg", png);  // a PNG under a JPEG name
    Recorder r;
    const lum::cli::BatchTotals t = lum::cli::RunOptimizeBatch(InPlace(folder), r);
    EXPECT_EQ(t.written, 1);
    EXPECT_TRUE(r.finished.at("a.png").written() && r.finished.at("a.png").beside);
    EXPECT_EQ(r.finished.at("a.png").target, (folder / "a.jpg").string());
    EXPECT_EQ(r.finished.at("c.jpg").skip, BatchSkip::OtherFormat);
    for (const char* name : {"a.png", "c.jpg"}) EXPECT_EQ(ReadBytes(folder / name), png) << name;
}

TEST_F(BatchEngine, StopFinishesOrDropsThePhotosUnderWay) {
    const fs::path many = dir / "many";
    fs::create_directory(many);
    const int count = 16;
    for (int i = 0; i < count; ++i) fs::copy_file(Photo("hubble_deep_field.jpg"), many / ("p" + std::to_string(100 + i) + ".jpg"));
    ASSERT_EQ(Lumora("optimize -o " + Quote((dir / "ref").string()) + " " + Quote((many / "p100.jpg").string())).status, 0);
    const std::vector<uint8_t> optimized = ReadBytes(dir / "ref" / "p100.jpg");

    for (int stopAfter : {0, 1, 3}) {
        SCOPED_TRACE(stopAfter);
        fs::remove_all(out);
        Recorder r;
        r.stopAfter = stopAfter;
        const lum::cli::BatchTotals t = lum::cli::RunOptimizeBatch(Args({many}), r);
        EXPECT_TRUE(t.stopped);
        EXPECT_EQ(t.total, count);
        EXPECT_GE(t.written, stopAfter);
        EXPECT_LT(t.written, count);
        EXPECT_EQ(t.notDone(), count - t.written);
        // Only whole results, each reported; no temporary file.
        EXPECT_EQ(Names(out).size(), static_cast<size_t>(t.written));
        for (const std::string& name : Names(out)) {
            EXPECT_EQ(ReadBytes(out / name), optimized) << name;
            EXPECT_TRUE(r.finished.count(name)) << name;
        }
    }
}

TEST_F(BatchEngine, AnObserverThatThrowsEndsTheBatchWithItsError) {
    // On a pool thread, where an escaping exception would once have ended the program.
    struct Throwing : Recorder {
        void PhotoStarted(int, int, const std::string&) override { throw std::runtime_error("observer"); }
    } r;
    EXPECT_THROW(lum::cli::RunOptimizeBatch(Args({in}), r), std::runtime_error);
    EXPECT_TRUE(Names(out).empty());
}
