// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print...: the photos selected in the list, else the picture on screen, loaded and
// brought down to the printer's resolution on the pool, then shown in the print preview, where
// the print size, photos per page and fit or fill are chosen.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <memory>

#include "app/MainWindow.h"
#include "app/PhotoPrint.h"
#include "image/Codec.h"
#include "view/PhotoList.h"
#include "widgets/Job.h"

namespace {

// More pixels per inch than this is not seen on photo paper, and only makes the job bigger.
constexpr int kMostPrintDpi = 300;

}  // namespace

void MainWindow::buildPrint() {
    auto* print = new QAction(tr("P&rint..."), this);
    print->setObjectName(QStringLiteral("PrintPhotos"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setShortcutContext(Qt::WindowShortcut);
    addAction(print);
    connect(print, &QAction::triggered, this, [this] { Guard([this] { PrintPhotos(); }); });
    QAction* exportCopies = findChild<QAction*>(QStringLiteral("ExportCopies"));
    if (QMenu* file = MenuBar()->findChild<QMenu*>(QStringLiteral("Fichier1"))) {
        const QList<QAction*> items = file->actions();
        const int at = static_cast<int>(items.indexOf(exportCopies));
        file->insertAction(at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr, print);
    }
    QMenu* listMenu = photoList_->PopupMenu();
    const QList<QAction*> items = listMenu->actions();
    const int at = static_cast<int>(items.indexOf(exportCopies));
    listMenu->insertAction(at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr, print);
}

void MainWindow::PrintPhotos() {
    const QStringList files = SelectedPhotos();
    auto shown = std::make_shared<lum::Image>();
    if (files.isEmpty() && !SharingShownPicture(files)) {
        prompts().Message(tr("Open a photo, or select photos in the photo list, first.").toStdString());
        return;
    }
    if (SharingShownPicture(files)) {
        // The picture as it is on screen, edits included; taken once no job holds it, a big one
        // off the window's thread.
        const auto start = [this, shown] {
            editor().Offload([this, shown] { *shown = State().picture.Work(); },
                             [this, shown](std::exception_ptr failure) {
                                 if (failure) return Guard([failure] { std::rethrow_exception(failure); });
                                 startPrint({}, shown);
                             });
        };
        if (!AfterWork(start)) start();
        return;
    }
    startPrint(files, shown);
}

void MainWindow::startPrint(const QStringList& files, std::shared_ptr<lum::Image> shown) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(lum::StartingPaper());
    const QSizeF area = printer->pageLayout().paintRect(QPageLayout::Millimeter).size();
    const int dpi = std::min(printer->resolution(), kMostPrintDpi);
    auto photos = std::make_shared<QList<QImage>>();
    auto unreadable = std::make_shared<QStringList>();
    lum::Job* job = lum::Job::Start(this, [files, shown, area, dpi, photos, unreadable] {
        if (!shown->empty()) photos->append(lum::PreparePhotoForPrint(*shown, area, dpi));
        for (const QString& f : files) {
            try {
                photos->append(lum::PreparePhotoForPrint(lum::LoadPicture(f.toStdString()).image, area, dpi));
            } catch (const std::exception& e) {
                unreadable->append(QFileInfo(f).fileName() + QStringLiteral(": ") + QString::fromStdString(e.what()));
            }
        }
        *shown = lum::Image();  // the copy is let go of here, not on the window's thread
    });
    connect(job, &lum::Job::finished, this, [this, printer, photos, unreadable](std::exception_ptr failure) {
        if (failure) {
            Guard([failure] { std::rethrow_exception(failure); });
            return;
        }
        if (!unreadable->isEmpty())
            prompts().Message(tr("These photos could not be read and are left out:\n%1").arg(unreadable->join(QLatin1Char('\n'))).toStdString());
        if (photos->isEmpty()) return;
        openPrintPreview(printer, *photos);
    });
}

void MainWindow::openPrintPreview(std::shared_ptr<QPrinter> printer, const QList<QImage>& photos) {
    auto settings = std::make_shared<lum::PrintSettings>();
    printer->setPageOrientation(lum::LandscapePagesFor(photos.front().size(), settings->perPage) ? QPageLayout::Landscape
                                                                                                : QPageLayout::Portrait);
    auto* preview = new QPrintPreviewDialog(printer.get(), this);
    preview->setObjectName(QStringLiteral("PrintPreview"));
    preview->setWindowTitle(tr("Print Photos"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QObject::destroyed, this, [printer] {});  // the printer lives as long as its preview
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [photos, settings](QPrinter* p) { lum::PaintPhotos(*p, photos, *settings); });

    // The photo settings on the preview's own tool bar.
    auto* bar = new QToolBar(preview);
    bar->setObjectName(QStringLiteral("PrintPhotoBar"));
    auto* size = new QComboBox(bar);
    size->setObjectName(QStringLiteral("PrintPhotoSize"));
    size->addItem(tr("10 × 15 cm"), int(lum::PrintSettings::Size::Cm10x15));
    size->addItem(tr("13 × 18 cm"), int(lum::PrintSettings::Size::Cm13x18));
    size->addItem(tr("20 × 25 cm"), int(lum::PrintSettings::Size::Cm20x25));
    size->addItem(tr("Fit the page"), int(lum::PrintSettings::Size::FitPage));
    auto* perPage = new QComboBox(bar);
    perPage->setObjectName(QStringLiteral("PrintPerPage"));
    perPage->addItem(tr("1 photo per page"), 1);
    for (int n : {2, 4}) perPage->addItem(tr("%1 photos per page").arg(n), n);
    auto* fill = new QCheckBox(tr("&Fill and crop"), bar);
    fill->setObjectName(QStringLiteral("PrintFill"));
    fill->setToolTip(tr("Fill the whole place and cut off what goes beyond it, centred; otherwise the whole photo is printed"));
    auto* sizeLabel = new QLabel(tr("Photo &size:"), bar);
    sizeLabel->setBuddy(size);
    bar->addWidget(sizeLabel);
    bar->addWidget(size);
    bar->addSeparator();
    bar->addWidget(perPage);
    bar->addSeparator();
    bar->addWidget(fill);
    if (auto* layout = preview->layout()) layout->setMenuBar(bar);

    auto* view = preview->findChild<QPrintPreviewWidget*>();
    const auto changed = [=] {
        settings->size = static_cast<lum::PrintSettings::Size>(size->currentData().toInt());
        const int n = perPage->currentData().toInt();
        if (n != settings->perPage) {
            settings->perPage = n;
            if (view) {
                if (lum::LandscapePagesFor(photos.front().size(), n)) view->setLandscapeOrientation();
                else view->setPortraitOrientation();
            }
        }
        settings->fill = fill->isChecked();
        if (view) view->updatePreview();
    };
    connect(size, &QComboBox::currentIndexChanged, preview, changed);
    connect(perPage, &QComboBox::currentIndexChanged, preview, changed);
    connect(fill, &QCheckBox::toggled, preview, changed);
    preview->resize(900, 700);
    preview->open();
}
