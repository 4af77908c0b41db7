// SPDX-License-Identifier: GPL-3.0-or-later
// Crop, straighten and red-eye on a real photo, through the operation table as the command line
// and the windows run them, against plain transcriptions of their rules.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "EditorTestSupport.h"
#include "editing/CropFrame.h"
#include "image/Codec.h"
#include "imaging/Geometry.h"
#include "imaging/Selection.h"

using namespace lum;
using edittest::Window;

namespace {

Image Photo() { return LoadPicture(std::string(LUMORA_TEST_DATA) + "/photos/rocket.jpg").image; }

Image CropReference(const Image& src, int l, int t, int r, int b) {
    Image out(r - l, b - t);
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) {
            const uint8_t* p = src.pixel(x, y);
            out.setPixel(x - l, y - t, p[2], p[1], p[0]);
        }
    return out;
}

// Turned clockwise by whole degrees: the any-angle rotation by the negative angle, at full scale,
// read inside the largest centred rectangle of the same proportions.
Image StraightenReference(const Image& src, int degrees) {
    const double a = std::abs(degrees) * M_PI / 180, W = src.width(), H = src.height();
    const double k = std::min(W / (W * std::cos(a) + H * std::sin(a)), H / (W * std::sin(a) + H * std::cos(a)));
    const int w = static_cast<int>(k * W), h = static_cast<int>(k * H);
    Image turned;
    RotateByAngle(src, turned, -degrees, true, BuildAngleTables());
    return CropReference(turned, (src.width() - w) / 2, (src.height() - h) / 2, (src.width() - w) / 2 + w,
                         (src.height() - h) / 2 + h);
}

Image RedEyeReference(const Image& src, int l, int t, int r, int b, bool ellipse) {
    Image out = src;
    const Mask shape = MakeBoxSelection(SelectionKind::Ellipse, Rect{l, t, r, b}).mask;
    for (int y = std::max(t, 0); y < std::min(b, src.height()); ++y)
        for (int x = std::max(l, 0); x < std::min(r, src.width()); ++x) {
            if (ellipse && !shape.inside(x - l, y - t)) continue;
            uint8_t* p = out.pixel(x, y);
            if (2 * p[2] > 3 * std::max(p[1], p[0]) && p[2] > 40) p[2] = static_cast<uint8_t>((p[1] + p[0]) / 2);
        }
    return out;
}

enum class Ends { Done, Refused, UsageError };

struct FixCase {
    std::string word;
    Ends ends;
    std::function<Image(const Image&)> expected;  // Done only
};

TEST(PhotoFixes, OperationsFollowTheirRulesAndRefuseWhatLiesOutside) {
    const Image photo = Photo();
    const int W = photo.width(), H = photo.height();
    const std::string all = "," + std::to_string(W) + "," + std::to_string(H);
    const FixCase cases[] = {
        {"crop:10,20,300,200", Ends::Done, [](const Image& s) { return CropReference(s, 10, 20, 300, 200); }},
        {"crop:0,0" + all, Ends::Done, [](const Image& s) { return s; }},
        {"crop:100,100,100,180", Ends::Refused, nullptr},
        {"crop:-1,0,50,50", Ends::Refused, nullptr},
        {"crop:1,1," + std::to_string(W + 1) + ",20", Ends::Refused, nullptr},
        {"crop:1,2,3", Ends::UsageError, nullptr},
        {"straighten:0", Ends::Done, [](const Image& s) { return s; }},
        {"straighten:3", Ends::Done, [](const Image& s) { return StraightenReference(s, 3); }},
        {"straighten:-12", Ends::Done, [](const Image& s) { return StraightenReference(s, -12); }},
        {"straighten:45", Ends::Done, [](const Image& s) { return StraightenReference(s, 45); }},
        {"straighten:45.1", Ends::UsageError, nullptr},
        {"straighten:2.25", Ends::UsageError, nullptr},
        {"red-eye:0,0" + all, Ends::Done, [](const Image& s) { return RedEyeReference(s, 0, 0, s.width(), s.height(), false); }},
        {"red-eye:ellipse,-40,30,300,260", Ends::Done,
         [](const Image& s) { return RedEyeReference(s, -40, 30, 300, 260, true); }},
        {"red-eye:5,5,5,9", Ends::Refused, nullptr},
        {"red-eye:-20,-20,0,0", Ends::Refused, nullptr},
        {"red-eye:circle,1,1,9,9", Ends::UsageError, nullptr},
    };
    for (const FixCase& c : cases) {
        SCOPED_TRACE(c.word);
        Window w(photo, EditorPolicy::CommandLine());
        if (c.ends == Ends::UsageError) {
            EXPECT_THROW(w.Apply(c.word), ArgsError);
            continue;
        }
        EXPECT_EQ(w.Apply(c.word), c.ends == Ends::Done);
        if (c.ends == Ends::Refused) {
            EXPECT_EQ(w.prompts.messages.size(), 1u);
            EXPECT_EQ(imagetest::FirstDifference(w.st().picture.Work(), photo), "none");
        } else {
            EXPECT_EQ(imagetest::FirstDifference(w.st().picture.Work(), c.expected(photo)), "none");
        }
    }
    // The red-eye rows change something on this photo.
    EXPECT_NE(imagetest::FirstDifference(RedEyeReference(photo, 0, 0, W, H, false), photo), "none");
}

}  // namespace

namespace {

TEST(PhotoFixes, TheMacroRecordsThemWithTheirRectangleAndReplaysThem) {
    const Image photo = Photo();
    Window w(photo);
    w.editor.Macro().Start();
    for (const char* word : {"red-eye:ellipse,100,50,300,240", "crop:7,9,500,400", "straighten:-2.5"})
        ASSERT_TRUE(w.Apply(word)) << word;
    w.editor.Macro().Close();
    EXPECT_EQ(w.editor.Macro().Actions()[0], (MacroAction{23, 100, 50, 300, 240, 1}));
    EXPECT_EQ(w.editor.Macro().Actions()[1], (MacroAction{21, 7, 9, 500, 400, 0}));
    EXPECT_EQ(w.editor.Macro().Actions()[2], (MacroAction{22, -25, 0, 0, 0, 0}));
    const Image fixed = w.st().picture.Work();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(w.editor.Undo());
    ASSERT_EQ(imagetest::FirstDifference(w.st().picture.Work(), photo), "none");
    w.editor.ExecuteMacro();
    EXPECT_EQ(imagetest::FirstDifference(w.st().picture.Work(), fixed), "none");
}

}  // namespace

TEST(PhotoFixes, ACropFrameEdgeOfFixedProportionGrowsAboutItsMiddle) {
    using H = lum::CropHandle;
    struct Case { int ratioW, ratioH, frameTo; H edge; lum::ImagePoint press, to; lum::Rect expected; };
    // A 100 x 80 picture; frameTo > 0: a frame drawn from (0,0) to (frameTo, frameTo) first.
    const Case cases[] = {
        {1, 1, 0, H::Right, {90, 40}, {70, 40}, {10, 10, 70, 70}},  {1, 1, 0, H::Bottom, {50, 80}, {50, 50}, {25, 0, 75, 50}},
        {1, 1, 0, H::Left, {10, 40}, {60, 40}, {60, 25, 90, 55}},   {1, 1, 0, H::Right, {90, 40}, {130, 40}, {10, 0, 90, 80}},
        {1, 1, 40, H::Right, {40, 20}, {60, 20}, {0, 0, 60, 60}},   {2, 1, 0, H::Bottom, {50, 65}, {50, 45}, {20, 15, 80, 45}},
        {0, 0, 0, H::Right, {100, 40}, {70, 40}, {0, 0, 70, 80}},  // free: the height stays
        {0, 0, 0, H::None, {50, 40}, {70, 60}, {50, 40, 70, 60}},  // in a frame that cannot move: a new one
    };
    for (const Case& c : cases) {
        lum::CropFrame f;
        f.SetProportion(c.ratioW, c.ratioH);
        f.Reset(100, 80);
        if (c.frameTo > 0) { f.Begin(H::None, {0, 0}); f.DragTo({c.frameTo, c.frameTo}); f.End(); }
        ASSERT_EQ(f.HandleAt(c.press, 2), c.edge);
        f.Begin(c.edge, c.press);
        f.DragTo(c.to);
        EXPECT_EQ(f.Frame(), c.expected) << c.to.x << "," << c.to.y << " " << f.Frame().Left << "," << f.Frame().Top;
    }
}
