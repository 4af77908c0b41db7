// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs behind the compositing commands, as answers to their parameter questions: the
// gradient parameters (new image, gradient mix, lighten gradient), the images mix, the picture
// chooser and the text stamp. The dialogs are shared by both windows; each question comes with
// the window that asks it, whose state they read and whose prompts ask colours and fonts.
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>

#include "app/Dialogs.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "editing/Compose.h"
#include "editing/EditState.h"
#include "editing/Prompts.h"
#include "widgets/ImageConvert.h"

namespace lum {

namespace {

using Context = Dialogs::AskContext;

// The colour and font dialogs through the window's prompts (the toolkit's own without them).
ColourAsker ColourThrough(Prompts* prompts) {
    if (!prompts) return {};
    return [prompts](QColor& c) {
        Colour chosen = FromQColor(c);
        if (!prompts->AskColour(chosen)) return false;
        c = ToQColor(chosen);
        return true;
    };
}

FontAsker FontThrough(Prompts* prompts) {
    if (!prompts) return {};
    return [prompts](QFont& f) {
        FontChoice chosen{f.family().toStdString(), f.pointSize(), f.bold(), f.italic()};
        if (!prompts->AskFont(chosen)) return false;
        f.setFamily(QString::fromStdString(chosen.family));
        if (chosen.pointSize > 0) f.setPointSize(chosen.pointSize);
        f.setBold(chosen.bold);
        f.setItalic(chosen.italic);
        return true;
    };
}

ImagePoint WorkSize(const Context& c, const OpArgs& args) {
    if (c.state) return ImagePoint{c.state->picture.Work().width(), c.state->picture.Work().height()};
    return args.Has("size") ? args.Pair("size") : ImagePoint{};
}

// The gradient dialog under a caption; `size`, when given, is preset. Answers the output size,
// the style, the colours and the centre scaled to the output.
bool AskGradient(GradientDialog& d, const QString& caption, const ImagePoint* size, OpArgs& args, const Dialogs::Exec& exec,
                 const Context& c) {
    d.SetCaption(caption);
    if (size) d.SetOutputSize(size->x, size->y);
    d.SetColourAsker(ColourThrough(c.prompts));
    if (exec(d) != QDialog::Accepted) return false;
    args.Set("size", ImagePoint{d.OutputWidth(), d.OutputHeight()});
    PutGradientArgs(args, d.Params());
    return true;
}

// The presets of a command go into the mix dialog as a user would set them: style and
// resizing through their change handlers first, then the values.
void PresetMix(MixDialog& m, const OpArgs& args) {
    const MixOptions o = MixFromArgs(args, m.Options());
    if (args.Has(kMixStyle.key)) m.SetStyle(o.style);
    if (args.Has(kMixResize.key)) m.SetResize(o.resize);
    // Style and resizing as they are now: no handler runs again.
    m.SetOptions(MixFromArgs(args, m.Options()));
}

// What the mix dialog calls its source: the picture file's name, or what the command took.
QString MixSourceName(const OpArgs& args) {
    const std::string source = args.Has("source") ? args.Text("source") : std::string();
    if (source == kMixFromClipboard) return QCoreApplication::translate("ComposeAskers", "Clipboard image");
    if (source == kMixFromGradient) return QCoreApplication::translate("ComposeAskers", "Gradient");
    if (source == kMixFromText) return QCoreApplication::translate("ComposeAskers", "Text stamp");
    if (source.empty()) return QCoreApplication::translate("ComposeAskers", "Picture");
    return QFileInfo(QString::fromStdString(source)).fileName();
}

// Puts something back when the question is over, also when it ends by an exception.
template <class F>
struct Restore {
    F f;
    ~Restore() { f(); }
};
template <class F>
Restore<F> OnExit(F f) {
    return Restore<F>{f};
}

}  // namespace

void AddComposeAskers(std::map<std::string, Dialogs::Asker>& askers) {
    askers["new"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        // The size is the dialog's own, as it was last left.
        return AskGradient(d.Gradient(), QCoreApplication::translate("ComposeAskers", "New image"), nullptr,
                           args, exec, c);
    };
    askers["lighten-gradient"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        const ImagePoint size = WorkSize(c, args);
        return AskGradient(d.Gradient(),
                           QCoreApplication::translate("ComposeAskers", "Lighten gradient parameters"), &size, args,
                           exec, c);
    };
    askers["mix-gradient"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        const ImagePoint size = WorkSize(c, args);
        const QString caption =
            QCoreApplication::translate("ComposeAskers", "Gradient to mix into %1 x %2").arg(size.x).arg(size.y);
        return AskGradient(d.Gradient(), caption, &size, args, exec, c);
    };
    askers["mix"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        MixDialog& m = d.Mix();
        PresetMix(m, args);
        const ImagePoint work = WorkSize(c, args);
        static const Image none;
        const Image& source = c.state ? c.state->picture.MixSource() : none;
        m.Prepare(source, MixSourceName(args), work.x, work.y);
        if (exec(m) != QDialog::Accepted) return false;
        PutMixArgs(args, m.Options());
        return true;
    };
    askers["mix-image"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        // The chooser loads every picture picked into the mix source of the window that opened
        // it and tells that window's prompts when a drive is not ready.
        PictureChooser& chooser = d.Chooser();
        Image* target = chooser.TargetImage();
        Prompts* prompts = chooser.GivenPrompts();
        const auto restore = OnExit([&] {
            chooser.SetTargetImage(target);
            chooser.SetPrompts(prompts);
        });
        if (c.state) chooser.SetTargetImage(&c.state->picture.MixSource());
        if (c.prompts) chooser.SetPrompts(c.prompts);
        // It opens on the folder of the photo on screen.
        if (c.state) chooser.StartIn(QString::fromStdString(c.state->file.CurrentFolder()));
        if (exec(chooser) != QDialog::Accepted || chooser.ChosenPicture().isEmpty()) return false;
        args.Set("source", chooser.ChosenPicture().toStdString());
        return true;
    };
    askers["text-stamp"] = [](const Dialogs& d, OpArgs& args, const Dialogs::Exec& exec, const Context& c) {
        TextStampDialog& t = d.TextStamp();
        t.SetFontAsker(FontThrough(c.prompts));
        // The letters' size is a share of this photo's height; the preview shows them on it.
        t.SetPhoto(c.state ? c.state->picture.Work() : Image());
        if (exec(t) != QDialog::Accepted) return false;
        // Its OK took the text rectangle of the preview: the stamp is the mix source.
        if (c.state) c.state->picture.MixSource() = t.MixSource();
        args.Set("background", t.BackgroundColour());
        return true;
    };
}

}  // namespace lum
