// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions on a small photo: every kind of action (operations of the table, paint
// strokes, fills, selections lifted and moved, mixes placed and dragged, memorize and reset),
// with undos and redos in between. Each step is one position of the history, and every image
// met on the way back and forth is the one recorded when its step was made.
#include <gtest/gtest.h>

#include <random>

#include "HistoryTestSupport.h"

using namespace lum;
using historytest::Session;
using historytest::Snapshot;

namespace {

class RandomSession {
public:
    RandomSession(uint32_t seed, const EditorPolicy& policy)
        : rng_(seed), s_(edittest::RandomImage(36, 28, seed), policy) {
        s_.st().file.SetCurrentFileName("/photos/a.jpg");
        s_.st().file.SetPhotoFile("/photos/a.jpg", true);
        edittest::AddMetadataSegment(s_.st(), {0xE1, {'E', 'x', 'i', 'f', 0, 0}});
        s_.editor.SetHistoryLimits(HistoryLimits{size_t(1) << 30, 100000});
        shots_.push_back(Snapshot::Of(s_.st()));
    }

    Session& session() { return s_; }

    // One action, or a few undos or redos.
    void Act(std::string& what) {
        const int pick = Int(0, 19);
        if (pick >= 18) {
            what = pick == 18 ? "undo" : "redo";
            for (int n = Int(1, 3); n > 0 && (pick == 18 ? s_.editor.Undo() : s_.editor.Redo()); --n) Check(what);
            return;
        }
        what = Perform(pick);
        Note(what);
    }

    // After each part of an action: a step it recorded is snapshot (the undone steps after it
    // are gone), and a part that recorded none must have changed nothing.
    void Note(const std::string& what) {
        ASSERT_FALSE(s_.st().tools.Dragging()) << what;
        ASSERT_FALSE(s_.history().Recording()) << what;
        const int now = s_.history().Position();
        if (now == last_ + 1) {
            ASSERT_EQ(s_.history().Count(), now) << what << " left steps to redo";
            shots_.resize(static_cast<size_t>(now));
            shots_.push_back(Snapshot::Of(s_.st()));
        } else {
            ASSERT_EQ(now, last_) << what << ": more than one step";
            EXPECT_EQ(Snapshot::Of(s_.st()).Difference(shots_[static_cast<size_t>(now)]), "")
                << what << " changed the picture without a step";
        }
        last_ = now;
    }

    // The state is the one recorded at the history's position.
    void Check(const std::string& what) {
        const int position = s_.history().Position();
        ASSERT_EQ(static_cast<int>(shots_.size()), s_.history().Count() + 1);
        EXPECT_EQ(Snapshot::Of(s_.st()).Difference(shots_[static_cast<size_t>(position)]), "")
            << what << " to position " << position;
        last_ = position;
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    ImagePoint Point() {
        const Image& w = s_.st().picture.Work();
        return ImagePoint{Int(-3, w.width() + 2), Int(-3, w.height() + 2)};
    }
    ImagePoint Inside() {
        const Image& w = s_.st().picture.Work();
        return ImagePoint{Int(0, w.width() - 1), Int(0, w.height() - 1)};
    }
    std::vector<ImagePoint> Path() {
        std::vector<ImagePoint> p{Point()};
        for (int n = Int(1, 6); n > 0; --n) p.push_back(Point());
        return p;
    }

    std::string Perform(int pick) {
        static const char* const kWords[] = {"optimize",  "flesh-balance", "shift:3",     "lighten",
                                             "grey",      "sharpen",       "soften",      "auto-smooth",
                                             "blur:1",    "rotate-cw",     "rotate-ccw",  "mirror-h",
                                             "mirror-v",  "rotate:20",     "lighten-gradient", "erase"};
        switch (pick) {
            case 0:
            case 1: {
                const std::string word = kWords[Int(0, 15)];
                s_.Apply(word);
                return word;
            }
            case 2: {
                const std::string word = Int(0, 1) ? "resize:" : "new:";
                s_.Apply(word + std::to_string(Int(12, 40)) + "x" + std::to_string(Int(12, 40)));
                return word;
            }
            case 3: {
                s_.host.clip = edittest::RandomImage(Int(5, 30), Int(5, 30), static_cast<uint32_t>(Int(1, 1000)));
                const char* command = Int(0, 1) ? "Commenouvelleimage1" : "PPimage";
                s_.Command(command);
                return command;
            }
            case 4: s_.editor.Memorize(); return "memorize";
            case 5: s_.editor.ResetImage(); return "reset";
            case 6:
            case 7: {
                static const ToolMode kTools[] = {ToolMode::Pen, ToolMode::Line, ToolMode::Brush};
                const ToolMode tool = kTools[Int(0, 2)];
                ChoosePaintTool(s_.editor, tool, static_cast<BrushKind>(Int(0, 7)));
                s_.st().tools.SetThickness(Int(1, 4));
                s_.st().tools.SetDiameter(Int(2, 12));
                s_.Stroke(Path(), Int(0, 1) ? MouseButton::Left : MouseButton::Right);
                return "stroke";
            }
            case 8: {
                ChoosePaintTool(s_.editor, ToolMode::Fill);
                s_.st().tools.SetThickness(Int(1, 36));
                const ImagePoint p = Point();
                s_.Press(p.x, p.y);
                s_.Release(p.x, p.y);
                return "fill";
            }
            case 9:
            case 10: return Selection();
            case 11:
            case 12: return MixDrag();
            default: {
                const std::string word = kWords[Int(0, 15)];
                s_.Apply(word);
                return word;
            }
        }
    }

    // A selection drawn, then grabbed and dragged a few times (lifted, moved, duplicated).
    std::string Selection() {
        s_.ChooseSelection(Int(0, 1) ? ToolMode::Rectangle : ToolMode::Ellipse);
        const ImagePoint a = Inside(), b = Inside();
        s_.Stroke({a, b});
        Note("selection drawn");
        if (!s_.st().selection.Active()) return "selection";
        for (int n = Int(1, 3); n > 0; --n) {
            s_.grab = GrabOptions{Int(0, 1) == 1, Int(0, 1) == 1};
            const Rect& r = s_.st().selection.Bounds();
            const ImagePoint at{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
            if (!s_.st().selection.Contains(at)) break;
            s_.Stroke({at, ImagePoint{at.x + Int(-8, 8), at.y + Int(-8, 8)}});
            Note("grab");
        }
        if (Int(0, 2) == 0) {
            s_.Press(0, 0, MouseButton::Right);
            s_.Release(0, 0, MouseButton::Right);
        }
        return "selection";
    }

    // The floating mix dragged; a mix is placed first when none floats.
    std::string MixDrag() {
        auto* placing = dynamic_cast<MixPlacementTool*>(s_.editor.FloatingTool());
        if (!placing || !s_.st().tools.Floating()) {
            s_.host.clip = edittest::RandomImage(Int(4, 20), Int(4, 20), static_cast<uint32_t>(Int(1, 1000)));
            s_.prompts.parameterAnswers.push_back([this](OpArgs& a) {
                static const char* const kStyles[] = {"copy", "masked", "smoothed"};
                a.Set("style", std::string(kStyles[Int(0, 2)]));
                a.Set("resize", std::string("zoom"));
                return true;
            });
            s_.Command("PPimage");
            Note("mix");
            placing = dynamic_cast<MixPlacementTool*>(s_.editor.FloatingTool());
        }
        for (int n = Int(1, 3); n > 0 && placing && s_.st().tools.Floating(); --n) {
            const MixPlacement& p = placing->Placement();
            const ImagePoint at{p.Left + p.Width / 2, p.Top + p.Height / 2};
            s_.Stroke({at, ImagePoint{at.x + Int(-10, 10), at.y + Int(-10, 10)}});
            Note("mix drag");
        }
        return "mix drags";
    }

    std::mt19937 rng_;
    Session s_;
    std::vector<Snapshot> shots_;  // by position: the state each step left
    int last_ = 0;                 // the position after the last action
};

void RunSession(uint32_t seed, const EditorPolicy& policy, int actions) {
    RandomSession r(seed, policy);
    std::vector<std::string> done;
    for (int i = 0; i < actions; ++i) {
        std::string what;
        r.Act(what);
        done.push_back(what);
        if (::testing::Test::HasFailure()) {
            std::string trail;
            for (const std::string& d : done) trail += d + ", ";
            FAIL() << "seed " << seed << " after: " << trail;
        }
    }
    Session& s = r.session();
    const int end = s.history().Position();
    ASSERT_GT(end, 20) << "too few steps to mean much";
    // All the way back, one step at a time, then forward again.
    while (s.editor.Undo()) r.Check("undo all");
    EXPECT_EQ(s.history().Position(), 0);
    EXPECT_TRUE(s.editor.Saved());  // the photo as it came
    while (s.editor.Redo()) r.Check("redo all");
    EXPECT_EQ(s.history().Position(), s.history().Count());
}

}  // namespace

TEST(HistoryRandom, EveryStepUndoneAndRedoneGivesTheImagesRecordedWhenItWasMade) {
    for (uint32_t seed : {1u, 2u, 3u}) RunSession(seed, EditorPolicy::CompareWindow(), 160);
    RunSession(4u, EditorPolicy::MainWindow(), 120);
}
