// The zoom tool of a photo view (tool mode 12): a left press zooms in one slot of the zoom
// table around the press point, any other button zooms out.
#pragma once
#include "editing/Editor.h"
#include "editing/Tool.h"

namespace lum {

constexpr int32_t kToolZoom = 12;
constexpr int kZoomCursor = 7;  // CURZOOM in the view's cursor table

class ZoomTool : public Tool {
public:
    void Press(Editor& editor, const ToolEvent& e) override {
        editor.ZoomStep(e.button == MouseButton::Left ? +1 : -1, e.view);
    }
    int Cursor(const Editor&, ImagePoint) const override { return kZoomCursor; }
};

}  // namespace lum
