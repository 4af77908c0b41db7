#include "app/App.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/QtPrompts.h"
#include "widgets/Icons.h"

namespace lum {

int RunGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("lumora"));
    EnsureLumoraResources();
    QApplication::setWindowIcon(LumoraIcon(QStringLiteral("lumora")));

    QtPrompts prompts;
    CreateForms(&prompts);
    prompts.SetParent(MemPhotoActionForm);

    // `lumora PHOTO.jpg` starts with that photo.
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1Char('-'))) continue;
        if (QFileInfo(args[i]).isFile()) MemPhotoActionForm->OpenAfterStart(QFileInfo(args[i]).absoluteFilePath());
        else std::fprintf(stderr, "lumora: %s: no such file\n", qPrintable(args[i]));
        break;
    }

    MemPhotoActionForm->showMaximized();
    const int rc = QApplication::exec();
    DestroyForms();
    return rc;
}

}  // namespace lum
