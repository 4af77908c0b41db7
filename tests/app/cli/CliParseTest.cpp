// The command line's parsing, without running the program.
#include <gtest/gtest.h>

#include "CliTestUtil.h"
#include "app/cli/Cli.h"
#include "app/cli/CliInternal.h"

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

TEST(CliParse, OperationNames) {
    const std::pair<const char*, OpKind> plain[] = {
        {"optimize", OpKind::Optimize},       {"optimize-compare", OpKind::OptimizeCompare},
        {"flesh-balance", OpKind::FleshBalance}, {"landscape-balance", OpKind::LandscapeBalance},
        {"lighten", OpKind::Lighten},         {"grey", OpKind::Grey},
        {"sharpen", OpKind::Sharpen},         {"sharpen-plus", OpKind::SharpenPlus},
        {"soften", OpKind::Soften},           {"auto-smooth", OpKind::AutoSmooth},
        {"rotate-cw", OpKind::RotateCw},      {"rotate-ccw", OpKind::RotateCcw},
        {"mirror-h", OpKind::MirrorH},        {"mirror-v", OpKind::MirrorV},
        {"macro", OpKind::Macro}};
    for (const auto& [name, kind] : plain) EXPECT_EQ(ParseOp(name).kind, kind) << name;
    Op s = ParseOp("shift:6");
    EXPECT_EQ(s.kind, OpKind::Shift);
    EXPECT_EQ(s.a, 6);
    EXPECT_EQ(ParseOp("blur:1").a, 1);
    EXPECT_EQ(ParseOp("blur:24").a, 24);
    EXPECT_EQ(ParseOp("rotate:0").a, 0);
    EXPECT_EQ(ParseOp("rotate:360").a, 360);
    Op r = ParseOp("resize:800x600");
    EXPECT_EQ(r.kind, OpKind::Resize);
    EXPECT_EQ(r.a, 800);
    EXPECT_EQ(r.b, 600);
    EXPECT_EQ(ParseOp("resize:5X7").b, 7);
    EXPECT_EQ(ParseOp("resize:4x4").a, 4);  // refusals are the operation's, not the parser's
}

TEST(CliParse, BadOperationsAreUsageErrorsNamingThem) {
    for (const char* bad : {"sharpen+", "Grey", "blur", "blur:", "blur:0", "blur:25", "blur:4.5", "blur:-3",
                            "blur:x", "shift:0", "shift:7", "shift", "rotate:361", "rotate:-1", "rotate:",
                            "resize:800", "resize:x600", "resize:800x", "resize:axb", "grey:2",
                            "rotate:99999999999999", ""}) {
        try {
            ParseOp(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const UsageError& e) {
            std::string what = e.what();
            if (*bad) {
                EXPECT_NE(what.find(std::string(bad).substr(0, std::string(bad).find(':'))), std::string::npos)
                    << what;
            }
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
    EXPECT_EQ(a.ops[0].kind, OpKind::Grey);
    EXPECT_EQ(a.ops[1].a, 3);
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

TEST(CliParse, FolderStandsForItsJpegFilesSorted) {
    TempDir d;
    for (const char* name : {"b.JPG", "a.jpeg", "c.Jpeg", "notes.txt", "d.png", "e.jpg.txt", "jpg"})
        clitest::WriteBytes(d / name, {1, 2, 3});
    std::filesystem::create_directory(d / "sub.jpg");  // a folder with a photo's name is no photo
    std::filesystem::create_directory(d / "inner");
    clitest::WriteBytes(d / "inner" / "z.jpg", {1});
    std::vector<std::string> got = CollectPhotos({d.path().string(), "missing.jpg"});
    const std::string base = d.path().string() + "/";
    EXPECT_EQ(got, (std::vector<std::string>{base + "a.jpeg", base + "b.JPG", base + "c.Jpeg", "missing.jpg"}));
    EXPECT_TRUE(CollectPhotos({(d / "inner").string() + "/"}).size() == 1);
    EXPECT_EQ(CollectPhotos({(d / "notes.txt").string()}).size(), 1u);  // named files are taken as they are
}
