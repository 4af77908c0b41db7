#include "app/Forms.h"

#include <QGuiApplication>
#include <QObject>

#include "app/BlurDialog.h"
#include "app/FolderMemory.h"
#include "app/MainWindow.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"

TMemPhotoActionForm* MemPhotoActionForm = nullptr;
TEform2* Eform2 = nullptr;
TEform3* Eform3 = nullptr;
TEform4* Eform4 = nullptr;
TEform5* Eform5 = nullptr;
TEform6* Eform6 = nullptr;
TEForm8* EForm8 = nullptr;
TEform7* Eform7 = nullptr;

namespace lum {

namespace {
QStringList& creationOrder() {
    static QStringList order;
    return order;
}

// Creates one window, names it and clears its reference should it go away on its own.
template <class T>
T* create(T*& ref, const char* className, const char* objectName, QWidget* parent) {
    ref = new T(parent);
    ref->setObjectName(QString::fromLatin1(objectName));
    QObject::connect(ref, &QObject::destroyed, [&ref] { ref = nullptr; });
    creationOrder() << QString::fromLatin1(className);
    return ref;
}
}  // namespace

void CreateForms(Prompts* prompts) {
    creationOrder().clear();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tarnel Lumora"));

    MemPhotoActionForm = new TMemPhotoActionForm(prompts);
    QObject::connect(MemPhotoActionForm, &QObject::destroyed, [] { MemPhotoActionForm = nullptr; });
    creationOrder() << QStringLiteral("TMemPhotoActionForm");
    QWidget* owner = MemPhotoActionForm;

    create(Eform2, "TEform2", "Eform2", owner);
    create(Eform3, "TEform3", "Eform3", owner);
    create(Eform4, "TEform4", "Eform4", owner);
    create(Eform5, "TEform5", "Eform5", owner);
    create(Eform6, "TEform6", "Eform6", owner);
    create(EForm8, "TEForm8", "EForm8", owner);
    create(Eform7, "TEform7", "Eform7", owner);

    // The picture chooser loads into the main window's memorized image.
    Eform3->SetTargetImage(&MemPhotoActionForm->State().MemoryImage);
    Eform3->SetPrompts(&MemPhotoActionForm->prompts());

    // "Mémorizer last working folder" is kept between runs.
    Eform2->SetMemorizeLastFolder(FolderMemory::Enabled());
    QObject::connect(Eform2, &TEform2::memorizeLastFolderToggled, [](bool on) {
        FolderMemory::SetEnabled(on);
        if (on && MemPhotoActionForm)
            FolderMemory::Remember(QString::fromStdString(MemPhotoActionForm->State().CurrentFolder));
    });
    QObject::connect(Eform2, &TEform2::standardParametersReset, [] { FolderMemory::Forget(); });
}

void DestroyForms() {
    delete Eform7;
    delete EForm8;
    delete Eform6;
    delete Eform5;
    delete Eform4;
    delete Eform3;
    delete Eform2;
    delete MemPhotoActionForm;
}

QStringList FormCreationOrder() { return creationOrder(); }

}  // namespace lum
