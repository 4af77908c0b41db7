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
    // is closed (OpenCompareWindow of the main window).
    static void Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts, const std::string& fileInfo,
                     const lum::Image& optimized, const lum::Image& original);

    lum::PaintToolbar* paintToolbar() const { return PaintToolbar; }

    // --- filling ---
    void SetFileInfoText(const std::string& text) { State().FileInfoText = text; }
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
    void UpdateZoomLabel();

    // --- the window's own commands ---
    // The baseline back on screen, without a selection or tool; the undo copy is kept.
    void ResetImage();
    // Undo, recorded as macro action 0.
    void UndoAndRecord();
    void PopUpColourMenu();
    void ToggleSelectionToolbar();
    void TogglePaintToolbar();
    // The menu save without its pause.
    void SaveWithoutPause() { SaveFromMenu(0); }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // A save wrote the working image: it is the unchanged picture from now on.
    void pictureWritten() override;

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

    lum::Image originalPhoto_, optimizedPhoto_;
    // The working image as last filled, zoomed or saved: the optimized photo itself after a
    // fill (the working image is its copy then), else unchangedCopy_.
    const lum::Image* unchanged_ = &unchangedCopy_;
    lum::Image unchangedCopy_;
    bool closeAfterWork_ = false;  // closed while a fill ran: close once it has stopped

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
