// SPDX-License-Identifier: GPL-3.0-or-later
// The compositing rows on a window's state: new images, the lighten gradient, the mixes and
// their dialogs' order, the placement drag, the clipboard commands and the text stamp.
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "editing/Compose.h"
#include "image/Codec.h"
#include "imaging/LightenGradient.h"
#include "imaging/TextStamp.h"

using namespace lum;
using edittest::CountingHost;
using edittest::RandomImage;
using edittest::Uniform;

namespace {

// A host with a clipboard of its own.
struct ClipboardHost : CountingHost {
    bool holds = false;
    Image clip;
    int pointerChanges = 0;
    bool ClipboardImage(Image& out) const override {
        if (holds) out = clip;
        return holds;
    }
    void PutOnClipboard(const Image& img) override {
        clip = img;
        holds = true;
    }
    void PointerChanged() override { ++pointerChanges; }
};

struct Win {
    RecordingPrompts prompts;
    ClipboardHost host;
    Editor editor;
    explicit Win(const Image& photo, const EditorPolicy& policy = EditorPolicy::MainWindow())
        : editor(policy, &prompts, &host) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage();
    }
    EditState& st() { return editor.State(); }
    bool Command(const char* control) {
        const CommandRef ref = FindCommand(control, editor.Policy().window);
        if (!ref.op) throw std::invalid_argument(control);
        return editor.Run(*ref.op, ref.command->args);
    }
    // Answers the next dialog with `f`; the arguments it was opened with are kept in `seen`.
    void Answer(std::function<bool(OpArgs&)> f, OpArgs* seen = nullptr) {
        prompts.parameterAnswers.push_back([f, seen](OpArgs& a) {
            if (seen) *seen = a;
            return f(a);
        });
    }
    bool Apply(const std::string& word) {
        const ParsedOperation p = ParseOperationWord(word);
        return editor.Run(*p.op, p.args);
    }
    MixPlacementTool* Placing() { return dynamic_cast<MixPlacementTool*>(editor.FloatingTool()); }
};

bool Accept(OpArgs&) { return true; }
bool Cancel(OpArgs&) { return false; }

ToolEvent Mouse(MouseButton b, int vx, int vy, int zoom = 100) {
    ToolEvent e;
    e.button = b;
    e.view = ImagePoint{vx, vy};
    e.image = ImagePoint{vx * 100 / zoom, vy * 100 / zoom};
    e.zoom = zoom;
    e.leftDown = b == MouseButton::Left;
    e.rightDown = b == MouseButton::Right;
    return e;
}

// The work image with source composed into it as the mix after the dialog does it.
Image Mixed(const Image& work, Image source, const MixOptions& o) {
    Image w = work, before;
    RunMixPixels(w, before, source, o);
    return w;
}

}  // namespace

// --- arguments ---

TEST(ComposeArgs, GradientCentreDefaultsToTheMiddleOfTheOutput) {
    OpArgs a;
    GradientParams p = GradientFromArgs(a, 401, 301);
    EXPECT_EQ(p.centre, (GradientCentre{200, 150}));  // 401 x 128 div 256, 301 x 128 div 256
    EXPECT_EQ(p.style, GradientStyle::Vertical);
    a.Set("centre", ImagePoint{-3, 7});
    a.Set("style", std::string("centred-big"));
    p = GradientFromArgs(a, 401, 301);
    EXPECT_EQ(p.centre, (GradientCentre{-3, 7}));
    EXPECT_EQ(p.style, GradientStyle::CentredBig);
    OpArgs back;
    PutGradientArgs(back, p);
    EXPECT_EQ(GradientFromArgs(back, 1, 1).centre, p.centre);
}

TEST(ComposeArgs, MixKeysOverTheDialogsLastChoices) {
    MixOptions last;
    last.style = MixStyle::SmoothedEdges;
    last.percent = 100;
    last.margin = 30;
    OpArgs presets;
    presets.Set("style", std::string("masked"));
    const MixOptions o = MixFromArgs(presets, last);
    EXPECT_EQ(o.style, MixStyle::MaskedCopy);
    EXPECT_EQ(o.percent, 100);  // kept
    EXPECT_EQ(o.margin, 30);
    MixOptions all;
    all.style = MixStyle::Tiles;
    all.resize = MixResize::Zoom;
    all.zoom = 36;
    all.mirror = MixMirror::Vertical;
    all.offsetX = -5;
    all.offsetY = 64;
    all.maskColour = MakeColour(1, 2, 3);
    all.tolerance = 32;
    all.blur = BlurShape::Ellipse;
    OpArgs words;
    PutMixArgs(words, all);
    const MixOptions round = MixFromArgs(words);
    EXPECT_EQ(round.style, all.style);
    EXPECT_EQ(round.resize, all.resize);
    EXPECT_EQ(round.zoom, 36);
    EXPECT_EQ(round.mirror, all.mirror);
    EXPECT_EQ(round.offsetX, -5);
    EXPECT_EQ(round.offsetY, 64);
    EXPECT_EQ(round.maskColour, all.maskColour);
    EXPECT_EQ(round.tolerance, 32);
    EXPECT_EQ(round.blur, BlurShape::Ellipse);
}

TEST(ComposeArgs, TheCommandLinesMixDefaultsAndLimitsAreTheDialogs) {
    // Left out, every key is the dialog's default.
    const MixOptions d = MixFromArgs(ParseOperationWord("mix:p.jpg").args);
    const MixOptions dialog;
    EXPECT_EQ(d.style, dialog.style);
    EXPECT_EQ(d.percent, 50);
    EXPECT_EQ(d.resize, MixResize::WidthOrHeight);
    EXPECT_EQ(d.zoom, 100);
    EXPECT_EQ(d.mirror, dialog.mirror);
    EXPECT_EQ(d.maskColour, dialog.maskColour);
    EXPECT_EQ(d.tolerance, 1);
    EXPECT_EQ(d.blur, dialog.blur);
    EXPECT_EQ(d.margin, 16);
    EXPECT_EQ(d.offsetX, 0);
    EXPECT_EQ(d.offsetY, 0);
    // The dialog's ranges, both ends in and one past each out.
    const std::pair<const char*, std::pair<int, int>> ranges[] = {
        {"percent", {5, 100}}, {"zoom", {10, 200}}, {"tolerance", {0, 32}}, {"margin", {4, 64}}};
    for (const auto& [key, range] : ranges) {
        const std::string word = std::string("mix:p.jpg,") + key + "=";
        EXPECT_NO_THROW(ParseOperationWord(word + std::to_string(range.first))) << key;
        EXPECT_NO_THROW(ParseOperationWord(word + std::to_string(range.second))) << key;
        EXPECT_THROW(ParseOperationWord(word + std::to_string(range.first - 1)), ArgsError) << key;
        EXPECT_THROW(ParseOperationWord(word + std::to_string(range.second + 1)), ArgsError) << key;
    }
    EXPECT_THROW(ParseOperationWord("mix:p.jpg,offset=65x0"), ArgsError);
    // Each word stands for its item of the dialog, in the dialog's order.
    const std::vector<std::pair<std::string, MixStyle>> styles = {
        {"copy", MixStyle::Copy}, {"masked", MixStyle::MaskedCopy}, {"smoothed", MixStyle::SmoothedEdges},
        {"tiles", MixStyle::Tiles}};
    for (const auto& [word, style] : styles)
        EXPECT_EQ(MixFromArgs(ParseOperationWord("mix:p.jpg,style=" + word).args).style, style) << word;
    EXPECT_EQ(MixFromArgs(ParseOperationWord("mix:p.jpg,resize=fit").args).resize, MixResize::FitToImage);
    EXPECT_EQ(MixFromArgs(ParseOperationWord("mix:p.jpg,mirror=vertical").args).mirror, MixMirror::Vertical);
    EXPECT_EQ(MixFromArgs(ParseOperationWord("mix:p.jpg,blur=ellipse").args).blur, BlurShape::Ellipse);
}

TEST(ComposeArgs, CommandLineWordsAndTheirMistakes) {
    EXPECT_NO_THROW(ParseOperationWord("new:640x480,style=centred-small,colour1=#ff0000,centre=0x-20"));
    EXPECT_NO_THROW(ParseOperationWord("lighten-gradient"));
    EXPECT_NO_THROW(ParseOperationWord("mix:a=b.jpg,style=tiles,offset=-64x64,move=-5x3"));
    EXPECT_THROW(ParseOperationWord("new"), ArgsError);  // the size is needed
    EXPECT_THROW(ParseOperationWord("new:0x10"), ArgsError);
    EXPECT_THROW(ParseOperationWord("new:8193x10"), ArgsError);
    EXPECT_THROW(ParseOperationWord("new:10x10,style=diagonal"), ArgsError);
    EXPECT_THROW(ParseOperationWord("lighten-gradient:size=10x10"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix:a.jpg,percent=4"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix:a.jpg,offset=65x0"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix:a.jpg,tolerance=33"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix:a.jpg,margin=3"), ArgsError);
    EXPECT_THROW(ParseOperationWord("mix:a.jpg,zoom=201"), ArgsError);
    // The commands of the windows alone are no command-line words.
    for (const char* word : {"copy", "paste-new", "paste-into", "mix-clipboard", "mix-image", "mix-gradient:9x9",
                             "text-stamp"})
        EXPECT_THROW(ParseOperationWord(word), ArgsError) << word;
    const std::string help = OperationsHelp();
    for (const char* part : {"new:WxH", "lighten-gradient", "mix:FILE", "centre=AxB (default the middle)",
                             "resize=zoom|fit|fit-within (default fit-within)", "move=AxB (default 0x0)"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_EQ(help.find("paste-new"), std::string::npos);
}

// --- new image and lighten gradient ---

TEST(NewImage, ReplacesThePhotoAtOneHundredPercentAndIsNotRecorded) {
    Win w(RandomImage(30, 20, 1));
    w.st().zoom.SetSlot(3);
    edittest::AddMetadataSegment(w.st(), {0xE1, {'E', 'x', 'i', 'f', 0, 0, 1}});
    w.editor.Macro().Start();
    ASSERT_TRUE(w.Apply("new:40x25,style=horizontal,colour2=#000000"));
    GradientParams p;
    p.style = GradientStyle::Horizontal;
    p.colour2 = 0;
    p.centre = GradientCentre{20, 12};
    const Image expected = GradientImage(40, 25, p);
    EXPECT_TRUE(w.st().picture.Work() == expected);
    EXPECT_TRUE(w.st().picture.Baseline() == expected);
    EXPECT_EQ(w.st().zoom.Slot(), 7);
    EXPECT_TRUE(w.st().file.NewPicturePending());
    EXPECT_TRUE(w.st().file.Metadata().empty());  // the old photo's camera data would be saved with it
    EXPECT_EQ(w.editor.Macro().Count(), 0);
}

TEST(NewImage, TheFileNameIsSetBeforeTheDialogEvenWhenCancelled) {
    Win w(RandomImage(30, 20, 2));
    const Image before = w.st().picture.Work();
    w.Answer(Cancel);
    EXPECT_FALSE(w.Command("Btnouveau"));
    EXPECT_EQ(w.st().file.CurrentFileName(), "New_file");
    EXPECT_TRUE(w.st().file.NewPicturePending());
    EXPECT_TRUE(w.st().picture.Work() == before);
    // The dialog's answer is the new image; in the compare window too.
    Win c(RandomImage(30, 20, 2), EditorPolicy::CompareWindow());
    c.Answer([](OpArgs& a) {
        a.Set("size", ImagePoint{12, 11});
        a.Set("style", std::string("none"));
        a.Set("background", MakeColour(9, 8, 7));
        return true;
    });
    ASSERT_TRUE(c.Command("Btnouveau"));
    EXPECT_TRUE(c.st().picture.Work() == Uniform(12, 11, 9, 8, 7));
}

TEST(LightenGradient, WholeImageDespiteASelectionAndTheImageBeforeIsTheSource) {
    const Image photo = RandomImage(50, 30, 3);
    Win w(photo);
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{5, 5, 10, 10}, {}, Mask(5, 5, 255)));
    w.st().picture.SourceCopy() = Uniform(50, 30, 0, 0, 0);
    OpArgs seen;
    w.Answer(Cancel, &seen);
    EXPECT_FALSE(w.Command("GradientLumiere"));
    EXPECT_TRUE(w.st().picture.Work() == photo);
    EXPECT_TRUE(w.st().picture.SourceCopy() == Uniform(50, 30, 0, 0, 0));  // cancel changed nothing

    w.Answer([](OpArgs& a) {
        a.Set("style", std::string("vertical"));
        a.Set("centre", ImagePoint{0, 0});
        return true;
    });
    ASSERT_TRUE(w.Command("GradientLumiere"));
    Image expected = photo, layer;
    GradientParams p;
    p.centre = GradientCentre{0, 0};
    LightenGradient(expected, p, layer);
    EXPECT_TRUE(w.st().picture.Work() == expected);
    EXPECT_TRUE(w.st().picture.Baseline() == photo);  // the layer is scratch: the baseline stays
    EXPECT_TRUE(w.st().picture.SourceCopy() == photo);
    EXPECT_FALSE(expected == photo);
}

// --- mixes ---

TEST(GradientMix, TheGradientBecomesTheSourceThenTheMixDialogOpensWithItsPresets) {
    const Image photo = RandomImage(60, 40, 4);
    Win w(photo);
    OpArgs gradientAsked, mixAsked;
    w.Answer(
        [](OpArgs& a) {
            a.Set("style", std::string("horizontal"));
            return true;
        },
        &gradientAsked);
    w.Answer(Cancel, &mixAsked);
    EXPECT_TRUE(w.Command("Btmixdegrad"));
    EXPECT_EQ(gradientAsked.Pair("size"), (ImagePoint{60, 40}));  // the working image's size
    GradientParams p;
    p.style = GradientStyle::Horizontal;
    p.centre = GradientCentre{30, 20};
    EXPECT_TRUE(w.st().picture.MixSource() == GradientImage(60, 40, p));  // kept although the mix was cancelled
    EXPECT_TRUE(w.st().picture.Work() == photo);
    EXPECT_EQ(mixAsked.Text("style"), "copy");
    EXPECT_EQ(mixAsked.Int("percent"), 50);
    EXPECT_EQ(mixAsked.Text("resize"), "fit");
    EXPECT_FALSE(mixAsked.Has("tolerance"));  // the rest as the dialog was left
    EXPECT_FALSE(w.st().tools.Floating());

    w.Answer(Accept);
    w.Answer(Accept);
    EXPECT_TRUE(w.Command("Btmixdegrad"));
    GradientParams proposal;  // the proposal: every default at the working image's size
    proposal.centre = GradientCentre{30, 20};
    EXPECT_TRUE(w.st().picture.MixSource() == GradientImage(60, 40, proposal));
    EXPECT_TRUE(w.st().picture.Work() ==
                Mixed(photo, GradientImage(60, 40, proposal), GradientMixOptions(MixOptions())));
    EXPECT_TRUE(w.st().picture.SourceCopy() == photo);
    EXPECT_TRUE(w.st().picture.Baseline() == photo);  // the baseline is not the mix source
    EXPECT_TRUE(w.st().tools.Floating());
    ASSERT_NE(w.Placing(), nullptr);
    EXPECT_EQ(w.Placing()->Placement(), (MixPlacement{0, 0, 60, 40}));
    EXPECT_EQ(w.host.busyDepth, 0);
}

TEST(ImageMix, ThePictureChosenIsMixedAndTheMirrorStaysOnIt) {
    const Image photo = RandomImage(64, 48, 5);
    const Image picture = RandomImage(20, 10, 6);
    Win w(photo);
    Editor& e = w.editor;
    w.Answer([&e, &picture](OpArgs&) {
        e.State().picture.MixSource() = picture;  // the chooser loads what the user picks
        return true;
    });
    w.Answer([](OpArgs& a) {
        a.Set("mirror", std::string("horizontal"));
        a.Set("resize", std::string("zoom"));
        return true;
    });
    ASSERT_TRUE(w.Command("Btmiximage"));
    MixOptions o;
    o.mirror = MixMirror::Horizontal;
    o.resize = MixResize::Zoom;
    EXPECT_TRUE(w.st().picture.Work() == Mixed(photo, picture, o));
    Image mirrored = picture;
    MirrorMixSource(mirrored, MixMirror::Horizontal);
    EXPECT_TRUE(w.st().picture.MixSource() == mirrored);
    // 100 % of 20 x 10 into 64 x 48: (22, 19, 19, 9).
    EXPECT_EQ(w.Placing()->Placement(), (MixPlacement{22, 19, 19, 9}));

    // Mixed again with the same mirror: the source shows as it was first.
    w.Answer(Accept);
    w.Answer([](OpArgs& a) {
        a.Set("mirror", std::string("horizontal"));
        a.Set("resize", std::string("zoom"));
        return true;
    });
    ASSERT_TRUE(w.Command("Btmiximage"));
    EXPECT_TRUE(w.st().picture.MixSource() == picture);
}

TEST(ImageMix, NoDialogOnAnEmptyPictureAndEachSourceIsNamedToIt) {
    const Image photo = RandomImage(40, 30, 15);
    Win w(photo);
    // The chooser closed without a picture loaded: nothing to mix, said instead of a dialog.
    w.Answer(Accept);
    EXPECT_FALSE(w.Command("Btmiximage"));
    EXPECT_EQ(w.prompts.messages, std::vector<std::string>{"There is no picture to mix."});
    ASSERT_EQ(w.prompts.parametersAsked.size(), 1u);
    EXPECT_EQ(w.prompts.parametersAsked[0]->name, "mix-image");
    EXPECT_TRUE(w.st().picture.Work() == photo);

    // What the mix dialog is told its source is: the chosen file, the clipboard, the gradient.
    const Image picture = RandomImage(8, 6, 16);
    OpArgs seen;
    Editor& e = w.editor;
    w.Answer([&e, &picture](OpArgs& a) {
        e.State().picture.MixSource() = picture;
        a.Set("source", std::string("/photos/mark.bmp"));
        return true;
    });
    w.Answer(Cancel, &seen);
    w.Command("Btmiximage");
    EXPECT_EQ(seen.Text("source"), "/photos/mark.bmp");
    w.host.clip = picture;
    w.host.holds = true;
    for (const char* control : {"PPimage", "Mlangerlexistant1"}) {
        w.Answer(Cancel, &seen);
        w.Command(control);
        EXPECT_EQ(seen.Text("source"), kMixFromClipboard) << control;
    }
    w.Answer([](OpArgs& a) {
        a.Set("size", ImagePoint{10, 10});
        return true;
    });
    w.Answer(Cancel, &seen);
    w.Command("Btmixdegrad");
    EXPECT_EQ(seen.Text("source"), kMixFromGradient);
    EXPECT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_TRUE(w.st().picture.Work() == photo) << "every mix was cancelled";
}

TEST(MixPlacement, DragInsideRecomposesFromTheImageBeforeAndARightPressEndsIt) {
    const Image photo = RandomImage(100, 80, 7);
    const Image picture = RandomImage(30, 20, 8);
    Win w(photo);
    w.st().picture.MixSource() = picture;
    MixOptions o;
    o.resize = MixResize::Zoom;
    const MixPlacement start = MixIntoWork(w.editor, o);
    ASSERT_EQ(start, (MixPlacement{35, 30, 29, 19}));
    MixPlacementTool* tool = w.Placing();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(w.editor.PointerTool(), tool);
    EXPECT_EQ(tool->Cursor(w.editor, ImagePoint{}), kHandCursor);
    EXPECT_GE(w.host.pointerChanges, 1);
    EXPECT_FALSE(w.editor.Saved());  // mixed in: an edit to ask about
    w.editor.MarkSaved();

    // At zoom 50 the placement is (17, 15)..(32, 24) on the view; its border is not inside.
    tool->Press(w.editor, Mouse(MouseButton::Left, 17, 20, 50));
    EXPECT_FALSE(tool->Dragging());
    tool->Press(w.editor, Mouse(MouseButton::Left, 32, 20, 50));
    EXPECT_FALSE(tool->Dragging());
    tool->Press(w.editor, Mouse(MouseButton::Left, 20, 24, 50));
    EXPECT_FALSE(tool->Dragging());
    tool->Press(w.editor, Mouse(MouseButton::Left, 18, 16, 50));
    ASSERT_TRUE(tool->Dragging());
    EXPECT_TRUE(w.st().tools.Dragging());
    ASSERT_EQ(tool->Feedback().size(), 1u);
    EXPECT_EQ(tool->Feedback()[0].pen, Outline::Inverting);
    // Each move shifts by ViewToImage of the mouse's way: 2 view pixels are 4 image pixels,
    // -1 is -2.
    tool->Move(w.editor, Mouse(MouseButton::None, 20, 15, 50));
    tool->Move(w.editor, Mouse(MouseButton::None, 19, 15, 50));
    EXPECT_EQ(tool->Placement(), (MixPlacement{37, 28, 29, 19}));
    EXPECT_TRUE(w.st().picture.Work() == Mixed(photo, picture, o));  // nothing recomposed while dragging
    tool->Release(w.editor, Mouse(MouseButton::Left, 19, 15, 50));
    EXPECT_FALSE(w.editor.Saved());  // placed again
    EXPECT_FALSE(tool->Dragging());
    EXPECT_FALSE(w.st().tools.Dragging());
    EXPECT_TRUE(w.st().tools.Floating());
    Image expected = photo;
    ComposeMix(expected, picture, MixPlacement{37, 28, 29, 19}, o);
    EXPECT_TRUE(w.st().picture.Work() == expected);
    EXPECT_TRUE(w.st().picture.SourceCopy() == photo);

    tool->Press(w.editor, Mouse(MouseButton::Right, 0, 0));
    EXPECT_FALSE(w.st().tools.Floating());
    EXPECT_EQ(w.editor.FloatingTool(), nullptr);
    EXPECT_TRUE(w.st().picture.Work() == expected);  // the mix stays
    w.editor.DropRetiredTools();
}

TEST(MixPlacement, TilesDoNotFloatAndMovesOnTheCommandLineAreOneDrag) {
    const Image photo = RandomImage(90, 70, 9);
    Win w(photo);
    w.st().picture.MixSource() = RandomImage(25, 15, 10);
    MixOptions tiles;
    tiles.style = MixStyle::Tiles;
    tiles.offsetX = 10;
    MixIntoWork(w.editor, tiles);
    EXPECT_FALSE(w.st().tools.Floating());
    EXPECT_EQ(w.editor.FloatingTool(), nullptr);

    Win c(photo);
    ASSERT_TRUE(c.Apply("mix:" + std::string(LUMORA_TEST_DATA) + "/photos/rocket.jpg,resize=fit,percent=75,move=-7x4"));
    const Image rocket = LoadPicture(std::string(LUMORA_TEST_DATA) + "/photos/rocket.jpg").image;
    MixOptions o;
    o.resize = MixResize::FitToImage;
    o.percent = 75;
    Image expected = photo;
    ComposeMix(expected, rocket, MixPlacement{-7, 4, 90, 70}, o);
    EXPECT_TRUE(c.st().picture.Work() == expected);
    EXPECT_EQ(c.Placing()->Placement(), (MixPlacement{-7, 4, 90, 70}));
}

// --- clipboard ---

TEST(Clipboard, PastesWithoutAPictureSayWhyAfterDroppingToolAndSelection) {
    Win w(RandomImage(20, 20, 11));
    const Image before = w.st().picture.Work();
    const struct {
        const char* control;
        const char* message;
    } cases[] = {{"Commenouvelleimage1", "There is no picture on the clipboard."},
                 {"Mlangerlexistant1", "There is no picture on the clipboard."},
                 {"PPimage", "There is no picture on the clipboard."}};
    for (const auto& c : cases) {
        ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{1, 1, 5, 5}, {}, Mask(4, 4, 255)));
        w.st().tools.SetMode(ToolMode::Pipette);
        w.prompts.messages.clear();
        EXPECT_FALSE(w.Command(c.control));
        ASSERT_EQ(w.prompts.messages.size(), 1u) << c.control;
        EXPECT_EQ(w.prompts.messages[0], c.message);
        EXPECT_EQ(w.st().selection.Kind(), SelectionKind::None);
        EXPECT_EQ(w.st().tools.Mode(), ToolMode::None);
        EXPECT_TRUE(w.prompts.parametersAsked.empty());
    }
    EXPECT_TRUE(w.st().picture.Work() == before);
}

TEST(Clipboard, CopyThenPasteAsNewImageInTheOtherWindow) {
    Win main(RandomImage(20, 16, 12));
    Win compare(RandomImage(30, 30, 13), EditorPolicy::CompareWindow());
    ASSERT_TRUE(main.Command("Copier1"));
    compare.host.clip = main.host.clip;  // one clipboard for the process
    compare.host.holds = true;
    compare.st().tools.SetFloating(true);
    edittest::AddMetadataSegment(compare.st(), {0xE1, {'E', 'x', 'i', 'f', 0, 0, 1}});
    ASSERT_TRUE(compare.Command("Commenouvelleimage1"));
    EXPECT_TRUE(compare.st().file.Metadata().empty());
    EXPECT_TRUE(compare.st().picture.Work() == main.st().picture.Work());
    EXPECT_TRUE(compare.st().picture.Baseline() == main.st().picture.Work());
    EXPECT_TRUE(compare.st().file.NewPicturePending());
    EXPECT_FALSE(compare.st().tools.Floating());
}

TEST(Clipboard, CopyOfASelectionIsThePieceAsLifted) {
    Win w(RandomImage(20, 16, 14));
    Mask ellipse(6, 4, 0);
    ellipse.set(2, 1, 255);
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Ellipse, Rect{3, 2, 9, 6}, {}, ellipse));
    // Without a lifted piece: the rectangle, outside the shape in the background colour.
    ASSERT_TRUE(w.Command("Copier1"));
    ASSERT_EQ(w.host.clip.width(), 6);
    ASSERT_EQ(w.host.clip.height(), 4);
    EXPECT_EQ(w.host.clip.pixel(0, 0)[0], 255);
    for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(w.host.clip.pixel(2, 1)[ch], w.st().picture.Work().pixel(5, 3)[ch]);
    // The piece lifted when the selection was made wins over what lies there now.
    w.st().selection.Piece() = Uniform(6, 4, 1, 2, 3);
    ASSERT_TRUE(w.Command("Copier1"));
    EXPECT_TRUE(w.host.clip == Uniform(6, 4, 1, 2, 3));
}

TEST(Clipboard, CopyAfterTheImageChangedUnderASelectionIsThePieceAsItWasSelected) {
    const Image photo = RandomImage(20, 16, 18);
    Win w(photo);
    ASSERT_TRUE(w.Apply("select:2,3,9,7"));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) w.st().picture.Work().setPixel(x, y, 1, 2, 3);  // what a drag leaves there
    ASSERT_TRUE(w.Command("Copier1"));
    ASSERT_EQ(w.host.clip.width(), 7);
    ASSERT_EQ(w.host.clip.height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            for (int ch = 0; ch < 3; ++ch) ASSERT_EQ(w.host.clip.pixel(x, y)[ch], photo.pixel(x + 2, y + 3)[ch]);
}

TEST(Clipboard, PasteIntoStartsAsAMaskedCopyAndTheMixingCommandAsLastLeft) {
    const Image photo = RandomImage(40, 30, 15);
    Win w(photo);
    w.host.clip = RandomImage(10, 10, 16);
    w.host.holds = true;
    OpArgs asked;
    w.Answer(Cancel, &asked);
    EXPECT_TRUE(w.Command("Mlangerlexistant1"));
    EXPECT_EQ(asked.Text("style"), "masked");
    EXPECT_FALSE(asked.Has("percent"));
    EXPECT_TRUE(w.st().picture.Work() == photo);
    EXPECT_TRUE(w.st().picture.MixSource() == w.host.clip);

    w.Answer(Accept, &asked);
    EXPECT_TRUE(w.Command("PPimage"));
    EXPECT_FALSE(asked.Has("style"));
    EXPECT_TRUE(w.st().picture.Work() == Mixed(photo, w.host.clip, MixOptions()));
    EXPECT_TRUE(w.st().tools.Floating());
}

// --- text stamp ---

TEST(TextStamp, InBothWindowsAndMixedAsAMaskedCopyOfTheStamp) {
    EXPECT_EQ(FindCommand("Bttexte", kMainWindow).op, FindCommand("Bttexte", kCompareWindow).op);
    const Image photo = RandomImage(80, 60, 17);
    Win w(photo, EditorPolicy::CompareWindow());
    ASSERT_TRUE(w.st().selection.Set(SelectionKind::Rectangle, Rect{1, 1, 5, 5}, {}, Mask(4, 4, 255)));
    Editor& e = w.editor;
    Image stamp = Uniform(30, 12, 0, 0, 0);
    for (int x = 4; x < 26; ++x) stamp.setPixel(x, 6, 255, 255, 0);
    SelectionKind selectionWhenAsked = SelectionKind::FreeShape;
    w.Answer([&](OpArgs& a) {
        selectionWhenAsked = e.State().selection.Kind();
        e.State().picture.MixSource() = stamp;
        a.Set("background", MakeColour(0, 0, 0));
        return true;
    });
    OpArgs mixAsked;
    w.Answer(Accept, &mixAsked);
    ASSERT_TRUE(w.Command("Bttexte"));
    EXPECT_EQ(selectionWhenAsked, SelectionKind::None);
    EXPECT_EQ(mixAsked.Text("style"), "masked");
    EXPECT_EQ(mixAsked.Text("resize"), "fit-within");
    EXPECT_EQ(mixAsked.Int("percent"), 100);
    EXPECT_EQ(mixAsked.Int("tolerance"), 4);
    EXPECT_EQ(mixAsked.ColourOf("mask"), MakeColour(0, 0, 0));
    const Image expected = Mixed(photo, stamp, TextStampMixOptions(MixOptions(), MakeColour(0, 0, 0)));
    EXPECT_TRUE(w.st().picture.Work() == expected);
    // Only the letters landed: a corner of the stamp's placement keeps the photo.
    const MixPlacement pl = w.Placing()->Placement();
    for (int ch = 0; ch < 3; ++ch)
        EXPECT_EQ(w.st().picture.Work().pixel(pl.Left + 1, pl.Top + 1)[ch], photo.pixel(pl.Left + 1, pl.Top + 1)[ch]);
    EXPECT_FALSE(w.st().picture.Work() == photo);
}
