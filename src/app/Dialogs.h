// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs of the program, one instance each, created in their start-up order and handed to
// the windows that use them. They also answer the parameter questions of the operations whose
// commands open a dialog (the blur radius, the new size).
#pragma once
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <string>

class QWidget;
class OptionsDialog;
class PictureChooser;
class MixDialog;
class GradientDialog;
class NewSizeDialog;
class BlurDialog;
class TextStampDialog;

namespace lum {

class EditState;
struct Operation;
class OpArgs;
class Prompts;

// The window a parameter question comes from.
struct DialogAskContext {
    EditState* state = nullptr;  // its editing state: sizes, the mix source
    Prompts* prompts = nullptr;  // its prompts: the colour and font dialogs, the chooser's notices
};

class Dialogs {
public:
    // Shows a dialog modally and returns its result; the window counts it as a modal visit.
    using Exec = std::function<int(QDialog&)>;
    using AskContext = DialogAskContext;
    using Asker = std::function<bool(const Dialogs&, OpArgs&, const Exec&, const AskContext&)>;

    // Creates Options, Select a picture, Image mix, Gradient parameters, New size, Gaussian Blur
    // and Text stamp, owned by owner (may be null).
    explicit Dialogs(QWidget* owner = nullptr);
    ~Dialogs();
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    OptionsDialog& Options() const;
    PictureChooser& Chooser() const;
    MixDialog& Mix() const;
    GradientDialog& Gradient() const;
    NewSizeDialog& NewSize() const;
    BlurDialog& Blur() const;
    TextStampDialog& TextStamp() const;
    // Class names in the order they were created.
    QStringList CreationOrder() const;

    // Whether an operation has its dialog here.
    bool HasDialogFor(const Operation& op) const;
    // Fills args from the operation's dialog, started from them; false when cancelled.
    bool AskParameters(const Operation& op, OpArgs& args, const Exec& exec, const AskContext& context = {}) const;

private:
    std::map<std::string, Asker> askers_;
    QPointer<QWidget> owner_;
    // Guarded: the owner may have taken its children with it already.
    QPointer<OptionsDialog> options_;
    QPointer<PictureChooser> chooser_;
    QPointer<MixDialog> mix_;
    QPointer<GradientDialog> gradient_;
    QPointer<NewSizeDialog> newSize_;
    QPointer<BlurDialog> blur_;
    QPointer<TextStampDialog> text_;
};

// The dialogs of the compositing commands: the gradient, the mix, the picture chooser, the text.
void AddComposeAskers(std::map<std::string, Dialogs::Asker>& askers);

}  // namespace lum
