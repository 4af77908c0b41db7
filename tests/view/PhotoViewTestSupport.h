// SPDX-License-Identifier: GPL-3.0-or-later
// The photo view tests' pane: a window's editor with its edit pane, and patterned photos.
#pragma once
#include <QImage>

#include "../image/ImageTestSupport.h"
#include "FolderTestSupport.h"
#include "editing/Editor.h"
#include "view/EditPane.h"
#include "view/PhotoView.h"

namespace photoviewtest {

inline QRgb pixelOf(const lum::Image& img, int x, int y) {
    const uint8_t* p = img.pixel(x, y);
    return qRgb(p[2], p[1], p[0]);
}

using imagetest::Pattern;

// A window's editor with its pane, the view of the design size.
struct Pane : foldertest::AppFirst {
    lum::RecordingPrompts prompts;
    lum::Editor editor{lum::EditorPolicy::MainWindow(), &prompts};
    lum::EditPane pane{editor};
    Pane() {
        pane.resize(500, 440);
        pane.View()->resize(500, 440);  // the layout sizes it only once shown
    }
    lum::PhotoView& view() { return *pane.View(); }
    lum::EditState& st() { return editor.State(); }
    void commit(const lum::Image& img) {
        st().picture.Baseline() = img;
        editor.CommitMemoryImage();
    }
};

}  // namespace photoviewtest
