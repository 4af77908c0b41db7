// Quarter turns, mirrors, rotation by any angle and resizing.
#pragma once
#include <functional>

#include "app/core/EditState.h"
#include "image/Color.h"
#include "image/Image.h"

namespace lum {

// One quarter turn clockwise in place; width and height are exchanged.
void QuarterTurn(Image& img);
// One quarter turn anticlockwise in place: the same pixels as three clockwise turns, in one pass.
void QuarterTurnAnticlockwise(Image& img);

// 1 = quarter turn clockwise, 2 = horizontal mirror, 3 = vertical mirror,
// 4 = quarter turn anticlockwise; others do nothing.
// Turns commit (the result becomes MemoryImage and the Undo baseline); mirrors are pixel
// operations on WorkImage (SourceImage keeps the image as it was) and do not commit.
// Clearing the selection and resetting the tool are the buttons' job, done before calling.
void RotateOrMirror(EditState& st, int kind);

// Any angle in degrees; keepScale false shrinks the content to fit (the button's way).
// The image keeps its size; uncovered parts take the colour of pixel (0, 0). A 1 x 1 image
// (half width and half height both 0: no centre to scale about) is left unchanged.
void RotateByAngle(EditState& st, int angle, bool keepScale);
// The same, telling the window which background colour was used (the compare window makes
// it its second paint colour).
void RotateByAngle(EditState& st, int angle, bool keepScale, const std::function<void(Colour)>& onBackground);

// Messages of ResizeImage's refusals.
inline constexpr const char* kResizeTooTallMessage = "In valid new size (height > 2048 lines)";
inline constexpr const char* kResizeTooSmallMessage = "Invalid new size ( < 8)";

// New size from st.WorkImage into st.MemoryImage, then commit. A refusal shows its message
// through st.prompts and returns false with nothing changed (an empty working image, which has
// nothing to sample, is refused without a message).
bool ResizeImage(EditState& st, int newWidth, int newHeight);

}  // namespace lum
