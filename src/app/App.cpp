#include "app/App.h"

#include <QApplication>
#include <QFileInfo>
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

namespace lum {

Program::Program(Prompts* prompts) {
    // Photos are replaced all the time here (loads, commits, the compare window): big buffers
    // given back are reused instead of having the system clear fresh pages for every photo.
    Image::SetBufferReserve(kBufferReserveBytes);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tarnel Lumora"));
    main_ = std::make_unique<TMemPhotoActionForm>(prompts);
    dialogs_ = std::make_unique<Dialogs>(main_.get());
    main_->SetDialogs(dialogs_.get());

    // The picture chooser loads into the main window's mix source (the "&Image" command points
    // it at the mix source of whichever window opens it).
    TEform3& chooser = dialogs_->PictureChooser();
    chooser.SetTargetImage(&main_->State().MixSource);
    chooser.SetPrompts(&main_->prompts());

    // "Mémorizer last working folder" is kept between runs.
    TEform2& options = dialogs_->Options();
    options.SetMemorizeLastFolder(FolderMemory::Enabled());
    // The compare-and-edit window, created anew at each opening.
    main_->SetCompareWindowOpener([this, prompts](QWidget* parent, const ComparedPhoto& photo) {
        return TViewBigEditPhotoForm::Open(parent, *dialogs_, prompts, photo);
    });

    TMemPhotoActionForm* main = main_.get();
    QObject::connect(&options, &TEform2::memorizeLastFolderToggled, main, [main](bool on) {
        FolderMemory::SetEnabled(on);
        if (on) FolderMemory::Remember(QString::fromStdString(main->State().CurrentFolder));
    });
    QObject::connect(&options, &TEform2::standardParametersReset, main, [] { FolderMemory::Forget(); });
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

    QtPrompts prompts;
    Program program(&prompts);
    TMemPhotoActionForm& main = program.MainWindow();
    prompts.SetParent(&main);

    // `lumora PHOTO` starts with that photo (after "--" a name may start with a dash).
    bool names = false;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!names && arg == QLatin1String("--")) {
            names = true;
            continue;
        }
        // The noise brush's seed belongs to the command line; the window draws afresh.
        if (!names && arg.startsWith(QLatin1String("--seed="))) continue;
        if (!names && arg == QLatin1String("--seed")) {
            ++i;
            continue;
        }
        if (QFileInfo(arg).isFile()) main.OpenAfterStart(QFileInfo(arg).absoluteFilePath());
        else std::fprintf(stderr, "lumora: %s: no such file\n", argv[i]);
        break;
    }

    main.showMaximized();
    return QApplication::exec();
}

}  // namespace lum
