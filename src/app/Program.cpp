// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string>

#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/DisplayCheck.h"
#include "app/FolderMemory.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/Translations.h"
#include "compose/PictureChooser.h"
#include "image/Image.h"
#include "widgets/Icons.h"
#include "widgets/QtPrompts.h"
#include "widgets/ScreenReaderNames.h"

namespace lum {

Program::Program(Prompts* prompts) {
    // Photos are replaced all the time here (loads, commits, the compare window): big buffers
    // given back are reused instead of having the system clear fresh pages for every photo.
    Image::SetBufferReserve(kBufferReserveBytes);
    // Added by the desktop after the captions of the windows and dialogs: "Gaussian Blur — Lumora".
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Lumora"));
    // Screen readers hear every control by the words beside it, in every window as it opens.
    NameControlsOfEveryWindow();
    main_ = std::make_unique<MainWindow>(prompts);
    dialogs_ = std::make_unique<Dialogs>(main_.get());
    main_->SetDialogs(dialogs_.get());

    // The picture chooser loads into the main window's mix source (the "&Image" command points
    // it at the mix source of whichever window opens it).
    PictureChooser& chooser = dialogs_->Chooser();
    chooser.SetTargetImage(&main_->State().picture.MixSource());
    chooser.SetPrompts(&main_->prompts());

    // "Mémorizer last working folder" is kept between runs.
    OptionsDialog& options = dialogs_->Options();
    options.SetMemorizeLastFolder(FolderMemory::Enabled());
    // The compare-and-edit window, created anew at each opening.
    main_->SetCompareWindowOpener(
        [this, prompts](QWidget* parent, const ComparedPhoto& photo, MainWindow::CompareClosed closed) {
            CompareWindow::Open(parent, *dialogs_, prompts, photo,
                                [this, closed](std::optional<KeptEdits> kept, const QString& next) {
                                    if (!next.isEmpty()) main_->OpenAfterCompare(next);
                                    closed(std::move(kept));
                                });
        });

    MainWindow* main = main_.get();
    QObject::connect(&options, &OptionsDialog::memorizeLastFolderToggled, main, [main](bool on) {
        FolderMemory::SetEnabled(on);
        if (on) FolderMemory::Remember(QString::fromStdString(main->State().file.CurrentFolder()));
    });
    QObject::connect(&options, &OptionsDialog::standardParametersReset, main, [] { FolderMemory::Forget(); });
}

Program::~Program() {
    dialogs_.reset();
    main_.reset();
}

QStringList Program::CreationOrder() const { return QStringList{QStringLiteral("TMemPhotoActionForm")} + dialogs_->CreationOrder(); }

int RunGui(int argc, char** argv) {
    std::string why;
    if (!DisplayExpected(argc, argv, why)) {
        std::fprintf(stderr, "%s\n", NoDisplayMessage(why).c_str());
        return 1;
    }
    std::unique_ptr<StartupMessages> startup = std::make_unique<StartupMessages>();
    QApplication app(argc, argv);  // takes its own options out of argv
    startup.reset();
    QApplication::setApplicationName(QStringLiteral("lumora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lumora.Lumora"));
    // Before any window exists, so every caption is made in the desktop's language.
    UiTranslation translation;
    translation.Load(DesktopLanguages(QProcessEnvironment::systemEnvironment()), TranslationFolders());
    EnsureLumoraResources();
    QApplication::setWindowIcon(LumoraIcon(QStringLiteral("lumora")));

    // `lumora PHOTO...` or `lumora FOLDER`, read before any window lists a folder (which may
    // change the current folder).
    QStringList args;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) args << QString::fromLocal8Bit(argv[i]);
    const MainWindow::StartRequest request = MainWindow::ReadStartArguments(args, QDir::currentPath());
    for (const QString& missing : request.missing)
        std::fprintf(stderr, "lumora: %s: no such file or folder\n", missing.toLocal8Bit().constData());

    QtPrompts prompts;
    Program program(&prompts);
    MainWindow& main = program.Window();
    prompts.SetParent(&main);
    main.StartWith(request);

    main.showMaximized();
    return QApplication::exec();
}

}  // namespace lum
