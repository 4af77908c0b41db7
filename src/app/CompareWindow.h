// The compare-and-edit window: the photo as loaded on the left, the optimized photo on the
// right in a photo-editing pane of its own, with its own editor (image state, recorder, kernel
// register, zoom, history), menus, selection and paint toolbars; made of the window shell.
// Opened modally from the main window, filled from its images (the original is read where it
// is); its edits go back only when the user keeps them there on closing.
//
// The class is split by job: CompareWindow.cpp (creation, filling, zoom, closing),
// CompareWindowLayout.cpp (panels and buttons) and CompareWindowMenus.cpp (menus and the
// window's own commands).
#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <optional>
#include <string>

#include "app/WindowShell.h"

class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QToolButton;
class GradientPanel;

namespace lum {
class PaintToolbar;
class OverflowRow;
class PictureLabel;
}  // namespace lum

class CompareWindow : public lum::WindowShell {
    Q_OBJECT
public:
    // prompts answers the window's questions (not owned; Qt's boxes when null); dialogs are the
    // program's (not owned).
    CompareWindow(lum::Dialogs& dialogs, lum::Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~CompareWindow() override;

    // The full-size copies of the optimized photo a fill makes (its baseline and working images),
    // and the source copy of the first pixel operation.
    static constexpr int kFullSizeCopies = 3;
    // Creates the window, fills it from the main window's images and shows it modally until it
    // is closed (OpenCompareWindow of the main window). Returns the edited photo when the user
    // keeps the edits in the main window; fileToOpen receives the photo chosen with File > Open
    // here (empty: none), for the main window to open.
    static std::optional<lum::Image> Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts,
                                          const lum::ComparedPhoto& photo, QString* fileToOpen = nullptr);

    lum::PaintToolbar* paintToolbar() const { return PaintToolbar; }

    // --- filling ---
    void SetFileInfoText(const std::string& text) { State().FileInfoText = text; }
    // The name of the picture compared, for the caption, and the folder File > Open starts in.
    void SetPicture(const QString& name, const QString& folder);
    // The photo chosen with File > Open, once the window has closed for it.
    QString FileToOpen() const { return fileToOpen_; }
    // The file the photo shown belongs to, which the saves propose (empty: none yet).
    void SetPhotoFile(const std::string& file, bool damaged);
    // The window keeps the original it is given (a copy, or the image handed over).
    void FillCompareWindow(const lum::Image& optimized, lum::Image original);
    // The original is read where it is, not copied: it must stay unchanged until the window is
    // filled again or goes (the main window's, which its modal run keeps as it is).
    // offload runs the copies of the photos (null: on this thread).
    void FillCompareWindowReading(const lum::Image& optimized, const lum::Image& original,
                                  const lum::Offloader& offload = nullptr);
    void FillCompareWindowReading(const lum::Image&, lum::Image&&) = delete;
    // Shows the window maximized and modal; returns once it is closed.
    void ShowModal();
    const lum::Image& OriginalPhoto() const { return *originalPhoto_; }
    // The image was changed since the window was filled or saved, and not undone back to that.
    bool Changed() const { return !State().Saved; }
    // Closed with the answer to keep the edits in the main window.
    bool KeepsEdits() const { return keepEdits_; }

    // --- pane layout ---
    void ShowBothPanes();
    void ShowOriginalFullScreen();
    void ShowOptimizedFullScreen();

    // --- the window's own commands ---
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
    void linkPaneScrolling();
    void shareEvenly();
    bool eventFilter(QObject* watched, QEvent* e) override;
    // The toolbars as they were when the window was closed last.
    void restoreToolbars();
    void rememberToolbars();
    // Closing with changes: save them, keep them in the main window, discard them or stay.
    bool mayCloseWithChanges();

    void fill(const lum::Image& optimized, const lum::Image& original,
              const lum::Offloader& offload = nullptr);

    // The original of the last fill: the caller's, or ownOriginal_ when it was handed over.
    const lum::Image* originalPhoto_ = &ownOriginal_;
    lum::Image ownOriginal_;
    bool closeAfterWork_ = false;  // closed while a fill ran: close once it has stopped
    QString pictureName_, pictureFolder_;
    QString fileToOpen_;
    bool allButtons_ = false;
    lum::OverflowRow* allButtonsRow_ = nullptr;  // the buttons the design keeps hidden
    bool keepEdits_ = false;
    bool scrollLinking_ = false;

    // Controls (object names are the design names).
    GradientPanel* topPanel_ = nullptr;
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QSplitter* paneSplitter_ = nullptr;
    GradientPanel* originalPane_ = nullptr;
    QScrollArea* originalScroll_ = nullptr;
    lum::PictureLabel* originalPicture_ = nullptr;
    GradientPanel* optimizedPane_ = nullptr;
    GradientPanel* optimizedTitle_ = nullptr;
    lum::PaintToolbar* PaintToolbar = nullptr;
    QToolButton* SetZoomScaleSpeedButton = nullptr;
    QToolButton* ColorChangeSpeedButton = nullptr;
};
