// SPDX-License-Identifier: GPL-3.0-or-later
// The operation table itself and the reading of operation words.
#include <gtest/gtest.h>

#include <set>

#include "editing/Operation.h"

using namespace lum;

TEST(OperationTable, NamesAndControlsAreUnique) {
    std::set<std::string> names;
    std::set<std::pair<std::string, unsigned>> controls;
    for (const Operation& op : Operations()) {
        EXPECT_TRUE(names.insert(op.name).second) << op.name;
        EXPECT_NE(op.run, nullptr) << op.name;
        EXPECT_FALSE(op.commandLine && op.usage.empty()) << op.name;
        for (const Command& c : op.commands)
            for (unsigned w : {kMainWindow, kCompareWindow}) {
                if (c.windows & w) {
                    EXPECT_TRUE(controls.insert({c.control, w}).second) << c.control;
                }
            }
    }
    for (const char* name : {"optimize", "optimize-compare", "flesh-balance", "landscape-balance", "shift", "lighten",
                             "grey", "sharpen", "sharpen-plus", "soften", "auto-smooth", "blur", "rotate-cw",
                             "rotate-ccw", "mirror-h", "mirror-v", "rotate", "resize", "macro", "new",
                             "lighten-gradient", "mix", "mix-gradient", "mix-image", "mix-clipboard", "paste-into",
                             "paste-new", "copy", "text-stamp"})
        EXPECT_NE(FindOperation(name), nullptr) << name;
    EXPECT_EQ(FindOperation("sharpen+"), nullptr);
}

TEST(OperationTable, ReplayCodesOfTheTwoWindows) {
    for (int code = -1; code <= 20; ++code) {
        const bool main = code == 2 || code == 12 || code == 13 || code == 14 || code == 15 || code == 16;
        const bool compare = main || code == 4 || code == 5 || code == 6;
        EXPECT_EQ(FindReplay(code, kMainWindow) != nullptr, main) << code;
        EXPECT_EQ(FindReplay(code, kCompareWindow) != nullptr, compare) << code;
    }
    EXPECT_EQ(FindReplay(15, kMainWindow)->name, "flesh-balance");
    EXPECT_EQ(FindReplay(12, kCompareWindow)->macroArg, "kind");
}

TEST(OperationTable, ControlsOfEachWindow) {
    // The same design name runs different turns in the two windows.
    EXPECT_EQ(FindCommand("Btrot90", kMainWindow).op->name, "rotate-ccw");
    EXPECT_EQ(FindCommand("Btrot90", kCompareWindow).op->name, "rotate-cw");
    EXPECT_EQ(FindCommand("Btdur", kMainWindow).op, nullptr);
    const CommandRef shift = FindCommand("BluechangetoGreen101", kMainWindow);
    ASSERT_NE(shift.op, nullptr);
    EXPECT_EQ(shift.op->name, "shift");
    EXPECT_STREQ(shift.command->args, "6");
    EXPECT_STREQ(shift.command->caption, "Blue to Green by 10%");
    EXPECT_STREQ(FindCommand("NivGris", kMainWindow).command->caption, "Grey &Scale");
}

TEST(OperationWords, NamesParametersAndTheirRanges) {
    EXPECT_EQ(ParseOperationWord("shift:6").args.Int("kind"), 6);
    EXPECT_EQ(ParseOperationWord("blur:24").args.Int("radius"), 24);
    EXPECT_EQ(ParseOperationWord("blur:radius=3").args.Int("radius"), 3);
    EXPECT_EQ(ParseOperationWord("rotate:360").args.Int("angle"), 360);
    EXPECT_EQ(ParseOperationWord("resize:800x600").args.Pair("size"), (ImagePoint{800, 600}));
    EXPECT_EQ(ParseOperationWord("resize:5X7").args.Pair("size"), (ImagePoint{5, 7}));
    EXPECT_EQ(ParseOperationWord("resize:4x4").args.Pair("size"), (ImagePoint{4, 4}));  // the operation refuses
    for (const char* bad : {"sharpen+", "Grey", "blur", "blur:", "blur:0", "blur:25", "blur:4.5", "blur:-3", "blur:x",
                            "shift:0", "shift:7", "shift", "rotate:361", "rotate:-1", "rotate:", "resize:800",
                            "resize:x600", "resize:800x", "resize:axb", "grey:2", "rotate:99999999999999",
                            "blur:3,4", "blur:radius=3,radius=4", "blur:size=3", ""}) {
        try {
            ParseOperationWord(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ArgsError& e) {
            const std::string name = std::string(bad).substr(0, std::string(bad).find(':'));
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

namespace {
// A row with one parameter of every kind, to read words against.
const Operation& Sample() {
    static const Operation op = Operation("sample", [](Editor&, const OpArgs&) {})
                                    .Usage("sample:N,AxB", "every kind of parameter")
                                    .Param(ParamDef::Int("n", -5, 5))
                                    .Param(ParamDef::Pair("at", -100, 100, "0x0"))
                                    .Param(ParamDef::Colour("colour", "#FDE973").Keyed())
                                    .Param(ParamDef::Choice("style", "none|vertical|horizontal", "vertical").Keyed())
                                    .Param(ParamDef::Path("path", 0, 50).Keyed())
                                    .Param(ParamDef::Text("file", "none.bmp").Keyed());
    return op;
}
OpArgs Read(const std::string& text) { return ParseArgs(Sample(), text, true, "sample:" + text); }
}  // namespace

TEST(OperationWords, EveryKindOfParameter) {
    const OpArgs a = Read("-5,-3x7,colour=#a0B1c2,style=horizontal,path=1x2/3x4/5x6,file=a=b.jpg");
    EXPECT_EQ(a.Int("n"), -5);
    EXPECT_EQ(a.Pair("at"), (ImagePoint{-3, 7}));
    EXPECT_EQ(a.ColourOf("colour"), MakeColour(0xA0, 0xB1, 0xC2));
    EXPECT_EQ(a.Text("style"), "horizontal");
    EXPECT_EQ(a.Path("path"), (std::vector<ImagePoint>{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(a.Text("file"), "a=b.jpg");
    const OpArgs d = Read("2,path=1x1");
    EXPECT_EQ(d.Pair("at"), (ImagePoint{0, 0}));
    EXPECT_EQ(d.ColourOf("colour"), MakeColour(0xFD, 0xE9, 0x73));
    EXPECT_EQ(d.Text("style"), "vertical");
    EXPECT_THROW(Read("2"), ArgsError);  // the path has no default
    for (const char* bad : {"6", "1,2", "1,colour=#12345", "1,colour=123456", "1,colour=#12345g", "1,style=diagonal",
                            "1,path=1x2/", "1,path=51x0", "1,nokey=3", "colour=#000000,1", "1,file=", "1,at=3"}) {
        EXPECT_THROW(Read(bad), ArgsError) << bad;
    }
    EXPECT_THROW(ParseArgs(Sample(), "", false, "sample"), ArgsError);  // n has no default
}

TEST(OperationWords, HelpListsEveryOperation) {
    const std::string help = OperationsHelp();
    for (const Operation& op : Operations()) EXPECT_NE(help.find("  " + op.usage), std::string::npos) << op.name;
    EXPECT_NE(help.find("1 red to green"), std::string::npos);
}
