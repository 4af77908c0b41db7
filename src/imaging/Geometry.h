// Quarter turns, mirrors, rotation by any angle and resizing.
#pragma once
#include "app/core/EditState.h"
#include "image/Image.h"

namespace lum {

// One quarter turn clockwise in place; width and height are exchanged.
void QuarterTurn(Image& img);
// 1 = quarter turn clockwise, 2 = horizontal mirror, 3 = vertical mirror,
// 4 = quarter turn anticlockwise; others do nothing.
void RotateOrMirror(EditState& st, int kind);
// Any angle in degrees; keepScale false shrinks the content to fit (the button's way).
void RotateByAngle(EditState& st, int angle, bool keepScale);
// New size from st.WorkImage into st.MemoryImage, then commit. A refusal shows its message
// through st.prompts and returns false with nothing changed.
bool ResizeImage(EditState& st, int newWidth, int newHeight);

}  // namespace lum
