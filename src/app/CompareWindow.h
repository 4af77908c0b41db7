// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/WindowShell.h"

class QLabel;
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
    // The window's own two copies of the optimized photo (its baseline and its working image),
    // made before either takes its place: on the main window's job for a big photo.
    struct Copies {
        lum::Image memory;
        lum::BaselineCopies ready;
        static Copies Of(const lum::Image& optimized);
    };
    // Once the window has closed: the edited photo when the user keeps the edits in the main
    // window, and the photo chosen with File > Open here (empty: none), for the main window to open.
    using WhenClosed = std::function<void(std::optional<lum::KeptEdits> kept, const QString& fileToOpen)>;
    // Makes the copies, then creates the window, fills it from the main window's images and shows
    // it modally (the main window stays as it is meanwhile); closed hears how it closed. A failure
    // before the window is shown is thrown (or reaches the error box after the job) and closed
    // hears nothing kept.
    static void Open(QWidget* parent, lum::Dialogs& dialogs, lum::Prompts* prompts, const lum::ComparedPhoto& photo,
                     WhenClosed closed);

    lum::PaintToolbar* paintToolbar() const { return PaintToolbar; }

    // --- filling ---
    void SetFileInfoText(const std::string& text) { State().file.SetInfoText(text); }
    // The name of the picture compared, for the caption, and the folder File > Open starts in.
    void SetPicture(const QString& name, const QString& folder);
    // The photo chosen with File > Open, once the window has closed for it.
    QString FileToOpen() const { return fileToOpen_; }
    // The file the photo shown belongs to, which the saves propose (empty: none yet).
    void SetPhotoFile(const std::string& file, bool damaged);
    // The original is the photo as loaded; framing tells how it maps onto the optimized photo.
    // The window keeps the original it is given (a copy, or the image handed over).
    void FillCompareWindow(const lum::Image& optimized, lum::Image original, const lum::LoadedFraming& framing = {});
    // The original is read where it is, not copied: it must stay unchanged until the window is
    // filled again or goes (the main window's, which its modal run keeps as it is).
    void FillCompareWindowReading(const lum::Image& optimized, const lum::Image& original,
                                  const lum::LoadedFraming& framing = {});
    void FillCompareWindowReading(const lum::Image&, lum::Image&&, const lum::LoadedFraming& = {}) = delete;
    void FillCompareWindowReading(Copies copies, const lum::Image& original, const lum::LoadedFraming& framing = {});
    // Shows the window maximized and modal; Closed comes once it is closed.
    void ShowModal();
    const lum::Image& OriginalPhoto() const { return *originalPhoto_; }
    // What the original pane shows: the photo as loaded, turned and mirrored as framing says, at
    // width x height where it lines up with the optimized photo (scaled after a new size), else
    // whole, of its own proportions, fitted into width x height.
    static lum::Image OriginalAsShown(const lum::Image& loaded, const lum::LoadedFraming& framing, int width, int height);
    // How the photo as loaded maps onto this window's picture, for the main window.
    lum::LoadedFraming KeptFraming() const;
    // The image was changed since the window was filled or saved, and not undone back to that.
    bool Changed() const { return !editor().Saved(); }
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

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    QString captionName() const override;
    // Saved under a new name: the caption and the open dialog follow it.
    void pictureWritten() override;
    bool captionUnsaved() const override { return !editor().Saved(); }
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
    // The original pane's width when both share the splitter evenly.
    int evenShare();
    static constexpr int kPaneHandle = 5;
    void showOriginal(const QImage& shown);
    // The photo as loaded stands for the original, framed as given, and is shown.
    void lendOriginal(const lum::Image& original, const lum::LoadedFraming& framing);
    // A step may have turned, mirrored, reframed or resized the picture: the original follows,
    // once the window's work is over.
    void originalMayHaveChanged();
    void showOriginalAsFramed();
    // The panes are the same width at the window's smallest: their photos line up.
    void matchPaneMinimums();
    void linkPaneScrolling();
    void shareEvenly();
    bool eventFilter(QObject* watched, QEvent* e) override;
    // The toolbars as they were when the window was closed last.
    void restoreToolbars();
    void rememberToolbars();
    // Closing with changes: save them, keep them in the main window, discard them or stay; then
    // hears whether the window may close (after the save's job, for a big photo).
    void mayCloseWithChanges(lum::Answered then);
    bool closeAgreed_ = false;  // the question before closing was answered: the next close goes

    void fill(Copies copies, const lum::Image& original);

    // What the original pane shows was made for.
    struct OriginalKey {
        const lum::Image* loaded = nullptr;
        lum::LoadedFraming framing;
        int width = 0, height = 0;
        bool operator==(const OriginalKey& o) const {
            return loaded == o.loaded && framing == o.framing && width == o.width && height == o.height;
        }
    };
    std::optional<OriginalKey> shownKey_;
    lum::Image builtOriginal_;                         // made for the pane
    std::shared_ptr<const lum::Image> heldOriginal_;  // shown as it is, kept alive while shown
    bool originalQueued_ = false;

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
    QLabel* originalNote_ = nullptr;  // the panes do not line up
    GradientPanel* optimizedPane_ = nullptr;
    GradientPanel* optimizedTitle_ = nullptr;
    lum::PaintToolbar* PaintToolbar = nullptr;
    QToolButton* SetZoomScaleSpeedButton = nullptr;
    QToolButton* ColorChangeSpeedButton = nullptr;
};
