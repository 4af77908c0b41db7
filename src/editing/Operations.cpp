// SPDX-License-Identifier: GPL-3.0-or-later
// The operation table. Every operation appears here once: its command-line name and parameters,
// its help, its macro code and the windows that replay it, the controls that run it and the few
// lines that run it on a window's editor through its pixel function. Menus, buttons, macro
// replay and `lumora apply` all read this table; adding an operation is one row here plus the
// file of its pixel function.
#include <algorithm>
#include <optional>

#include "editing/Compose.h"
#include "editing/Editor.h"
#include "editing/Operation.h"
#include "editing/PaintTools.h"
#include "editing/SelectionTools.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "imaging/PhotoFixes.h"
#include "imaging/Refusal.h"
#include "imaging/Selection.h"

namespace lum {

namespace {

// --- shared steps of the rows ---

void Optimize(Editor& e, bool compareVariant) {
    EditState& st = e.State();
    OptimizePhoto(e.PixelSource(), st.picture.Work(), e.CurrentTargets(), compareVariant, st.selection.Confine());
}

int BlendOfThisWindow(const Editor& e, const OpArgs&) { return OptimizeBlendPercent(e.Policy().compareOptimize) % 100; }
int BlendOfCompareVariant(const Editor&, const OpArgs&) { return OptimizeBlendPercent(true) % 100; }

// The colour engine on the working image. A balance measures inside the selection's rectangle,
// then drops the selection and corrects the whole image.
void ColourEngine(Editor& e, int kind, int mode) {
    EditState& st = e.State();
    std::optional<Rect> sample;
    BalanceTargets targets = st.registers.Targets();
    if (mode == kModeFlesh || mode == kModeLandscape) {
        targets = e.CurrentTargets();
        if (st.selection.Active()) {
            sample = st.selection.ClippedBounds(st.picture.Work().width(), st.picture.Work().height());
            e.ResetTool();
        }
    }
    ColourPassInPlace(e.PixelSource(), st.picture.Work(), kind, mode, targets, st.selection.Confine(), sample);
}

// The window's kernel register loaded with kind (0: as it is), then applied.
void Kernel(Editor& e, int kind, bool grey) {
    EditState& st = e.State();
    if (kind != 0) st.registers.LoadKernel(kind);
    KernelFilter(e.PixelSource(), st.picture.Work(), st.registers.Kernel(), grey, st.selection.Confine());
}

// The EXIF orientation values of the turns and mirrors.
constexpr int kTurnedRight = 6, kTurnedLeft = 8, kMirroredH = 2, kMirroredV = 4;

void QuarterTurnCommitted(Editor& e, bool clockwise) {
    e.DropSelectionAndTool();
    PictureImages& pic = e.State().picture;
    e.CommitPicture(QuarterTurned(pic.Work(), clockwise));
    pic.SetFraming(pic.WorkFraming().Then(clockwise ? kTurnedRight : kTurnedLeft));
}

void Mirrored(Editor& e, bool horizontal) {
    e.DropSelectionAndTool();
    PictureImages& pic = e.State().picture;
    Mirror(e.PixelSource(), pic.Work(), horizontal);
    pic.WorkFraming() = pic.WorkFraming().Then(horizontal ? kMirroredH : kMirroredV);
}

// The brush kinds by their command-line names, in the order of BrushKind.
constexpr const char* kBrushKinds = "soften|sharpen|lighten|darken|daub|noise|spray|colour-eraser";

BrushKind BrushKindNamed(const std::string& name) {
    const std::vector<std::string> names = SplitWords(kBrushKinds, '|');
    const auto at = std::find(names.begin(), names.end(), name);
    return static_cast<BrushKind>(at == names.end() ? 0 : at - names.begin());
}

// One stroke as the brush tool paints it: the press at the first point, a dab per further one.
// Choosing the tool drops the selection first.
void BrushStrokeAlong(Editor& e, const OpArgs& a) {
    e.ClearSelection();
    EditState& st = e.State();
    BrushStroke stroke;
    stroke.Kind = BrushKindNamed(a.Text("kind"));
    stroke.Radius = BrushRadius(a.Int("diameter"));
    stroke.BrushColor1 = a.ColourOf("colour1");
    stroke.BrushColor2 = a.ColourOf("colour2");
    stroke.Random = &st.tools.Noise();
    std::vector<BrushPoint> path;
    for (const ImagePoint& p : a.Path("path")) path.push_back(BrushPoint{p.x, p.y});
    e.SourceWillRefresh();
    BrushPath(st.picture.Work(), st.picture.SourceCopy(), stroke, path);
}

void FillFrom(Editor& e, const OpArgs& a) {
    e.ClearSelection();
    const FillOutcome out = FillWorkImage(e, a.Int("x"), a.Int("y"), a.ColourOf("colour"), a.Int("threshold"));
    if (out.Status == FillStatus::TooClose || out.Status == FillStatus::AlreadyFilled)
        throw Refusal(FillRefusalLine(out.Status));
}

// `NAME` or `NAME:#RRGGBB`: the colour only when given.
OpArgs OptionalColour(const Operation& op, const std::vector<std::string>& values, const std::string& word) {
    OpArgs args;
    if (values.size() > 1) throw ArgsError(op.name + ": too many values in '" + word + "'");
    if (!values.empty()) args.Set("colour", ParseValue(ParamDef::Colour("colour"), values[0], word));
    return args;
}

constexpr int kSelectLimit = 100000;

// `select:L,T,R,B`, `select:ellipse,L,T,R,B`, `select:none`.
OpArgs SelectionWords(const Operation& op, const std::vector<std::string>& values, const std::string& word) {
    OpArgs args;
    std::vector<std::string> v = values;
    std::string shape = "rectangle";
    if (!v.empty() && (v[0] == "none" || v[0] == "ellipse" || v[0] == "rectangle")) {
        shape = v[0];
        v.erase(v.begin());
    }
    args.Set("shape", shape);
    if (shape == "none") {
        if (!v.empty()) throw ArgsError(op.name + ": nothing may follow none in '" + word + "'");
        return args;
    }
    if (v.size() != 4) throw ArgsError(op.name + " needs L,T,R,B: '" + word + "' (" + op.usage + ")");
    for (size_t i = 0; i < 4; ++i) args.Set(op.params[i].key, ParseValue(op.params[i], v[i], word));
    return args;
}

void SelectFromArgs(Editor& e, const OpArgs& a) {
    e.ClearSelection();
    e.State().selection.Drop();
    const std::string& shape = a.Text("shape");
    if (shape == "none") return;
    const Rect r{a.Int("left"), a.Int("top"), a.Int("right"), a.Int("bottom")};
    TakeSelection(e, MakeBoxSelection(shape == "ellipse" ? SelectionKind::Ellipse : SelectionKind::Rectangle, r));
}

// `straighten:A`, A in degrees with at most one decimal, kept as tenths.
OpArgs AngleInTenths(const Operation& op, const std::vector<std::string>& values, const std::string& word) {
    if (values.size() != 1) throw ArgsError(op.name + " needs one angle: '" + word + "' (" + op.usage + ")");
    std::string text = values[0];
    const size_t dot = text.find('.');
    int tenth = 0;
    if (dot != std::string::npos) {
        const std::string decimals = text.substr(dot + 1);
        if (decimals.size() != 1 || decimals[0] < '0' || decimals[0] > '9')
            throw ArgsError(op.name + ": the angle takes one decimal at most in '" + word + "'");
        tenth = decimals[0] - '0';
        text.erase(dot);
    }
    const bool negative = !text.empty() && text[0] == '-';
    if (text.empty() || text == "-") throw ArgsError(op.name + ": no angle in '" + word + "'");
    const int whole = ParseWholeNumber(text, -45, 45, "angle of '" + word + "'");
    const int tenths = whole * 10 + (negative ? -tenth : tenth);
    if (tenths < -450 || tenths > 450) throw ArgsError(op.name + ": the angle lies within -45..45 in '" + word + "'");
    OpArgs args;
    args.Set("tenths", tenths);
    return args;
}

// `red-eye:L,T,R,B` and `red-eye:ellipse,L,T,R,B`.
OpArgs RedEyeWords(const Operation& op, const std::vector<std::string>& values, const std::string& word) {
    std::vector<std::string> v = values;
    const bool ellipse = !v.empty() && v[0] == "ellipse";
    if (ellipse) v.erase(v.begin());
    if (v.size() != 4) throw ArgsError(op.name + " needs L,T,R,B: '" + word + "' (" + op.usage + ")");
    OpArgs args;
    for (size_t i = 0; i < 4; ++i) args.Set(op.params[i].key, ParseValue(op.params[i], v[i], word));
    args.Set("ellipse", ellipse ? 1 : 0);
    return args;
}

Rect RectOf(const OpArgs& a) { return Rect{a.Int("left"), a.Int("top"), a.Int("right"), a.Int("bottom")}; }

// A new frame for the picture, as the other geometry operations commit theirs.
void Reframed(Editor& e, Image picture) {
    e.DropSelectionAndTool();
    e.CommitPicture(std::move(picture));
    PictureImages& pic = e.State().picture;
    LoadedFraming framing = pic.WorkFraming();
    framing.reframed = true;
    pic.SetFraming(framing);
}

constexpr int kRectLimit = 1000000;

std::vector<Operation> BuildTable() {
    std::vector<Operation> t;

    t.push_back(Operation("optimize", [](Editor& e, const OpArgs&) { Optimize(e, e.Policy().compareOptimize); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Optimize"))
                    .Usage("optimize", "the one-click optimize")
                    .Records({{15, nullptr}, {1, BlendOfThisWindow}})
                    .On("ProcessingOptimumActionSpeedButton", QT_TRANSLATE_NOOP("Operations", "Optimize The Photo Now!"), kMainWindow)
                    .On("OptimizeItem", QT_TRANSLATE_NOOP("Operations", "&Optimize the Photo"), kMainWindow)
                    .On("AutoColorBalanceSpeedButton", QT_TRANSLATE_NOOP("Operations", "Automatic colour balance of the optimized photo"), kCompareWindow)
                    .Face(QT_TRANSLATE_NOOP("Operations", "Auto"), QT_TRANSLATE_NOOP("Operations", "Automatic colour balance of the optimized photo"))
                    .On("SpeedButton8", QT_TRANSLATE_NOOP("Operations", "Optimize"), kCompareWindow)
                    .Pixel()
                    .InPlace()
                    .Progress(QT_TRANSLATE_NOOP("Operation", "Optimizing..."))
                    .MarksOptimized());
    t.push_back(Operation("optimize-compare", [](Editor& e, const OpArgs&) { Optimize(e, true); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Optimize"))
                    .Usage("optimize-compare", "its compare-window variant")
                    .Records({{15, nullptr}, {1, BlendOfCompareVariant}})
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("flesh-balance", [](Editor& e, const OpArgs&) { ColourEngine(e, 0, kModeFlesh); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Flesh Colour Balance"))
                    .Usage("flesh-balance", "colour balance towards the flesh targets")
                    .Recorded(15, kBothWindows)
                    .On("Equilibrer1", QT_TRANSLATE_NOOP("Operations", "&Flesh Colour Balance"), kBothWindows)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("landscape-balance", [](Editor& e, const OpArgs&) { ColourEngine(e, 0, kModeLandscape); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Landscape Balance"))
                    .Usage("landscape-balance", "colour balance towards the landscape targets")
                    .Recorded(16, kBothWindows)
                    .On("Equilibrer2", QT_TRANSLATE_NOOP("Operations", "&Landscape Colour Balance"), kBothWindows)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("shift", [](Editor& e, const OpArgs& a) { ColourEngine(e, a.Int("kind"), kModeShift); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Colour Shift"))
                    .Usage("shift:K", "channel shift of 10 %, K = 1..6:\n"
                                      "1 red to green, 2 red to blue, 3 green to red,\n"
                                      "4 green to blue, 5 blue to red, 6 blue to green")
                    .Param(ParamDef::Int("kind", 1, 6))
                    .Recorded(12, kBothWindows, "kind")
                    .On("RedChangetoGreen101", QT_TRANSLATE_NOOP("Operations", "Red to Green by 10%"), kBothWindows, "1")
                    .On("RedChangetoBlue101", QT_TRANSLATE_NOOP("Operations", "Red to Blue by 10%"), kBothWindows, "2")
                    .On("Greenchangeto1", QT_TRANSLATE_NOOP("Operations", "Green to Red by 10%"), kBothWindows, "3")
                    .On("GreenChangetoBlue101", QT_TRANSLATE_NOOP("Operations", "Green to Blue by 10%"), kBothWindows, "4")
                    .On("BluechangetoRed101", QT_TRANSLATE_NOOP("Operations", "Blue to Red by 10%"), kBothWindows, "5")
                    .On("BluechangetoGreen101", QT_TRANSLATE_NOOP("Operations", "Blue to Green by 10%"), kBothWindows, "6")
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("lighten",
                          [](Editor& e, const OpArgs&) {
                              e.State().tools.SetFloating(false);
                              ColourEngine(e, 0, kModeLighten);
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Lighten"))
                    .Usage("lighten", "lighten by a quarter")
                    .Recorded(4, kCompareWindow)
                    .On("Btbrume", QT_TRANSLATE_NOOP("Operations", "Lighten"), kCompareWindow)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("grey", [](Editor& e, const OpArgs&) { Kernel(e, 0, true); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Grey Scale"))
                    .Usage("grey", "grey scale (through the kernel last used)")
                    .Recorded(2, kBothWindows)
                    .On("NivGris", QT_TRANSLATE_NOOP("Operations", "Grey &Scale"), kBothWindows)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("sharpen", [](Editor& e, const OpArgs&) { Kernel(e, 4, false); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Sharpen"))
                    .Usage("sharpen", "sharpen")
                    .Recorded(6, kCompareWindow)
                    .On("Btdur", QT_TRANSLATE_NOOP("Operations", "Sharpen"), kCompareWindow)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("sharpen-plus", [](Editor& e, const OpArgs&) { Kernel(e, 5, false); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Sharpen More"))
                    .Usage("sharpen-plus", "sharpen more")
                    .Recorded(5, kCompareWindow)
                    .On("Btplusdur", QT_TRANSLATE_NOOP("Operations", "Sharpen +"), kCompareWindow)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("soften", [](Editor& e, const OpArgs&) { Kernel(e, 2, false); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Soften"))
                    .Usage("soften", "soften")
                    .Recorded(7, 0)
                    .On("Btdoux", QT_TRANSLATE_NOOP("Operations", "Soften"), kCompareWindow)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("auto-smooth",
                          [](Editor& e, const OpArgs&) {
                              EditState& st = e.State();
                              AutoSmooth(st.picture.SourceCopy(), st.picture.Work(), st.registers.Kernel(),
                                         st.selection.Confine());
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Auto Smooth"))
                    .Usage("auto-smooth", "blur, blend and sharpen passes")
                    .Recorded(14, kBothWindows)
                    .On("LissageAuto", QT_TRANSLATE_NOOP("Operations", "&Auto Smooth"), kBothWindows)
                    .Pixel());
    t.push_back(Operation("blur",
                          [](Editor& e, const OpArgs& a) { GaussianBlur(e.State().picture.Work(), a.Int("radius")); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Gaussian Blur"))
                    .Usage("blur:R", "Gaussian blur of the whole image, radius R = 1..24")
                    .Param(ParamDef::Int("radius", 1, 24))
                    .Recorded(13, kBothWindows)
                    .On("FlouGaussien", QT_TRANSLATE_NOOP("Operations", "&Gaussian Blur..."), kBothWindows)
                    .Pixel()
                    .InPlace()
                    .Asks([](const EditState&, OpArgs& a) { a.Set("radius", 8); }));
    t.push_back(Operation("rotate-cw", [](Editor& e, const OpArgs&) { QuarterTurnCommitted(e, true); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Rotate Right"))
                    .Usage("rotate-cw", "quarter turn clockwise")
                    .On("SpeedButton1", QT_TRANSLATE_NOOP("Operations", "Rotate to the Right (90 degrees)"), kMainWindow)
                    .On("Btrot90", QT_TRANSLATE_NOOP("Operations", "90"), kCompareWindow)
                    .On("RotateRightItem", QT_TRANSLATE_NOOP("Operations", "Rotate &Right"), kBothWindows)
                    .Progress(QT_TRANSLATE_NOOP("Operation", "Turning...")));
    t.push_back(Operation("rotate-ccw", [](Editor& e, const OpArgs&) { QuarterTurnCommitted(e, false); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Rotate Left"))
                    .Usage("rotate-ccw", "quarter turn anticlockwise")
                    .On("Btrot90", QT_TRANSLATE_NOOP("Operations", "Rotate to the Left (270 degrees)"), kMainWindow)
                    .On("RotateLeftItem", QT_TRANSLATE_NOOP("Operations", "Rotate &Left"), kBothWindows)
                    .Progress(QT_TRANSLATE_NOOP("Operation", "Turning...")));
    t.push_back(Operation("mirror-h", [](Editor& e, const OpArgs&) { Mirrored(e, true); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Horizontal Mirror"))
                    .Usage("mirror-h", "mirror left to right")
                    .On("BtmiroirH", QT_TRANSLATE_NOOP("Operations", "Horizontal Mirror"), kCompareWindow)
                    .Face(QT_TRANSLATE_NOOP("Operations", "Mirror H"), QT_TRANSLATE_NOOP("Operations", "Horizontal Mirror"))
                    .On("MirrorHorizontallyItem", QT_TRANSLATE_NOOP("Operations", "Mirror &Horizontally"), kBothWindows)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("mirror-v", [](Editor& e, const OpArgs&) { Mirrored(e, false); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Vertical Mirror"))
                    .Usage("mirror-v", "mirror top to bottom")
                    .On("NBtmiroirV", QT_TRANSLATE_NOOP("Operations", "Vertical Mirror"), kCompareWindow)
                    .Face(QT_TRANSLATE_NOOP("Operations", "Mirror V"), QT_TRANSLATE_NOOP("Operations", "Vertical Mirror"))
                    .On("MirrorVerticallyItem", QT_TRANSLATE_NOOP("Operations", "Mirror &Vertically"), kBothWindows)
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("rotate",
                          [](Editor& e, const OpArgs& a) {
                              e.DropSelectionAndTool();
                              EditState& st = e.State();
                              const auto background = RotateByAngle(st.picture.SourceCopy(), st.picture.Work(),
                                                                    a.Int("angle"), false, st.registers.Angles());
                              if (background) e.SetPaintColour2(*background);
                              if (a.Int("angle") % 360 != 0) st.picture.WorkFraming().reframed = true;
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Rotate"))
                    .Usage("rotate:A", "rotate by A degrees (0..360), shrunk to fit")
                    .Param(ParamDef::Int("angle", 0, 360))
                    .On("RotateBitmapSpeedButton", QT_TRANSLATE_NOOP("Operations", "Rotate by Angle..."), kCompareWindow)
                    .Face(QT_TRANSLATE_NOOP("Operations", "Rotate"), QT_TRANSLATE_NOOP("Operations", "Rotate by an angle"))
                    .On("RotateByAngleItem", QT_TRANSLATE_NOOP("Operations", "Rotate by &Angle..."), kBothWindows)
                    .Pixel()
                    .Asks([](const EditState&, OpArgs& a) { a.Set("angle", 30); }));
    t.push_back(Operation("resize",
                          [](Editor& e, const OpArgs& a) {
                              const ImagePoint size = a.Pair("size");
                              e.CommitPicture(ResizeImage(e.State().picture.Work(), size.x, size.y));
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "New Size"))
                    .Usage("resize:WxH", "resample to W x H pixels")
                    .Param(ParamDef::Pair("size", 0, 1000000))
                    .On("Redimensionner1", QT_TRANSLATE_NOOP("Operations", "&New Size..."), kBothWindows)
                    .Asks([](const EditState& st, OpArgs& a) {
                        a.Set("size", ImagePoint{st.picture.Baseline().width(), st.picture.Baseline().height()});
                    }));
    t.push_back(Operation("crop", [](Editor& e, const OpArgs& a) { Reframed(e, Cropped(e.State().picture.Work(), RectOf(a))); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Crop"))
                    .Usage("crop:L,T,R,B", "keep columns L..R-1 and rows T..B-1")
                    .Param(ParamDef::Int("left", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("top", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("right", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("bottom", -kRectLimit, kRectLimit))
                    .Recorded(21, kBothWindows, "left")
                    .AlsoRecorded({"top", "right", "bottom"})
                    .Progress(QT_TRANSLATE_NOOP("Operation", "Cropping...")));
    t.push_back(Operation("straighten",
                          [](Editor& e, const OpArgs& a) {
                              EditState& st = e.State();
                              if (a.Int("tenths") == 0) return;
                              Reframed(e, Straightened(st.picture.Work(), a.Int("tenths"), st.registers.Angles()));
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Straighten"))
                    .Usage("straighten:A", "turn by A degrees clockwise (-45..45, one decimal) and keep the\n"
                                           "largest centred part of the same proportions")
                    .Param(ParamDef::Int("tenths", -450, 450))
                    .Parser(AngleInTenths)
                    .Recorded(22, kBothWindows, "tenths")
                    .Progress(QT_TRANSLATE_NOOP("Operation", "Straightening...")));
    t.push_back(Operation("red-eye",
                          [](Editor& e, const OpArgs& a) {
                              RemoveRedEye(e.PixelSource(), e.State().picture.Work(), RectOf(a), a.Int("ellipse") != 0);
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Red-Eye Removal"))
                    .Usage("red-eye:L,T,R,B", "take the red out of eyes inside the rectangle;\n"
                                              "red-eye:ellipse,L,T,R,B inside the ellipse inscribed in it")
                    .Param(ParamDef::Int("left", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("top", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("right", -kRectLimit, kRectLimit))
                    .Param(ParamDef::Int("bottom", -kRectLimit, kRectLimit))
                    .Parser(RedEyeWords)
                    .Recorded(23, kBothWindows, "left")
                    .AlsoRecorded({"top", "right", "bottom", "ellipse"})
                    .Pixel()
                    .InPlace());
    t.push_back(Operation("brush", BrushStrokeAlong)
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Brush Stroke"))
                    .Usage("brush:KIND,PATH", "one stroke of a brush: the press at the first point of PATH,\n"
                                              "then one dab at each further point; KIND is one of\n"
                                              "soften, sharpen, lighten, darken, daub, noise, spray,\n"
                                              "colour-eraser")
                    .Param(ParamDef::Choice("kind", kBrushKinds))
                    .Param(ParamDef::Path("path", -1000000, 1000000))
                    .Param(ParamDef::Int("diameter", 2, 96, "32").Keyed())
                    .Param(ParamDef::Colour("colour1", "#FDE973").Keyed())
                    .Param(ParamDef::Colour("colour2", "#808080").Keyed())
                    .NotBusy());
    t.push_back(Operation("fill", FillFrom)
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Fill"))
                    .Usage("fill:X,Y", "flood fill of the pixels connected to X,Y whose channels all lie\n"
                                       "within the threshold of its own")
                    .Param(ParamDef::Int("x", -1000000, 1000000))
                    .Param(ParamDef::Int("y", -1000000, 1000000))
                    .Param(ParamDef::Colour("colour", "#FDE973").Keyed())
                    .Param(ParamDef::Int("threshold", 1, 36, "8").Keyed())
                    .Pixel()
                    .NotBusy());
    t.push_back(Operation("select", SelectFromArgs)
                    .Usage("select:L,T,R,B", "rectangle selection of columns L..R-1 and rows T..B-1; the operations\n"
                                             "after it that a selection confines stay inside it;\n"
                                             "select:ellipse,L,T,R,B the ellipse inscribed in it;\n"
                                             "select:none drops the selection")
                    .Param(ParamDef::Int("left", -kSelectLimit, kSelectLimit))
                    .Param(ParamDef::Int("top", -kSelectLimit, kSelectLimit))
                    .Param(ParamDef::Int("right", -kSelectLimit, kSelectLimit))
                    .Param(ParamDef::Int("bottom", -kSelectLimit, kSelectLimit))
                    .Parser(SelectionWords)
                    .NotBusy()
                    .KeepsImage());
    t.push_back(Operation("erase",
                          [](Editor& e, const OpArgs& a) {
                              EditState& st = e.State();
                              const Colour c = a.Has("colour") ? a.ColourOf("colour") : e.BackgroundColour();
                              EraseSelection(st.picture.Work(), st.selection.Confine(), c);
                          })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Erase"))
                    .Usage("erase[:#RRGGBB]", "fill the selection (the whole image without one) with the colour,\n"
                                              "default white")
                    .Parser(OptionalColour)
                    .On("Effacer1", QT_TRANSLATE_NOOP("Operations", "&Erase"), kBothWindows)
                    .Pixel());
    t.push_back(Operation("macro", [](Editor& e, const OpArgs&) { e.ExecuteMacro(); })
                    .Sequence([](Editor& e, const OpArgs&, RunEnd end) { e.ReplayMacro(std::move(end)); })
                    .Undoable(QT_TRANSLATE_NOOP("Operation", "Macro"))
                    .Usage("macro", "the recorded macro; as a window starts: flesh balance, then auto smooth")
                    .On("Executer", QT_TRANSLATE_NOOP("Operations", "&Execute"), kBothWindows)
                    .NotBusy()
                    .KeepsImage());  // the operations it replays mark the photo themselves
    AddComposeOperations(t);
    return t;
}

}  // namespace

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> table = BuildTable();
    return table;
}

}  // namespace lum
