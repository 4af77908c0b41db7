// The compare-and-edit window: the photo as loaded on the left, the optimized photo on the
// right in a photo-editing pane of its own, with its own editor (image state, recorder, kernel
// register, zoom), menus, selection and paint toolbars; made of the window shell. Opened
// modally from the main window, filled with copies of its images; nothing flows back.
//
// The class is split by job: CompareWindow.cpp (creation, filling, zoom, closing),
// CompareWindowLayout.cpp (panels and buttons) and CompareWindowMenus.cpp (menus and the
// window's own commands).
#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <string>

#include "app/WindowShell.h"

class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QToolButton;
class TRealMemoryPanel;

namespace lum {
class PaintToolbar;
class PictureLabel;
}  // namespace lum

class TViewBigEditPhotoForm : public lum::WindowShell {
    Q_OBJECT
public:
    // prompts answers the window's questions (not owned; Qt's boxes when null); dialogs are the
    // program's (not owned).
    TViewBigEditPhotoForm(lum::Dialogs& dialogs, lum::Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~TViewBigEditPhotoForm() override;

    // Creates the window, fills it from the main window's images and shows it modally until it
    // is closed (OpenCompareWindow of the main window). name is the picture's name in the main
    // window's caption, folder where its open dialog starts. Returns the photo chosen with File > Open here (empty: none), for the
    // main window to open.
    static QString Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts, const std::string& fileInfo,
                        const lum::Image& optimized, const lum::Image& original, const QString& name = QString(),
                        const QString& folder = QString());

    lum::PaintToolbar* paintToolbar() const { return PaintToolbar; }

    // --- filling ---
    void SetFileInfoText(const std::string& text) { State().FileInfoText = text; }
    // The name of the picture compared, for the caption, and the folder File > Open starts in.
    void SetPicture(const QString& name, const QString& folder);
    // The photo chosen with File > Open, once the window has closed for it.
    QString FileToOpen() const { return fileToOpen_; }
    void FillCompareWindow(const lum::Image& optimized, const lum::Image& original);
    // Shows the window maximized and modal; returns once it is closed.
    void ShowModal();
    const lum::Image& OriginalPhoto() const { return originalPhoto_; }
    const lum::Image& OptimizedPhoto() const { return optimizedPhoto_; }
    // The image was changed since the window was filled, zoomed or saved.
    bool Changed() const;

    // --- pane layout ---
    void ShowBothPanes();
    void ShowOriginalFullScreen();
    void ShowOptimizedFullScreen();

    // --- zoom: the menu resamples both panes from the photos handed in ---
    void ZoomToPercent(double percent);
    int FitWidthPercent() const;
    int FitHeightPercent() const;
    int FitWindowPercent() const;

    // --- the window's own commands ---
    // The baseline back on screen, without a selection or tool; the undo copy is kept.
    void ResetImage();
    // Undo, recorded as macro action 0.
    void UndoAndRecord();
    void PopUpColourMenu();
    void ToggleSelectionToolbar();
    void TogglePaintToolbar();
    // The buttons the design keeps hidden, shown or hidden again (remembered between runs).
    void ShowAllButtons(bool on);
    bool ShowsAllButtons() const { return allButtons_; }
    // The menu save without its pause.
    void SaveWithoutPause() { SaveFromMenu(0); }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // A save wrote the working image: it is the unchanged picture from now on.
    void pictureWritten() override;
    QString captionName() const override;
    bool captionUnsaved() const override { return !State().Saved; }
    // File > Open: the window closes (with its question), then the main window opens the photo.
    void openChosenPhoto(const QString& path) override;
    QString openDialogFolder() const override;

signals:
    void Closed();

private:
    void buildUi();
    QWidget* buildTopStrip(QWidget* parent);
    QWidget* buildOriginalPane(QWidget* parent);
    QWidget* buildOptimizedPane(QWidget* parent);
    void buildPaintToolbar();
    void buildMenus();
    // A pane-layout button: its picture (or the style's fallback) and its command.
    QToolButton* paneButton(const char* name, const char* hint, int fallbackIcon, QWidget* parent,
                            std::function<void()> command);
    void settleLayout();
    void setOriginalPaneWidth(int width);
    void showOriginal(const QImage& shown);
    void keepAsUnchanged();
    void keepOptimizedAsUnchanged();
    // The toolbars as they were when the window was closed last.
    void restoreToolbars();
    void rememberToolbars();

    lum::Image originalPhoto_, optimizedPhoto_;
    // The working image as last filled, zoomed or saved: the optimized photo itself after a
    // fill (the working image is its copy then), else unchangedCopy_.
    const lum::Image* unchanged_ = &unchangedCopy_;
    lum::Image unchangedCopy_;
    bool closeAfterWork_ = false;  // closed while a fill ran: close once it has stopped
    QString pictureName_, pictureFolder_;
    QString fileToOpen_;
    bool allButtons_ = false;
    QList<QToolButton*> hiddenButtons_;  // the buttons the design keeps hidden

    // Controls (object names are the design names).
    TRealMemoryPanel* RealMemoryPanel_Top = nullptr;
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QSplitter* Splitter1 = nullptr;
    TRealMemoryPanel* OrginalPartRealMemoryPanel = nullptr;
    QScrollArea* ScrollBox2 = nullptr;
    lum::PictureLabel* OrginalBitmapImage = nullptr;
    TRealMemoryPanel* RealMemoryPanel1 = nullptr;
    TRealMemoryPanel* RealMemoryPanel2 = nullptr;
    lum::PaintToolbar* PaintToolbar = nullptr;
    QToolButton* SetZoomScaleSpeedButton = nullptr;
    QToolButton* ColorChangeSpeedButton = nullptr;
};
