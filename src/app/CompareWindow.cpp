// The compare window's creation, filling, pane layout, zoom and closing.
#include "app/CompareWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

#include "app/Saving.h"
#include "image/Arith.h"
#include "image/Stretch.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "widgets/ImageConvert.h"
#include "widgets/PictureLabel.h"
#include "widgets/RealMemoryPanel.h"

namespace {
const char* const kCloseCaption = "Save or not?";
const char* const kCloseText = "The optimized photo was changed. Do you want to save it before closing this window?";
const lum::WindowShell::Kind kCompareShell{lum::EditorPolicy::CompareWindow(), lum::kSaveFilterCompare,
                                           {"Compare_", 24, 0}, true};
}  // namespace

TViewBigEditPhotoForm::TViewBigEditPhotoForm(lum::Dialogs& dialogs, lum::Prompts* prompts, QWidget* parent)
    : WindowShell(kCompareShell, prompts, &dialogs, parent, Qt::Window) {
    setObjectName(QStringLiteral("ViewBigEditPhotoForm"));
    setWindowModality(Qt::ApplicationModal);

    buildUi();
    makeSelectionToolbar();
    buildPaintToolbar();
    buildMenus();

    // A fill that was stopped by a close request has ended: close now.
    connect(Pane(), &lum::EditPane::BusyChanged, this, [this](bool on, lum::BusyKind) {
        if (!on && closeAfterWork_ && !Pane()->InsideWork()) {
            closeAfterWork_ = false;
            QTimer::singleShot(0, this, [this] { close(); });
        }
    });

    resize(1024, 740);
    startEditing();
}

TViewBigEditPhotoForm::~TViewBigEditPhotoForm() = default;

void TViewBigEditPhotoForm::Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts,
                                 const std::string& fileInfo, const lum::Image& optimized,
                                 const lum::Image& original) {
    TViewBigEditPhotoForm form(dialogs, prompts, parent);
    form.SetFileInfoText(fileInfo);
    form.FillCompareWindow(optimized, original);
    form.ShowModal();
}

// ---------------------------------------------------------------------------------------------
// Creation, filling, activation, closing

void TViewBigEditPhotoForm::FillCompareWindow(const lum::Image& optimized, const lum::Image& original) {
    lum::EditState& st = State();
    // 1. The memo: one line for the text before each "#".
    PhotoFileNameMemo->clear();
    const QString info = QString::fromStdString(st.FileInfoText);
    const QStringList parts = info.split(QLatin1Char('#'));
    for (int i = 0; i + 1 < parts.size(); ++i) PhotoFileNameMemo->appendPlainText(parts[i]);
    PhotoFileNameMemo->moveCursor(QTextCursor::Start);
    // 2, 3. No selection, 100 %, scrolled to the top-left corner.
    editor().ClearSelection();
    st.DropSelection();
    st.ZoomIndex = lum::kHundredPercentSlot;
    View()->ScrollToTopLeft();
    // 4, 5, 6. The photos, then the commit at 100 %.
    st.MemoryImage = optimized;
    showOriginal(QImage());  // the label may still show the pixels about to be replaced
    originalPhoto_ = original;
    optimizedPhoto_ = st.MemoryImage;
    editor().CommitMemoryImage(lum::CommitMode::Compare100);
    // 7. The original at 100 %.
    showOriginal(lum::QImageView(originalPhoto_));  // shared: unchanged until the next fill
    // 8. The main window's caption.
    if (QWidget* owner = parentWidget())
        owner->window()->setWindowTitle(QStringLiteral("Tarnel Lumora - ") + QString::fromStdString(st.CurrentFileName));
    // 9, 10. Half the window each, and the view redrawn.
    ShowBothPanes();
    editor().Redraw();
    keepOptimizedAsUnchanged();
}

void TViewBigEditPhotoForm::showOriginal(const QImage& shown) { OrginalBitmapImage->SetPicture(shown); }

void TViewBigEditPhotoForm::keepAsUnchanged() {
    unchangedCopy_ = State().WorkImage;
    unchanged_ = &unchangedCopy_;
}

void TViewBigEditPhotoForm::keepOptimizedAsUnchanged() {
    unchangedCopy_ = lum::Image();
    unchanged_ = &optimizedPhoto_;
}

bool TViewBigEditPhotoForm::Changed() const { return !(State().WorkImage == *unchanged_); }

void TViewBigEditPhotoForm::ShowModal() {
    QEventLoop loop;
    connect(this, &TViewBigEditPhotoForm::Closed, &loop, &QEventLoop::quit);
    showMaximized();
    // The window may have been closed while it was being shown.
    if (isVisible()) loop.exec();
}

void TViewBigEditPhotoForm::closeEvent(QCloseEvent* e) {
    if (Pane()->InsideWork()) {
        // A fill is letting events through: stop it, and close once it has returned.
        Pane()->StopWork();
        closeAfterWork_ = true;
        e->ignore();
        return;
    }
    // Losing the edits silently is never right: No discards them, Escape keeps the window.
    if (Changed() && !AskSaveBeforeLeaving(kCloseCaption, kCloseText, [this] { return SaveFromMenu(); })) {
        e->ignore();
        return;
    }
    e->accept();
    emit Closed();
}

void TViewBigEditPhotoForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // Until the user drags the splitter, the panes share the window evenly.
    if (Splitter1 && OrginalPartRealMemoryPanel->isVisible() && RealMemoryPanel1->isVisible() &&
        !Splitter1->property("dragged").toBool())
        setOriginalPaneWidth(width() / 2);
}

// ---------------------------------------------------------------------------------------------
// Pane layout

void TViewBigEditPhotoForm::settleLayout() {
    // Shown and hidden panels take their places now, so the sizes read next are the new ones.
    if (QLayout* l = centralWidget()->layout()) l->activate();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void TViewBigEditPhotoForm::setOriginalPaneWidth(int w) {
    const int total = Splitter1->width() - Splitter1->handleWidth();
    w = std::max(0, std::min(w, total));
    Splitter1->setSizes({w, std::max(0, total - w)});
}

void TViewBigEditPhotoForm::ShowBothPanes() {
    RealMemoryPanel_Top->setVisible(true);
    RealMemoryPanel1->setVisible(true);
    OrginalPartRealMemoryPanel->setVisible(true);
    Splitter1->setProperty("dragged", false);
    settleLayout();
    setOriginalPaneWidth(width() / 2);
}

void TViewBigEditPhotoForm::ShowOriginalFullScreen() {
    RealMemoryPanel_Top->setVisible(false);
    OrginalPartRealMemoryPanel->setVisible(true);
    RealMemoryPanel1->setVisible(false);
    settleLayout();
    Splitter1->setSizes({Splitter1->width(), 0});
}

void TViewBigEditPhotoForm::ShowOptimizedFullScreen() {
    RealMemoryPanel_Top->setVisible(false);
    RealMemoryPanel1->setVisible(true);
    OrginalPartRealMemoryPanel->setVisible(false);
    settleLayout();
}

// ---------------------------------------------------------------------------------------------
// Zoom

int TViewBigEditPhotoForm::FitWidthPercent() const {
    return lum::PhotoView::FitWidthPercent(RealMemoryPanel2->width(), optimizedPhoto_.width());
}

int TViewBigEditPhotoForm::FitHeightPercent() const {
    return lum::PhotoView::FitHeightPercent(RealMemoryPanel2->height(), optimizedPhoto_.height());
}

int TViewBigEditPhotoForm::FitWindowPercent() const {
    return lum::PhotoView::FitWindowPercent(RealMemoryPanel2->width(), RealMemoryPanel2->height(),
                                            optimizedPhoto_.width(), optimizedPhoto_.height());
}

void TViewBigEditPhotoForm::ZoomToPercent(double p) {
    if (p <= 0.00001 || originalPhoto_.empty() || optimizedPhoto_.empty()) return;
    const double f = p / 100.0;
    // Both panes at the original photo's scaled size (at least one pixel).
    const int w = std::max(1, lum::roundHalfEven(originalPhoto_.width() * f));
    const int h = std::max(1, lum::roundHalfEven(originalPhoto_.height() * f));
    lum::Image t(w, h);
    lum::StretchDraw(t, lum::Rect{0, 0, w, h}, originalPhoto_);
    showOriginal(lum::ToQImage(t));  // t goes on to be the optimized side
    lum::StretchDraw(t, lum::Rect{0, 0, w, h}, optimizedPhoto_);
    lum::EditState& st = State();
    editor().ClearSelection();
    st.DropSelection();
    st.MemoryImage = std::move(t);
    editor().CommitMemoryImage(lum::CommitMode::Compare100);
    editor().Redraw();
    keepAsUnchanged();
}

void TViewBigEditPhotoForm::UpdateZoomLabel() { PaintToolbar->UpdateZoomLabel(State().ZoomIndex); }
