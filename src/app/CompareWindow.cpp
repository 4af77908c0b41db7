// The compare window's creation, filling, pane layout, zoom, activation and closing.
#include "app/CompareWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/ChooserLink.h"
#include "app/Dialogs.h"
#include "app/OptionsDialog.h"
#include "app/Saving.h"
#include "app/WindowPrompts.h"
#include "editing/SelectionTools.h"
#include "image/Arith.h"
#include "image/Stretch.h"
#include "view/EditPane.h"
#include "view/PaintToolbar.h"
#include "view/PhotoView.h"
#include "view/SelectionToolbar.h"
#include "widgets/Icons.h"
#include "widgets/ImageConvert.h"
#include "widgets/MenuBarReveal.h"
#include "widgets/PictureLabel.h"
#include "widgets/RealMemoryPanel.h"

namespace {
const char* const kCloseCaption = "Save or not?";
const char* const kCloseText = "The optimized photo was changed. Do you want to save it before closing this window?";
}  // namespace

TViewBigEditPhotoForm::TViewBigEditPhotoForm(lum::Dialogs& dialogs, lum::Prompts* prompts, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      dialogs_(dialogs),
      prompts_(std::make_unique<lum::WindowPrompts>(
          this, prompts, [this]() -> lum::Dialogs& { return dialogs_; },
          [this](const std::function<int()>& f) { return execModal(f); })),
      editor_(lum::EditorPolicy::CompareWindow(), prompts_.get()),
      chooserLink_(std::make_unique<lum::ChooserFileList>([this]() -> lum::Dialogs& { return dialogs_; })) {
    lum::EnsureLumoraResources();
    prompts_->SetEditState(&editor_.State());
    setObjectName(QStringLiteral("ViewBigEditPhotoForm"));
    setWindowTitle(QStringLiteral("Tarnel Lumora"));
    setWindowModality(Qt::ApplicationModal);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    buildUi();
    buildToolbars();
    buildMenus();

    editor_.ReadOptions = [this](lum::BalanceTargets& t) { t = dialogs_.Options().Targets(); };
    editor_.SetSelectionTool(std::make_unique<lum::SelectionHandlerTool>([this] {
        return lum::GrabOptions{SelectionToolbar->EraseChecked(), SelectionToolbar->DuplicateChecked()};
    }));
    connect(pane_, &lum::EditPane::SelectionWasCleared, this, [this] { SelectionToolbar->ShowTool(0); });
    connect(pane_, &lum::EditPane::ToolReset, this, [this] {
        SelectionToolbar->ShowTool(0);
        SelectionToolbar->SetLabels(QString(), QString());
    });
    connect(pane_, &lum::EditPane::ToolLabelsChanged, SelectionToolbar, &lum::SelectionToolbar::SetLabels);
    // A fill that was stopped by a close request has ended: close now.
    connect(pane_, &lum::EditPane::BusyChanged, this, [this](bool on, lum::BusyKind) {
        if (!on && closeAfterWork_ && !pane_->InsideWork()) {
            closeAfterWork_ = false;
            QTimer::singleShot(0, this, [this] { close(); });
        }
    });

    resize(1024, 740);
    FormCreate();
}

TViewBigEditPhotoForm::~TViewBigEditPhotoForm() {
    editor_.Macro().SetMenu(nullptr);
    // The pane is the editor's host; it goes before the editor does.
    delete pane_;
    pane_ = nullptr;
}

void TViewBigEditPhotoForm::Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts,
                                 const std::string& fileInfo, const lum::Image& optimized,
                                 const lum::Image& original) {
    TViewBigEditPhotoForm form(dialogs, prompts, parent);
    form.SetFileInfoText(fileInfo);
    form.FillCompareWindow(optimized, original);
    form.ShowModal();
}

lum::PhotoView* TViewBigEditPhotoForm::View() const { return pane_->View(); }

lum::Prompts& TViewBigEditPhotoForm::prompts() { return *prompts_; }

QMenu* TViewBigEditPhotoForm::ZoomScalePopupMenu() const { return pane_->ZoomMenu(); }

lum::PhotoSaving& TViewBigEditPhotoForm::saving() {
    if (!saving_) {
        saving_ = std::make_unique<lum::PhotoSaving>(editor_, prompts(), dialogs_.Options(), chooserLink_.get());
        saving_->SetFilter(lum::kSaveFilterCompare);
    }
    return *saving_;
}

// ---------------------------------------------------------------------------------------------
// Creation, filling, activation, closing

void TViewBigEditPhotoForm::FormCreate() {
    lum::EditState& st = State();
    static const int32_t kZoom[12] = {10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    for (int i = 0; i < 12; ++i) st.ZoomTable[static_cast<size_t>(i) + 1] = kZoom[i];
    st.ZoomIndex = 7;
    st.Kernel = lum::InitialKernelRegister();
    // The recorder starts with the default list each time the window opens.
    editor_.Macro().InstallDefaults();
    editor_.Macro().SetMenu(&menus_);
    lum::RegisterDesignToolCursors();
}

void TViewBigEditPhotoForm::FormActivate() { State().CurrentFileName.clear(); }

void TViewBigEditPhotoForm::FillCompareWindow(const lum::Image& optimized, const lum::Image& original) {
    lum::EditState& st = State();
    // 1. The memo: one line for the text before each "#".
    PhotoFileNameMemo->clear();
    const QString info = QString::fromStdString(st.FileInfoText);
    const QStringList parts = info.split(QLatin1Char('#'));
    for (int i = 0; i + 1 < parts.size(); ++i) PhotoFileNameMemo->appendPlainText(parts[i]);
    PhotoFileNameMemo->moveCursor(QTextCursor::Start);
    // 2, 3. No selection, 100 %, scrolled to the top-left corner.
    editor_.ClearSelection();
    st.DropSelection();
    st.ZoomIndex = 7;
    View()->ScrollToTopLeft();
    // 4, 5, 6. The photos, then the commit at 100 %.
    st.MemoryImage = optimized;
    showOriginal(QImage());  // the label may still show the pixels about to be replaced
    originalPhoto_ = original;
    optimizedPhoto_ = st.MemoryImage;
    editor_.CommitMemoryImage(lum::CommitMode::Compare100);
    // 7. The original at 100 %.
    showOriginal(lum::QImageView(originalPhoto_));  // shared: unchanged until the next fill
    // 8. The main window's caption.
    if (QWidget* owner = parentWidget())
        owner->window()->setWindowTitle(QStringLiteral("Tarnel Lumora - ") + QString::fromStdString(st.CurrentFileName));
    // 9, 10. Half the window each, and the view redrawn.
    DivideWindowinto2EvenSpeedButtonClick();
    editor_.Redraw();
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

bool TViewBigEditPhotoForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(e);
}

void TViewBigEditPhotoForm::closeEvent(QCloseEvent* e) {
    if (pane_->InsideWork()) {
        // A fill is letting events through: stop it, and close once it has returned.
        pane_->StopWork();
        closeAfterWork_ = true;
        e->ignore();
        return;
    }
    if (Changed()) {
        // Losing the edits silently is never right: No discards them, Escape keeps the window.
        const lum::Prompts::Answer answer = prompts().AskYesNoCancel(kCloseCaption, kCloseText);
        if (answer == lum::Prompts::Answer::Cancel) {
            e->ignore();
            return;
        }
        if (answer == lum::Prompts::Answer::Yes) {
            bool written = false;
            guard([this, &written] { written = menuSave(400); });
            if (!written) {
                e->ignore();
                return;
            }
        }
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

void TViewBigEditPhotoForm::guard(const std::function<void()>& f) { pane_->Guard(f); }

int TViewBigEditPhotoForm::execModal(const std::function<int()>& run) {
    int result = 0;
    try {
        result = run();
    } catch (...) {
        FormActivate();
        throw;
    }
    FormActivate();
    return result;
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

void TViewBigEditPhotoForm::DivideWindowinto2EvenSpeedButtonClick() {
    RealMemoryPanel_Top->setVisible(true);
    RealMemoryPanel1->setVisible(true);
    OrginalPartRealMemoryPanel->setVisible(true);
    Splitter1->setProperty("dragged", false);
    settleLayout();
    setOriginalPaneWidth(width() / 2);
}

void TViewBigEditPhotoForm::SpeedButton4Click() {
    RealMemoryPanel_Top->setVisible(false);
    OrginalPartRealMemoryPanel->setVisible(true);
    RealMemoryPanel1->setVisible(false);
    settleLayout();
    Splitter1->setSizes({Splitter1->width(), 0});
}

void TViewBigEditPhotoForm::SpeedButton5Click() {
    RealMemoryPanel_Top->setVisible(false);
    RealMemoryPanel1->setVisible(true);
    OrginalPartRealMemoryPanel->setVisible(false);
    settleLayout();
}

// ---------------------------------------------------------------------------------------------
// Zoom

void TViewBigEditPhotoForm::SetZoomScaleSpeedButtonClick() { pane_->ZoomMenu()->popup(QCursor::pos()); }

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
    editor_.ClearSelection();
    st.DropSelection();
    st.MemoryImage = std::move(t);
    editor_.CommitMemoryImage(lum::CommitMode::Compare100);
    editor_.Redraw();
    keepAsUnchanged();
}

void TViewBigEditPhotoForm::UpdateZoomLabel() { PaintToolbar->UpdateZoomLabel(State().ZoomIndex); }
