// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dialogs.h"

#include <QApplication>

#include "app/BlurDialog.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "app/RotateAngleDialog.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "editing/Operation.h"

namespace lum {

namespace {
template <class T>
T* Make(const char* objectName, QWidget* owner) {
    auto* dialog = new T(owner);
    dialog->setObjectName(QString::fromLatin1(objectName));
    return dialog;
}
}  // namespace

Dialogs::Dialogs(QWidget* owner)
    : owner_(owner),
      options_(Make<OptionsDialog>("Eform2", owner)),
      chooser_(Make<PictureChooser>("Eform3", owner)),
      mix_(Make<MixDialog>("Eform4", owner)),
      gradient_(Make<GradientDialog>("Eform5", owner)),
      newSize_(Make<NewSizeDialog>("Eform6", owner)),
      blur_(Make<BlurDialog>("EForm8", owner)),
      text_(Make<TextStampDialog>("Eform7", owner)) {
    askers_["blur"] = [](const Dialogs& d, OpArgs& args, const Exec& exec, const AskContext&) {
        // The dialog keeps the radius last chosen.
        if (exec(d.Blur()) != QDialog::Accepted) return false;
        args.Set("radius", d.Blur().Radius());
        return true;
    };
    askers_["rotate"] = [](const Dialogs& d, OpArgs& args, const Exec& exec, const AskContext&) {
        // Made for this question only, so it starts at 30 each time; over the window asking.
        QWidget* over = QApplication::activeWindow();
        RotateAngleDialog form(over ? over : d.owner_.data());
        exec(form);
        if (!form.Accepted()) return false;
        args.Set("angle", form.Angle());
        return true;
    };
    askers_["resize"] = [](const Dialogs& d, OpArgs& args, const Exec& exec, const AskContext&) {
        const ImagePoint size = args.Pair("size");  // the baseline's size: the ratio and the proposal
        d.NewSize().SetImageSize(size.x, size.y);
        d.NewSize().SetNewSize(size.x, size.y);
        if (exec(d.NewSize()) != QDialog::Accepted) return false;
        // OK on the proposal changes nothing: a photo over the limits is never shrunk unasked.
        if (!d.NewSize().SizeChanged()) return false;
        args.Set("size", ImagePoint{d.NewSize().NewWidth(), d.NewSize().NewHeight()});
        return true;
    };
    AddComposeAskers(askers_);
}

// Last created first.
Dialogs::~Dialogs() {
    delete text_;
    delete blur_;
    delete newSize_;
    delete gradient_;
    delete mix_;
    delete chooser_;
    delete options_;
}

OptionsDialog& Dialogs::Options() const { return *options_; }
PictureChooser& Dialogs::Chooser() const { return *chooser_; }
MixDialog& Dialogs::Mix() const { return *mix_; }
GradientDialog& Dialogs::Gradient() const { return *gradient_; }
NewSizeDialog& Dialogs::NewSize() const { return *newSize_; }
BlurDialog& Dialogs::Blur() const { return *blur_; }
TextStampDialog& Dialogs::TextStamp() const { return *text_; }

QStringList Dialogs::CreationOrder() const {
    return {QStringLiteral("TEform2"), QStringLiteral("TEform3"), QStringLiteral("TEform4"), QStringLiteral("TEform5"),
            QStringLiteral("TEform6"), QStringLiteral("TEForm8"), QStringLiteral("TEform7")};
}

bool Dialogs::HasDialogFor(const Operation& op) const { return askers_.count(op.name) != 0; }

bool Dialogs::AskParameters(const Operation& op, OpArgs& args, const Exec& exec, const AskContext& context) const {
    auto it = askers_.find(op.name);
    return it != askers_.end() && it->second(*this, args, exec, context);
}

}  // namespace lum
