// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's parsing, without running the program.
#include <gtest/gtest.h>

#include "CliTestUtil.h"
#include "cli/Cli.h"
#include "cli/CliInternal.h"

using namespace lum;
using namespace lum::cli;
using clitest::TempDir;

namespace {
bool IsCli(std::vector<std::string> words) {
    std::vector<char*> argv;
    static char prog[] = "lumora";
    argv.push_back(prog);
    for (auto& w : words) argv.push_back(w.data());
    return IsCliInvocation(static_cast<int>(argv.size()), argv.data());
}
}  // namespace

TEST(CliParse, OnlyCommandsAndHelpAreCommandLineJobs) {
    EXPECT_TRUE(IsCli({"--help"}));
    EXPECT_TRUE(IsCli({"-h"}));
    EXPECT_TRUE(IsCli({"--version"}));
    EXPECT_TRUE(IsCli({"apply", "a.jpg", "b.jpg"}));
    EXPECT_TRUE(IsCli({"optimize"}));
    EXPECT_FALSE(IsCli({}));
    EXPECT_FALSE(IsCli({"/photos/apply.jpg"}));  // a photo opens the desktop program
    EXPECT_FALSE(IsCli({"holiday.jpg", "apply"}));
}

TEST(CliParse, OperationWordsComeFromTheTable) {
    for (const Operation& op : Operations()) {
        if (!op.params.empty() || !op.commandLine) continue;
        EXPECT_EQ(ParseOp(op.name).op, &op) << op.name;
    }
    const ParsedOperation s = ParseOp("shift:6");
    EXPECT_EQ(s.op->name, "shift");
    EXPECT_EQ(s.args.Int("kind"), 6);
    EXPECT_EQ(s.word, "shift:6");
    EXPECT_EQ(ParseOp("resize:800x600").args.Pair("size"), (ImagePoint{800, 600}));
    // Mistakes are usage errors naming the operation.
    for (const char* bad : {"sharpen+", "blur", "blur:0", "shift:7", "resize:800", "grey:2", ""}) {
        try {
            ParseOp(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const UsageError& e) {
            const std::string name = std::string(bad).substr(0, std::string(bad).find(':'));
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

TEST(CliParse, NumbersAndTargets) {
    EXPECT_EQ(ParseIntInRange("10", 10, 100, "quality"), 10);
    EXPECT_EQ(ParseIntInRange("100", 10, 100, "quality"), 100);
    EXPECT_EQ(ParseIntInRange("-5", -10, 10, "x"), -5);
    for (const char* bad : {"9", "101", "", "+50", " 50", "50 ", "5e1", "0x20", "12345678901234567890"})
        EXPECT_THROW(ParseIntInRange(bad, 10, 100, "quality"), UsageError) << bad;
    EXPECT_EQ(ParseTarget("128,200,255", "--flesh"), (Rgb{128, 200, 255}));
    for (const char* bad : {"200,160", "200,160,145,1", "127,160,145", "200,160,256", "200;160;145", "200,,145",
                            ""})
        EXPECT_THROW(ParseTarget(bad, "--flesh"), UsageError) << bad;
}

TEST(CliParse, ApplyOptionsAnywhere) {
    ApplyArgs a = ParseApply({"--quality", "75", "in.jpg", "--progressive", "out.jpg", "grey", "blur:3",
                              "--flesh=201,161,146", "--strip", "--landscape", "130,140,150"});
    EXPECT_EQ(a.input, "in.jpg");
    EXPECT_EQ(a.output, "out.jpg");
    ASSERT_EQ(a.ops.size(), 2u);
    EXPECT_EQ(a.ops[0].op->name, "grey");
    EXPECT_EQ(a.ops[1].args.Int("radius"), 3);
    EXPECT_EQ(a.out.quality, 75);
    EXPECT_TRUE(a.out.progressive);
    EXPECT_TRUE(a.out.strip);
    EXPECT_EQ(a.out.targets.flesh, (Rgb{201, 161, 146}));
    EXPECT_EQ(a.out.targets.landscape, (Rgb{130, 140, 150}));

    ApplyArgs d = ParseApply({"in.jpg", "out.jpg"});
    EXPECT_EQ(d.out.quality, 90);
    EXPECT_FALSE(d.out.progressive);
    EXPECT_FALSE(d.out.strip);
    EXPECT_TRUE(d.ops.empty());
    EXPECT_EQ(d.out.targets.flesh, (Rgb{200, 160, 145}));

    ApplyArgs dash = ParseApply({"--", "-in.jpg", "--out.jpg"});
    EXPECT_EQ(dash.input, "-in.jpg");
    EXPECT_EQ(dash.output, "--out.jpg");

    EXPECT_THROW(ParseApply({}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg"}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg", "out.jpg", "--quality"}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg", "out.jpg", "--quality", "5"}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg", "out.jpg", "--fast"}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg", "out.jpg", "-o", "x"}), UsageError);
    EXPECT_THROW(ParseApply({"in.jpg", "out.jpg", "bogus"}), UsageError);
}

TEST(CliParse, BatchNeedsExactlyOneDestination) {
    BatchArgs b = ParseBatch({"-o", "out", "a.jpg", "--quality=60", "dir", "--overwrite", "-j", "3"});
    EXPECT_EQ(b.outDir, "out");
    EXPECT_FALSE(b.inPlace);
    EXPECT_TRUE(b.overwrite);
    EXPECT_EQ(b.jobs, 3);
    EXPECT_EQ(b.out.quality, 60);
    EXPECT_EQ(b.paths, (std::vector<std::string>{"a.jpg", "dir"}));
    BatchArgs p = ParseBatch({"--in-place", "a.jpg", "--strip", "--progressive"});
    EXPECT_TRUE(p.inPlace);
    EXPECT_TRUE(p.out.strip);
    EXPECT_TRUE(p.out.progressive);
    EXPECT_EQ(ParseBatch({"--output=o", "x"}).outDir, "o");
    EXPECT_THROW(ParseBatch({"a.jpg"}), UsageError);
    EXPECT_THROW(ParseBatch({"-o", "out", "--in-place", "a.jpg"}), UsageError);
    EXPECT_THROW(ParseBatch({"-o", "out", "-o", "other", "a.jpg"}), UsageError);
    EXPECT_THROW(ParseBatch({"-o", "out"}), UsageError);
    EXPECT_THROW(ParseBatch({"--in-place"}), UsageError);
    EXPECT_THROW(ParseBatch({"a.jpg", "-o"}), UsageError);
    EXPECT_THROW(ParseBatch({"--in-place", "a.jpg", "-j", "0"}), UsageError);
}

TEST(CliParse, FolderStandsForItsPhotoFilesSorted) {
    TempDir d;
    for (const char* name : {"b.JPG", "a.jpeg", "c.Jpeg", "notes.txt", "d.png", "e.jpg.txt", "jpg", "f.HEIC", "g.bmp"})
        clitest::WriteBytes(d / name, {1, 2, 3});
    std::filesystem::create_directory(d / "sub.jpg");  // a folder with a photo's name is no photo
    std::filesystem::create_directory(d / "inner");
    clitest::WriteBytes(d / "inner" / "z.jpg", {1});
    std::vector<std::string> got = CollectPhotos({d.path().string(), "missing.jpg"});
    const std::string base = d.path().string() + "/";
    EXPECT_EQ(got, (std::vector<std::string>{base + "a.jpeg", base + "b.JPG", base + "c.Jpeg", base + "d.png",
                                             base + "f.HEIC", "missing.jpg"}));
    EXPECT_TRUE(CollectPhotos({(d / "inner").string() + "/"}).size() == 1);
    EXPECT_EQ(CollectPhotos({(d / "notes.txt").string()}).size(), 1u);  // named files are taken as they are
}
