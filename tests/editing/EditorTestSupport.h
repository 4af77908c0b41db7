// SPDX-License-Identifier: GPL-3.0-or-later
// Editors as the windows hold them, with a host that counts what the editor asked of the window.
#pragma once
#include <climits>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editing/Editor.h"
#include "editing/Operation.h"
#include "editing/Prompts.h"
#include "../image/ImageTestSupport.h"
#include "image/Image.h"

namespace edittest {

struct CountingHost : lum::EditorHost {
    int redraws = 0, layouts = 0, selectionCleared = 0, toolResets = 0, colourChanges = 0;
    int busyDepth = 0, busyMax = 0;
    std::vector<bool> busy;  // every on and off, in order
    lum::BusyKind lastBusyKind = lum::BusyKind::None;
    int viewW = INT_MAX, viewH = INT_MAX;
    void RedrawView() override { ++redraws; }
    void LayoutView() override { ++layouts; }
    void ViewOuterSize(int& w, int& h) const override {
        w = viewW;
        h = viewH;
    }
    void SetBusy(bool on, lum::BusyKind kind) override {
        busy.push_back(on);
        busyDepth += on ? 1 : -1;
        if (busyDepth > busyMax) busyMax = busyDepth;
        lastBusyKind = kind;
    }
    void SelectionCleared() override { ++selectionCleared; }
    void ToolWasReset() override { ++toolResets; }
    void PaintColoursChanged() override { ++colourChanges; }
};

// An editor of one window with its prompts and host, a photo committed as the baseline.
struct Window {
    lum::RecordingPrompts prompts;
    CountingHost host;
    lum::Editor editor;
    explicit Window(const lum::Image& photo, const lum::EditorPolicy& policy = lum::EditorPolicy::MainWindow())
        : editor(policy, &prompts, &host) {
        editor.State().picture.Baseline() = photo;
        editor.CommitMemoryImage();
        host = CountingHost{};
    }
    lum::EditState& st() { return editor.State(); }
    const lum::Operation& op(const std::string& name) const {
        const lum::Operation* o = lum::FindOperation(name);
        if (!o) throw std::invalid_argument("no operation " + name);
        return *o;
    }
    // Runs an operation word as the command line does ("shift:3").
    bool Apply(const std::string& word) {
        const lum::ParsedOperation p = lum::ParseOperationWord(word);
        return editor.Run(*p.op, p.args);
    }
};

using imagetest::RandomImage;

inline lum::Image Uniform(int w, int h, int r, int g, int b) {
    lum::Image img(w, h);
    img.fill(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
    return img;
}

// A mask over rect, 255 everywhere.
inline lum::Mask FullMask(const lum::Rect& rect) { return lum::Mask(rect.width(), rect.height(), 255); }

// The photo's metadata with one segment more (camera data that a new picture must not carry).
inline void AddMetadataSegment(lum::EditState& st, lum::JpegSegment segment) {
    lum::PictureMetadata m = st.file.Metadata();
    m.segments.push_back(std::move(segment));
    st.file.SetMetadata(std::move(m));
}

}  // namespace edittest
