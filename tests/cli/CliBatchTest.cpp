// SPDX-License-Identifier: GPL-3.0-or-later
// lumora optimize: the batch one-click over photos and folders.
#include <gtest/gtest.h>

#include <map>

#include "CliTestUtil.h"
#include "cli/CliInternal.h"
#include "editing/Editor.h"
#include "image/Codec.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"

using namespace clitest;

namespace {

class CliBatch : public ::testing::Test {
protected:
    TempDir dir;
    fs::path in = dir / "in";
    fs::path out = dir / "out";

    void SetUp() override {
        fs::create_directory(in);
        fs::copy_file(Photo("rocket.jpg"), in / "rocket.jpg");
        fs::copy_file(Photo("astronaut.jpg"), in / "Astronaut.JPEG");
        WriteBytes(in / "moon.jpg",
                   WithSegments(ReadBytes(Photo("hubble_deep_field.jpg")), {Segment(0xFE, "lumora-batch-comment")}));
        WriteBytes(in / "notes.txt", {'h', 'i'});
    }

    static std::map<std::string, std::vector<uint8_t>> Contents(const fs::path& d) {
        std::map<std::string, std::vector<uint8_t>> m;
        for (const auto& e : fs::directory_iterator(d)) m[e.path().filename().string()] = ReadBytes(e.path());
        return m;
    }
    std::string Opt(const std::string& rest) { return "optimize " + rest; }
    std::string Q(const fs::path& p) { return Quote(p.string()); }
};

}  // namespace

TEST_F(CliBatch, FolderIntoOutputDirMatchesApplyOptimize) {
    Result r = Lumora(Opt("-o " + Q(out) + " " + Q(in)));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Names(out), (std::set<std::string>{"Astronaut.JPEG", "moon.jpg", "rocket.jpg"}));
    EXPECT_EQ(Lines(r.err), 3) << r.err;
    EXPECT_NE(r.err.find("[1/3] " + (in / "Astronaut.JPEG").string() + " -> " + (out / "Astronaut.JPEG").string()),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("[3/3] " + (in / "rocket.jpg").string() + " -> "), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
    // The batch's lean pipeline gives the very same file as the editing operation.
    for (const char* name : {"Astronaut.JPEG", "moon.jpg", "rocket.jpg"}) {
        ASSERT_EQ(Lumora("apply " + Q(in / name) + " " + Q(dir / "ref.jpg") + " optimize").status, 0);
        EXPECT_EQ(ReadBytes(out / name), ReadBytes(dir / "ref.jpg")) << name;
    }
    EXPECT_TRUE(Contains(ReadBytes(out / "moon.jpg"), "lumora-batch-comment"));
    EXPECT_EQ(ReadText(in / "notes.txt"), "hi");
}

TEST_F(CliBatch, ExistingFilesAreKeptWithoutOverwrite) {
    ASSERT_EQ(Lumora(Opt("-o " + Q(out) + " " + Q(in))).status, 0);
    WriteBytes(out / "rocket.jpg", {'o', 'l', 'd'});
    const auto before = Contents(out);
    fs::remove(out / "moon.jpg");
    Result r = Lumora(Opt("-o " + Q(out) + " " + Q(in)));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("rocket.jpg failed: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("already exists"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("moon.jpg -> "), std::string::npos) << r.err;  // the run went on
    EXPECT_EQ(ReadText(out / "rocket.jpg"), "old");
    EXPECT_EQ(ReadBytes(out / "Astronaut.JPEG"), before.at("Astronaut.JPEG"));
    EXPECT_TRUE(fs::exists(out / "moon.jpg"));

    Result o = Lumora(Opt("--overwrite --quality 40 -o " + Q(out) + " " + Q(in)));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(ReadText(out / "rocket.jpg"), "old");
    EXPECT_LT(fs::file_size(out / "Astronaut.JPEG"), before.at("Astronaut.JPEG").size());
}

TEST_F(CliBatch, InPlaceReplacesEachPhoto) {
    ASSERT_EQ(Lumora(Opt("-o " + Q(out) + " " + Q(in))).status, 0);
    const auto original = Contents(in);
    Result r = Lumora(Opt("--in-place " + Q(in)));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto replaced = Contents(in);
    EXPECT_EQ(Names(in), (std::set<std::string>{"Astronaut.JPEG", "moon.jpg", "notes.txt", "rocket.jpg"}));
    for (const char* name : {"Astronaut.JPEG", "moon.jpg", "rocket.jpg"}) {
        EXPECT_NE(replaced.at(name), original.at(name)) << name;
        EXPECT_EQ(replaced.at(name), ReadBytes(out / name)) << name;
    }
}

TEST_F(CliBatch, InPlaceThroughALinkReplacesTheFileNotTheLink) {
    fs::create_symlink(in / "rocket.jpg", dir / "link.jpg");
    const auto before = ReadBytes(in / "rocket.jpg");
    ASSERT_EQ(Lumora(Opt("--in-place " + Q(dir / "link.jpg"))).status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.jpg"));
    EXPECT_NE(ReadBytes(in / "rocket.jpg"), before);
}

TEST_F(CliBatch, CorruptPhotoFailsOthersSucceed) {
    WriteBytes(in / "broken.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'h', 'o', 't', 'o'});
    std::vector<uint8_t> jpegStart(ReadBytes(Photo("rocket.jpg")));
    jpegStart.resize(40);  // a JPEG header and nothing after it
    WriteBytes(in / "cut.jpg", jpegStart);
    Result r = Lumora(Opt("-o " + Q(out) + " " + Q(in) + " " + Q(dir / "missing.jpg")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("broken.jpg failed: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cut.jpg failed: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("missing.jpg failed: "), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 6) << r.err;
    EXPECT_EQ(Names(out), (std::set<std::string>{"Astronaut.JPEG", "moon.jpg", "rocket.jpg"}));
}

TEST_F(CliBatch, FailingWriteLeavesOriginalAndNoTemporaryFile) {
    const auto before = Contents(in);
    // Files may not grow beyond 1 KiB; the signal is ignored so the write fails instead.
    Result r = Lumora(Opt("--in-place " + Q(in / "rocket.jpg") + " " + Q(in / "moon.jpg")),
                      "ulimit -f 2; trap '' XFSZ;");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("rocket.jpg failed: "), std::string::npos) << r.err;
    EXPECT_EQ(Contents(in), before);
    // The same for apply writing over its own input.
    Result a = Lumora("apply " + Q(in / "moon.jpg") + " " + Q(in / "moon.jpg"), "ulimit -f 2; trap '' XFSZ;");
    EXPECT_EQ(a.status, 1);
    EXPECT_EQ(Lines(a.err), 1) << a.err;
    EXPECT_EQ(Contents(in), before);

    // A folder where the result should go: the rename fails, nothing is left behind.
    fs::create_directories(out / "rocket.jpg");
    Result d = Lumora(Opt("--overwrite -o " + Q(out) + " " + Q(in / "rocket.jpg")));
    EXPECT_EQ(d.status, 1);
    EXPECT_EQ(Names(out), (std::set<std::string>{"rocket.jpg"}));
    EXPECT_TRUE(fs::is_directory(out / "rocket.jpg"));
}

TEST_F(CliBatch, ParallelRunGivesTheSameFilesAsASerialOne) {
    ASSERT_EQ(Lumora(Opt("-j 1 -o " + Q(dir / "serial") + " " + Q(in)), "LUMORA_THREADS=1").status, 0);
    ASSERT_EQ(Lumora(Opt("--jobs 3 -o " + Q(dir / "jobs") + " " + Q(in)), "LUMORA_THREADS=3").status, 0);
    ASSERT_EQ(Lumora(Opt("-o " + Q(dir / "bands") + " " + Q(in / "moon.jpg")), "LUMORA_THREADS=5").status, 0);
    const auto serial = Contents(dir / "serial");
    ASSERT_EQ(serial.size(), 3u);
    EXPECT_EQ(Contents(dir / "jobs"), serial);
    EXPECT_EQ(Contents(dir / "bands").at("moon.jpg"), serial.at("moon.jpg"));
}

TEST_F(CliBatch, SameOutputNameTwiceIsRefusedSamePhotoTwiceDoneOnce) {
    fs::create_directory(dir / "other");
    fs::copy_file(Photo("astronaut.jpg"), dir / "other" / "rocket.jpg");
    Result r = Lumora(Opt("-o " + Q(out) + " " + Q(in / "rocket.jpg") + " " + Q(dir / "other")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("same output file"), std::string::npos) << r.err;
    EXPECT_EQ(Lumora("apply " + Q(in / "rocket.jpg") + " " + Q(dir / "ref.jpg") + " optimize").status, 0);
    EXPECT_EQ(ReadBytes(out / "rocket.jpg"), ReadBytes(dir / "ref.jpg"));  // the first one named wins

    Result twice = Lumora(Opt("--in-place " + Q(in / "rocket.jpg") + " " + Q(in)));
    EXPECT_EQ(twice.status, 0) << twice.err;
    EXPECT_EQ(Lines(twice.err), 3) << twice.err;
}

TEST_F(CliBatch, OutputFolderIsCreatedEmptyInputIsAnError) {
    ASSERT_EQ(Lumora(Opt("-o " + Q(dir / "a" / "b") + " " + Q(in / "rocket.jpg"))).status, 0);
    EXPECT_TRUE(fs::exists(dir / "a" / "b" / "rocket.jpg"));
    fs::create_directory(dir / "empty");
    Result r = Lumora(Opt("--in-place " + Q(dir / "empty")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no photos"), std::string::npos);
    Result f = Lumora(Opt("-o " + Q(in / "notes.txt") + " " + Q(in / "rocket.jpg")));
    EXPECT_EQ(f.status, 1);
    EXPECT_EQ(Lines(f.err), 1) << f.err;
}

TEST(CliLean, SamePixelsAsTheOptimizeAction) {
    lum::Image photo = lum::LoadPicture(Photo("astronaut.jpg").string()).image;
    lum::Editor editor(lum::EditorPolicy::MainWindow());
    lum::EditState& st = editor.State();
    st.picture.Baseline() = photo;
    editor.CommitMemoryImage();
    editor.Run(std::string("optimize"));
    lum::BalanceTargets t;
    lum::Image lean = photo;
    lum::cli::OptimizeLean(lean, t);
    EXPECT_EQ(lean, st.picture.Work());
    t.flesh = {230, 150, 140};
    st.registers.SetTargets(t);
    editor.Undo();
    editor.Run(std::string("optimize"));
    lean = photo;
    lum::cli::OptimizeLean(lean, t);
    EXPECT_EQ(lean, st.picture.Work());
}

TEST_F(CliBatch, InterruptFinishesTheFileBeingWrittenAndStops) {
    const fs::path many = dir / "many";
    fs::create_directory(many);
    const int count = 24;
    for (int i = 0; i < count; ++i)
        fs::copy_file(Photo("hubble_deep_field.jpg"), many / ("p" + std::to_string(100 + i) + ".jpg"));
    ASSERT_EQ(Lumora(Opt("-o " + Q(dir / "ref") + " " + Q(many / "p100.jpg"))).status, 0);
    const std::vector<uint8_t> original = ReadBytes(Photo("hubble_deep_field.jpg"));
    const std::vector<uint8_t> optimized = ReadBytes(dir / "ref" / "p100.jpg");
    const std::set<std::string> names = Names(many);

    const fs::path err = dir / "err", status = dir / "status";
    const std::string cmd = "LUMORA_THREADS=1 " + Quote(LUMORA_BINARY) + " optimize -j 1 --in-place " + Q(many) +
                            " 2>" + Q(err) +
                            // The signal goes once the first photo is done, so the handler is surely in
                            // place however slowly the program starts (a sanitizer build, a busy machine).
                            " & pid=$!; i=0; while [ $i -lt 600 ] && ! grep -q -- ' -> ' " + Q(err) +
                            "; do sleep 0.05; i=$((i+1)); done; kill -TERM $pid; wait $pid; echo $? >" + Q(status);
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string errText = ReadText(err);
    int changed = 0;
    for (const auto& [name, bytes] : Contents(many)) {
        const bool isOriginal = bytes == original, isOptimized = bytes == optimized;
        EXPECT_TRUE(isOriginal || isOptimized) << name << " is neither the photo nor its result";
        changed += isOptimized;
    }
    EXPECT_EQ(Names(many), names);  // no temporary file left behind
    if (errText.find("interrupted") != std::string::npos) {
        EXPECT_EQ(ReadText(status), "1\n");
        EXPECT_LT(changed, count);
        EXPECT_NE(errText.find(std::to_string(count - changed) + " of " + std::to_string(count) + " photos not done"),
                  std::string::npos)
            << errText;
    } else {
        EXPECT_EQ(changed, count) << errText;  // finished before the signal came
    }
}

// A photo cut short decodes with its lower part made up; it must never pass as sound.
TEST_F(CliBatch, DamagedPhotoIsKeptInPlaceAndWrittenElsewhereWithAWarning) {
    std::vector<uint8_t> half = ReadBytes(Photo("rocket.jpg"));
    half.resize(half.size() / 2);
    WriteBytes(in / "half.jpg", half);

    Result inPlace = Lumora(Opt("--in-place " + Q(in / "half.jpg") + " " + Q(in / "rocket.jpg")));
    EXPECT_EQ(inPlace.status, 1) << inPlace.err;
    EXPECT_EQ(ReadBytes(in / "half.jpg"), half);
    EXPECT_NE(inPlace.err.find("half.jpg failed: " + (in / "half.jpg").string() + " is damaged: "), std::string::npos)
        << inPlace.err;
    EXPECT_NE(inPlace.err.find("(left as it was)"), std::string::npos) << inPlace.err;
    EXPECT_NE(inPlace.err.find("rocket.jpg -> "), std::string::npos) << inPlace.err;

    Result copy = Lumora(Opt("-o " + Q(out) + " " + Q(in / "half.jpg")));
    EXPECT_EQ(copy.status, 0) << copy.err;
    EXPECT_TRUE(fs::exists(out / "half.jpg"));
    EXPECT_NE(copy.err.find("warning: " + (in / "half.jpg").string() + " is damaged: "), std::string::npos)
        << copy.err;
    EXPECT_EQ(Lines(copy.err), 2) << copy.err;

    Result apply = Lumora("apply " + Q(in / "half.jpg") + " " + Q(dir / "a.jpg") + " grey");
    EXPECT_EQ(apply.status, 0) << apply.err;
    EXPECT_TRUE(fs::exists(dir / "a.jpg"));
    EXPECT_EQ(apply.err.rfind("lumora: warning: " + (in / "half.jpg").string() + " is damaged: ", 0), 0u)
        << apply.err;
    EXPECT_EQ(Lines(apply.err), 1) << apply.err;
}

TEST_F(CliBatch, RejectedPhotoNamesTheFileAndTheDecodersWords) {
    Result r = Lumora("apply " + Q(fs::path(LUMORA_TEST_DATA) / "broken" / "bad_huffman_table.jpg") + " " +
                      Q(dir / "o.jpg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("JPEG error #"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(" in " + (fs::path(LUMORA_TEST_DATA) / "broken" / "bad_huffman_table.jpg").string() + ": "),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(dir / "o.jpg"));
}
