// Frame shared by the colour operations: hourglass on, the 100 % zoom slot while the selection
// test runs, both restored afterwards (also when the operation throws). Internal to src/imaging.
#pragma once
#include "app/core/EditState.h"
#include "image/Image.h"

namespace lum {
namespace colour {

class PixelOpScope {
public:
    explicit PixelOpScope(EditState& st) : st_(st), zoom_(st.ZoomIndex) {
        if (st_.Busy) st_.Busy(true);
        st_.ZoomIndex = 7;
    }
    PixelOpScope(const PixelOpScope&) = delete;
    PixelOpScope& operator=(const PixelOpScope&) = delete;
    ~PixelOpScope() { restore(); }
    // Restores zoom and cursor, then redraws the view.
    void Finish() {
        restore();
        st_.Redraw();
    }

private:
    void restore() {
        if (done_) return;
        done_ = true;
        st_.ZoomIndex = zoom_;
        if (st_.Busy) st_.Busy(false);
    }
    EditState& st_;
    int32_t zoom_;
    bool done_ = false;
};

}  // namespace colour

// dst := first, then mixed with second over their overlap at percent mod 100; no macro record.
// Any of the three may be the same image.
void BlendInto(const Image& first, const Image& second, Image& dst, int percent);

}  // namespace lum
