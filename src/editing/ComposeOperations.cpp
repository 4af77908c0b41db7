// SPDX-License-Identifier: GPL-3.0-or-later
// The table's rows for compositing: new gradient images, the lighten gradient, the mixes (a
// picture file, a gradient, a chosen picture, the clipboard, a text stamp) and the clipboard
// copy and pastes. None of them records a macro action.
#include <memory>
#include <string>

#include "editing/Compose.h"
#include "editing/Editor.h"
#include "image/Codec.h"
#include "imaging/LightenGradient.h"
#include "imaging/Refusal.h"
#include "imaging/Selection.h"

namespace lum {

namespace {

constexpr int kMaxSide = 8192;
constexpr int kMaxShift = 1000000;
const char* const kNoImageInClipboard = QT_TRANSLATE_NOOP("lum", "There is no picture on the clipboard.");

// The gradient's keys after its size (when it has one).
Operation& GradientKeys(Operation& op) {
    return op.Param(ParamDef::Choice("style", "none|vertical|horizontal|centred-small|centred-big", "vertical").Keyed())
        .Param(ParamDef::Colour("colour1", "#FFFFFF").Keyed())
        .Param(ParamDef::Colour("colour2", "#C0C0C0").Keyed())
        .Param(ParamDef::Colour("background", "#808080").Keyed())
        .Param(ParamDef::Pair("centre", -2 * kMaxSide, 2 * kMaxSide).Keyed().Optional("the middle"));
}

Image GradientOfSize(const OpArgs& a) {
    const ImagePoint size = a.Pair("size");
    return GradientImage(size.x, size.y, GradientFromArgs(a, size.x, size.y));
}

void NewImage(Editor& e, const OpArgs& a) {
    EditState& st = e.State();
    st.zoom.SetSlot(kHundredPercentSlot);
    e.CommitNewPicture(GradientOfSize(a));
    // The old photo's name, camera data and thumbnail are not this picture's.
    st.file.TookNewPicture();
}

void LightenWithGradient(Editor& e, const OpArgs& a) {
    e.BeginPixelOp();
    EditState& st = e.State();
    const GradientParams params = GradientFromArgs(a, st.picture.Work().width(), st.picture.Work().height());
    Image layer;  // scratch: the baseline stays as it is
    LightenGradient(st.picture.Work(), params, layer);
}

void MixFile(Editor& e, const OpArgs& a) {
    EditState& st = e.State();
    st.picture.MixSource() = LoadPicture(a.Text("file")).image;
    const MixOptions options = MixFromArgs(a);
    MixIntoWork(e, options);
    const ImagePoint move = a.Pair("move");
    auto* placing = dynamic_cast<MixPlacementTool*>(e.FloatingTool());
    if (placing && (move.x != 0 || move.y != 0)) placing->MoveBy(e, move.x, move.y);
}

// The first steps of the paste commands: no tool, no selection, then the clipboard's picture.
Image ClipboardPicture(Editor& e, const char* noImage) {
    e.DropSelectionAndTool();
    Image picture;
    if (!e.Host().ClipboardImage(picture) || picture.empty()) throw Refusal(noImage);
    return picture;
}

// What Copy puts on the clipboard: the working image, or the selected piece as it was lifted.
Image CopiedPicture(const Editor& e) {
    const EditState& st = e.State();
    if (!st.selection.Active()) return st.picture.Work();
    const Rect& r = st.selection.Bounds();
    if (st.selection.Piece().width() == r.width() && st.selection.Piece().height() == r.height())
        return st.selection.Piece();
    // No piece was lifted for this selection: lift it now, outside the shape in the background.
    return LiftSelectionImage(st.picture.Work(), st.selection.Confine(), e.BackgroundColour());
}

}  // namespace

void AddComposeOperations(std::vector<Operation>& t) {
    t.push_back(GradientKeys(Operation("new", NewImage)
                                 .Usage("new:WxH", "a new gradient image of W x H (1..8192 each) replaces\n"
                                                   "the photo; centre in its pixels")
                                 .Param(ParamDef::Pair("size", 1, kMaxSide)))
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "New Image"))
                    .On("Btnouveau", QT_TRANSLATE_NOOP("Operations", "&New Image..."), kBothWindows)
                    .BeforeAsking([](Editor& e) { e.State().file.StartNewPicture(); })
                    .Asks()
                    .MakesPicture());
    t.push_back(GradientKeys(Operation("lighten-gradient", LightenWithGradient)
                                 .Usage("lighten-gradient[:...]", "relight with a gradient at the image's size: each\n"
                                                            "pixel keeps its hue; value and part of the\n"
                                                            "saturation come from the gradient"))
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Lighten Gradient"))
                    .On("GradientLumiere", QT_TRANSLATE_NOOP("Operations", "&Lighten Gradient..."), kBothWindows)
                    .Asks());
    t.push_back(AddMixParams(Operation("mix", MixFile)
                            .Usage("mix:FILE", "mix the picture FILE (any format read) into the photo:\n"
                                               "copy at percent (5..100), masked leaves out pixels\n"
                                               "within tolerance (0..32) of the mask colour,\n"
                                               "smoothed fades its edges over margin (4..64),\n"
                                               "tiles covers the photo from offset (-64..64 each);\n"
                                               "resize: zoom at zoom (10..200) %, fit the photo,\n"
                                               "fit-within keeps its proportions; move shifts it\n"
                                               "as one drag does (tiles are not placed)")
                            .Param(ParamDef::Text("file")))
                    .Param(ParamDef::Pair("move", -kMaxShift, kMaxShift, "0x0").Keyed())
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Mix")));
    // The commands of the windows that fill the mix source and then mix.
    t.push_back(GradientKeys(Operation("mix-gradient",
                                       [](Editor& e, const OpArgs& a) {
                                           e.State().picture.MixSource() = GradientOfSize(a);
                                           RunMix(e, GradientMixPresets());
                                       })
                                 .Param(ParamDef::Pair("size", 1, kMaxSide)))
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Mix Gradient"))
                    .On("Btmixdegrad", QT_TRANSLATE_NOOP("Operations", "&Gradient..."), kBothWindows)
                    .Asks([](const EditState& st, OpArgs& a) {
                        a.Set("size", ImagePoint{st.picture.Work().width(), st.picture.Work().height()});
                    })
                    .NotBusy()
                    .DesktopOnly());
    // The picture is loaded into the mix source by the chooser while the user browses.
    t.push_back(Operation("mix-image", [](Editor& e, const OpArgs& a) { RunMix(e, a); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Mix Image"))
                    .On("Btmiximage", QT_TRANSLATE_NOOP("Operations", "&Image..."), kBothWindows)
                    .Asks()
                    .NotBusy()
                    .DesktopOnly());
    t.push_back(Operation("mix-clipboard",
                          [](Editor& e, const OpArgs&) {
                              e.State().picture.MixSource() = ClipboardPicture(e, kNoImageInClipboard);
                              OpArgs presets;
                              presets.Set("source", std::string(kMixFromClipboard));
                              RunMix(e, presets);
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Mix Clipboard Image"))
                    .On("PPimage", QT_TRANSLATE_NOOP("Operations", "&Clipboard Image..."), kBothWindows)
                    .NotBusy()
                    .DesktopOnly());
    t.push_back(Operation("paste-into",
                          [](Editor& e, const OpArgs&) {
                              e.State().picture.MixSource() = ClipboardPicture(e, kNoImageInClipboard);
                              OpArgs presets;
                              presets.Set("source", std::string(kMixFromClipboard));
                              presets.Set(kMixStyle.key, MixWord(kMixStyle, static_cast<int>(MixStyle::MaskedCopy)));
                              RunMix(e, presets);
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Paste into Image"))
                    .On("Mlangerlexistant1", QT_TRANSLATE_NOOP("Operations", "&Paste into the Current Image..."), kBothWindows)
                    .NotBusy()
                    .DesktopOnly());
    t.push_back(Operation("paste-new",
                          [](Editor& e, const OpArgs&) {
                              EditState& st = e.State();
                              Image picture = ClipboardPicture(e, kNoImageInClipboard);
                              st.tools.SetFloating(false);
                              e.CommitNewPicture(std::move(picture));
                              // A file of its own to come: a save never proposes the old photo's name.
                              st.file.TookNewPicture();
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Paste as New Image"))
                    .On("Commenouvelleimage1", QT_TRANSLATE_NOOP("Operations", "Paste as &New Image"), kBothWindows)
                    .DesktopOnly()
                    .MakesPicture());
    t.push_back(Operation("copy", [](Editor& e, const OpArgs&) { e.Host().PutOnClipboard(CopiedPicture(e)); })
                    .On("Copier1", QT_TRANSLATE_NOOP("Operations", "&Copy"), kBothWindows)
                    .NotBusy()
                    .DesktopOnly()
                    .KeepsImage());
    // The stamp (the dialog's text rectangle) is put into the mix source by the dialog's OK, which
    // also answers the background the stamp was drawn on.
    t.push_back(Operation("text-stamp",
                          [](Editor& e, const OpArgs& a) { RunMix(e, TextStampMixPresets(a.ColourOf("background"))); })
                    .Param(ParamDef::Colour("background", "#FFFFFF"))
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Text Stamp"))
                    .On("Bttexte", QT_TRANSLATE_NOOP("Operations", "&Text Stamp..."), kBothWindows)
                    .Face(QT_TRANSLATE_NOOP("Operations", "Stamp"), QT_TRANSLATE_NOOP("Operations", "Text stamp"))
                    .BeforeAsking([](Editor& e) { e.DropSelectionAndTool(); })
                    .Asks()
                    .NotBusy()
                    .DesktopOnly());
}

}  // namespace lum
