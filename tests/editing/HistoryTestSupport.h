// SPDX-License-Identifier: GPL-3.0-or-later
// A compare window's editor driven as its view drives it (tools pressed, moved and released in
// image pixels at 100 %), with a clipboard and a line rasteriser, and snapshots of what a step
// may change.
#pragma once
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "EditorTestSupport.h"
#include "editing/Compose.h"
#include "editing/PaintTools.h"
#include "editing/SelectionTools.h"

namespace historytest {

struct Host : edittest::CountingHost {
    lum::Image clip;
    std::function<bool()> keepAlive;
    int historyChanges = 0;
    bool ClipboardImage(lum::Image& out) const override {
        out = clip;
        return !clip.empty();
    }
    void PutOnClipboard(const lum::Image& img) override { clip = img; }
    // A line as a square pen leaves it: the segment's box widened by half the width.
    lum::Mask LineMask(lum::ImagePoint a, lum::ImagePoint b, int width, lum::ImagePoint& origin) const override {
        const int pad = width / 2;
        origin = {std::min(a.x, b.x) - pad, std::min(a.y, b.y) - pad};
        return lum::Mask(std::abs(a.x - b.x) + 2 * pad + 1, std::abs(a.y - b.y) + 2 * pad + 1, 255);
    }
    bool KeepAlive() override { return keepAlive ? keepAlive() : true; }
    int KeepAliveIntervalMs() const override { return 0; }
    void HistoryChanged() override { ++historyChanges; }
};

struct Session {
    lum::RecordingPrompts prompts;
    Host host;
    lum::Editor editor;
    lum::GrabOptions grab;
    lum::Tool* dragTool = nullptr;

    explicit Session(const lum::Image& photo, const lum::EditorPolicy& policy = lum::EditorPolicy::CompareWindow())
        : editor(policy, &prompts, &host) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage(lum::CommitMode::Compare100);
        editor.SetSelectionTool(std::make_unique<lum::SelectionHandlerTool>([this] { return grab; }));
    }
    lum::EditState& st() { return editor.State(); }
    const lum::History& history() const { return editor.history(); }
    bool Apply(const std::string& word) {
        const lum::ParsedOperation p = lum::ParseOperationWord(word);
        return editor.Run(*p.op, p.args);
    }
    bool Command(const char* control) {
        const lum::CommandRef ref = lum::FindCommand(control, editor.Policy().window);
        if (!ref.op) throw std::invalid_argument(control);
        return editor.Run(*ref.op, ref.command->args);
    }

    lum::ToolEvent Event(int x, int y, lum::MouseButton b = lum::MouseButton::None) {
        lum::ToolEvent e;
        e.view = e.image = lum::ImagePoint{x, y};
        e.viewSize = lum::ImagePoint{st().picture.Work().width(), st().picture.Work().height()};
        e.button = b;
        e.leftDown = b == lum::MouseButton::Left;
        e.rightDown = b == lum::MouseButton::Right;
        return e;
    }
    void Press(int x, int y, lum::MouseButton b = lum::MouseButton::Left) {
        dragTool = editor.PointerTool();
        if (dragTool) dragTool->Press(editor, Event(x, y, b));
    }
    void Move(int x, int y) {
        if (dragTool) dragTool->Move(editor, Event(x, y));
    }
    void Release(int x, int y, lum::MouseButton b = lum::MouseButton::Left) {
        if (dragTool) dragTool->Release(editor, Event(x, y, b));
        dragTool = nullptr;
        editor.DropRetiredTools();
    }
    // Press at the first point, a move to each further one, release at the last.
    void Stroke(const std::vector<lum::ImagePoint>& path, lum::MouseButton b = lum::MouseButton::Left) {
        Press(path.front().x, path.front().y, b);
        for (size_t i = 1; i < path.size(); ++i) Move(path[i].x, path[i].y);
        Release(path.back().x, path.back().y, b);
    }
    void ChooseSelection(lum::ToolMode mode) {
        editor.ResetTool();
        st().tools.SetMode(mode);
        editor.SetTool(lum::MakeSelectionTool(mode));
    }
};

// What a step may change, to compare the state with.
struct Snapshot {
    lum::Image work, memory;
    std::string file, photoFile;
    bool pending = false, optimized = false, damaged = false;
    size_t metadataSegments = 0;

    static Snapshot Of(const lum::EditState& st) {
        return Snapshot{st.picture.Work(),           st.picture.Baseline(),
                        st.file.CurrentFileName(),   st.file.PhotoFile(),
                        st.file.NewPicturePending(), st.file.Optimized(),
                        st.file.PhotoDamaged(),      st.file.Metadata().segments.size()};
    }
    // Empty when alike, else what differs.
    std::string Difference(const Snapshot& o) const {
        std::string d;
        if (!(work == o.work)) d += " working image";
        if (!(memory == o.memory)) d += " baseline";
        if (file != o.file || photoFile != o.photoFile || pending != o.pending || damaged != o.damaged) d += " file";
        if (optimized != o.optimized) d += " optimized";
        if (metadataSegments != o.metadataSegments) d += " metadata";
        return d;
    }
};

}  // namespace historytest
