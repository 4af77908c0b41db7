// SPDX-License-Identifier: GPL-3.0-or-later
// The compositing commands of a window: gradient and mix choices as operation arguments (the
// words the command line uses), the mix that follows every command filling the mix source, and
// the placement of a floating mix that the user drags until a right press.
#pragma once
#include <string>
#include <vector>

#include "editing/OpArgs.h"
#include "editing/Operation.h"
#include "editing/Tool.h"
#include "imaging/Gradient.h"
#include "image/Translatable.h"
#include "imaging/Mix.h"

namespace lum {

class Editor;
class EditState;

// --- choices as arguments ---

// The gradient of style, colour1, colour2, background and centre (keys left out take their
// defaults; without a centre, the middle of a width x height output: W x 128 div 256).
GradientParams GradientFromArgs(const OpArgs& args, int width, int height);
// All of params as arguments (the centre as given, in output pixels).
void PutGradientArgs(OpArgs& args, const GradientParams& params);

// base with the mix keys present in args put over it.
MixOptions MixFromArgs(const OpArgs& args, MixOptions base = MixOptions());
void PutMixArgs(OpArgs& args, const MixOptions& options);
// The word of a choice's index, as the command line writes it, and back (ArgsError for a word
// that is none of them).
std::string MixWord(const MixChoice& choice, int index);
int MixWordIndex(const MixChoice& choice, const std::string& word);
// The mix's settings as op's keyed parameters, with their ranges and defaults.
Operation& AddMixParams(Operation& op);

// --- the mix ---

// What the commands put under "source" in the presets of RunMix, for the dialog to name the
// mix source; a chosen picture puts its path there.
inline constexpr const char* kMixFromClipboard = "clipboard";
inline constexpr const char* kMixFromGradient = "gradient";
inline constexpr const char* kMixFromText = "text";
// Said instead of mixing when there is no picture to mix.
inline constexpr const char* kNoPictureToMix = QT_TRANSLATE_NOOP("lum", "There is no picture to mix.");

// Asks the mix options (the "mix" operation's parameters, started from `presets`, the rest as
// the dialog was last left), then mixes the mix source into the working image. False when
// cancelled: nothing changed then. Refused (kNoPictureToMix) without a mix source.
bool RunMix(Editor& editor, OpArgs presets);
// The mix after the dialog: the source copy := the working image, the mix source mirrored for good, placed and
// composed; every style but "Tiles" then floats, to be dragged until a right press. Returns
// the placement.
MixPlacement MixIntoWork(Editor& editor, const MixOptions& options);
// The words of the presets: "Copy", 50 %, "Fit to image" for a gradient; "Masked Copy", "Width
// or Height", 100 %, tolerance 4 and the background as mask colour for a text stamp.
OpArgs GradientMixPresets();
OpArgs TextStampMixPresets(Colour background);

// The placement of a floating mix. A left press strictly inside the placement (on the view)
// starts a drag shown as an inverting rectangle; moves shift it by the mouse's way in image
// pixels; the release recomposes from the image before the mix. A right press ends placement
// and keeps the mix as it is.
class MixPlacementTool : public Tool {
public:
    MixPlacementTool(const MixOptions& options, const MixPlacement& placement)
        : options_(options), placement_(placement), composed_(placement) {}
    void Press(Editor& editor, const ToolEvent& e) override;
    void Move(Editor& editor, const ToolEvent& e) override;
    void Release(Editor& editor, const ToolEvent& e) override;
    std::vector<Outline> Feedback() const override;
    int Cursor(const Editor& editor, ImagePoint p) const override;

    const MixPlacement& Placement() const { return placement_; }
    const MixOptions& Options() const { return options_; }
    bool Dragging() const { return dragging_; }
    // Shifts the placement by (dx, dy) and recomposes, as one drag does: one step.
    void MoveBy(Editor& editor, int dx, int dy);
    void Retired(Editor& editor) override;

private:
    MixOptions options_;
    MixPlacement placement_;
    MixPlacement composed_;  // where the working image shows it (a drag moves placement_ first)
    bool dragging_ = false;
    ImagePoint last_;
};

// The rows of the operation table for gradients, mixes, the text stamp and the clipboard.
void AddComposeOperations(std::vector<Operation>& table);

}  // namespace lum
