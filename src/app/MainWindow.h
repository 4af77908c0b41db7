// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: logo band, folder tree and photo list, the photo-editing pane with its two
// button rows, the bottom band, the hidden menu bar and the pop-up menus. Made of the window
// shell (editor, prompts, saving, menus from the operation table); its editor holds the
// program's editing state.
//
// The class is split by job: MainWindow.cpp (creation, start-up, closing, dropping),
// MainWindowLayout.cpp (panels and buttons), MainWindowMenus.cpp (shortcuts and the window's
// own commands), MainWindowPhoto.cpp (loading photos, the buttons around them) and
// MainWindowBrowse.cpp (going through the photos of a folder), MainWindowStart.cpp (what the
// command line asks to open, the questions before a photo is left).
#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/WindowShell.h"
#include "image/Codec.h"
#include "image/LosslessTurn.h"

class QLabel;
class QPrinter;
class QPlainTextEdit;
class FolderTree;
class PhotoList;
class PhotoThumbView;
class QStackedWidget;
class QToolButton;

namespace lum {
class BatchDialog;
class FolderWatch;
class PhotoLoader;
namespace cli {
struct HeldPicture;
}
}  // namespace lum

class MainWindow : public lum::WindowShell {
    Q_OBJECT
public:
    // prompts answers every question of the window (not owned; Qt's boxes when null). The
    // dialogs come from SetDialogs, or the window makes its own when it first needs one.
    explicit MainWindow(lum::Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where the start-up logo is looked for (a JPEG shown as the first photo when it exists).
    static QString StartupLogoPath();
    static void SetStartupLogoPath(const QString& path);
    // A photo to open once the window is up (the command line).
    void OpenAfterStart(const QString& path);
    // What the command line asks for: a photo to open (its folder shows the others), or a
    // folder to show, and the paths that do not exist (said once the window is up).
    struct StartRequest {
        QString photo, folder;
        QStringList missing;
    };
    // The program's arguments (without its name) read against the folder it was started
    // from: relative paths are taken from there, several photos open the first, and without
    // any the start folder is shown when it holds photos.
    static StartRequest ReadStartArguments(const QStringList& args, const QString& startFolder);
    void StartWith(const StartRequest& request);

    // --- loading ---
    // A photo is decoded on the loader's thread while the window keeps painting under the
    // hourglass, with a quick preview in the view once there is one. The photo list and the
    // keys that step through the photos still work meanwhile (a photo asked for supersedes the
    // one under way); other input is dropped. The decode reports back through the loader's
    // signals; nothing waits for it.
    //
    // The photo list's click: a photo replaces the shown one, a folder is opened in the tree.
    void OpenPickedListEntry();
    // Starts decoding the photo to show it as it is (the start-up logo); a photo that does
    // not decode changes nothing (the error box names it). True when the decode started.
    bool LoadPhoto(const QString& path);
    // Opens a photo file as a click on it in the photo list does (drops, command line).
    void OpenPhotoFile(const QString& path);
    // Starts replacing the shown photo: the save question, then the decode; once it is decoded
    // the images, the file information, the caption, the document strings and the folder views
    // follow it. A cancelled question or a failed decode leaves all of that as it was. True
    // when the decode started.
    bool SwitchToPhoto(const QString& path);
    // A decode was started and has not ended yet.
    bool LoadPending() const { return pending_ != nullptr; }
    // The decode under way is dropped: the photo on screen stays.
    void CancelLoad();
    // The file of the photo on screen (absolute; empty for a made or pasted picture): the
    // photo's own record, which undo and redo carry with the picture.
    QString ShownPhoto() const;
    // What the caption names: the shown photo's file name, "Untitled" for a new or pasted
    // picture, nothing before the first picture.
    QString PictureName() const;
    // The next (step 1) or previous (-1) photo of the list, from the list's current entry.
    bool OpenNeighbourPhoto(int step);
    // Highlights the shown photo in the list (nothing when the list shows another folder);
    // keepCurrent leaves the keyboard's place in the list where it is.
    void ShowPhotoInList(bool keepCurrent);
    // Re-reads the folder tree and the photo list (F5); hidden entries on or off (Ctrl+H).
    void RefreshFolders();
    void SetShowHiddenEntries(bool on);
    bool ShowsHiddenEntries() const { return showHidden_; }
    // The photo list as thumbnails (remembered; the default) or as details, and the side of
    // its thumbnails (ThumbnailCache::kNormal or kLarge, remembered).
    bool ShowsThumbnails() const;
    void ShowThumbnails(bool on);
    void SetThumbnailSide(int side);

    QString FileInfoText() const { return QString::fromStdString(State().file.InfoText()); }
    const QImage& OriginalThumbnail() const { return thumbnail_; }

    // The compare-and-edit window, shown modally with the file information, the working image
    // (the optimized side), the baseline (the photo as loaded) and the photo's file. Once it has closed
    // it hands back the edited photo when the user keeps the edits here: that becomes the working
    // image, as one step, unsaved.
    using CompareClosed = std::function<void(std::optional<lum::KeptEdits> kept)>;
    using CompareOpener =
        std::function<void(QWidget* parent, const lum::ComparedPhoto& photo, CompareClosed closed)>;
    void SetCompareWindowOpener(CompareOpener opener) { compareOpener_ = std::move(opener); }
    void OpenCompareWindow();
    // A photo chosen with File > Open in the compare window: opened once that window is closed.
    void OpenAfterCompare(const QString& path) { openAfterCompare_ = path; }
    // What Undo and Redo call the edits kept from the compare window.
    static constexpr const char* kCompareEditsLabel = QT_TRANSLATE_NOOP("Operation", "Compare Window Edits");

    // --- the batch optimize (MainWindowBatch.cpp) ---
    // The photo files selected in the photo list.
    QStringList SelectedPhotos() const;
    // The same, or none after telling the user how to select some.
    QStringList SelectedPhotosOrSay();
    // The batch dialog for the photos selected in the list, or for every photo of a folder.
    void OptimizeSelectedPhotos();
    // The selected photos turned in place, JPEG ones without loss, as a batch.
    void TurnSelectedPhotos(lum::PhotoTurn turn);
    void OptimizeFolderPhotos(const QString& folder);
    // Copies to share of the photos selected in the list, else of the shown photo's file.
    void ExportCopies();
    // The photos a command for "the shown photo or the selected ones" works on.
    lum::BatchDialog* ExportDialog() const { return exportDialog_; }
    // Export and print take the picture on screen, unsaved edits included, rather than files
    // when no other photo than the shown one is selected in the list.
    bool SharingShownPicture(const QStringList& selected) const;
    // File > Print...: the selected photos, else the picture on screen, in the print preview.
    void PrintPhotos();
    // The batch dialog once it was opened (null before).
    lum::BatchDialog* BatchOptimizeDialog() const { return batch_; }

    // --- the window's own commands ---
    void Optimize() { RunCommand("ProcessingOptimumActionSpeedButton"); }
    void TurnLeft() { RunCommand("Btrot90"); }
    void TurnRight() { RunCommand("SpeedButton1"); }
    // The thumbnail of the photo as loaded, in its floating window: shown or hidden.
    void ToggleThumbnailWindow();

signals:
    // A decode ended: its photo is shown (true), or it failed or was superseded or cancelled.
    void LoadEnded(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    // After a save wrote the picture: the caption and the list name the file written.
    void pictureWritten() override;
    // After New or Paste as New Image: no file named or highlighted until a save.
    void pictureReplaced() override;
    void fileMovedToTrash(const QString& path) override;
    QString captionName() const override { return PictureName(); }
    bool captionUnsaved() const override;
    void openChosenPhoto(const QString& path) override { OpenPhotoFile(path); }
    QString openDialogFolder() const override;
    // Undone or redone: the caption and the list follow the file the picture belongs to.
    void historyStepped() override;

private:
    // The state as the window starts, beyond the shell's: folders, flags, the start-up logo.
    void startUp();
    // The start-up logo, then what the command line asked for, once the window is up.
    void startRequested();
    void buildUi();
    QPixmap withBannerWords(QPixmap picture);
    QWidget* buildTopBand(QWidget* parent);
    QWidget* buildPhotoArea(QWidget* parent);
    QWidget* buildBottomBand(QWidget* parent);
    void buildMenus();
    void buildToolWindows();
    void buildShortcuts();
    void buildBatch();
    // A batch dialog still at work is brought forward and the user told why nothing new starts.
    bool StillRunning(lum::BatchDialog* dialog, const QString& why);
    // The photo on screen for its copy, as the export starts: use hears the picture (or null
    // when another photo is shown now, its file then going) and whether to go on.
    void takeShownForExport(const QString& photo, bool noFile,
                            std::function<void(std::shared_ptr<const lum::cli::HeldPicture>, bool)> use);
    void buildPrint();
    void startPrint(const QStringList& files, std::shared_ptr<lum::Image> shown);
    void openPrintPreview(std::shared_ptr<QPrinter> printer, const QList<QImage>& photos);
    // The photo list's turns, after optimize in its pop-up menu.
    void buildTurns(QAction* optimize);
    // After a batch: the list shows the files as they are, the photo on screen is read again.
    void afterBatch();
    void openBatch(const QStringList& paths, const QString& folder, int photoCount);
    // A batch still running stops when the window closes.
    void stopBatch();

    void showProgress(bool on);
    struct DecodedPhoto {
        lum::Image image;
        lum::PictureMetadata metadata;
        lum::DecodeReport report;  // damage met on the way
        lum::FileIdentity source;  // the file read, as it was then
        lum::BaselineCopies copies;  // of image, made beside the decode for its commit
    };
    // The question before unsaved changes are left behind, naming the picture, what is unsaved
    // and the photo about to be opened (none: the program is closing). True when the window
    // may go on: nothing unsaved, Don't Save, or Save and a file was written.
    void askBeforeLeavingPhoto(const QString& next, lum::Answered then);
    bool closeAgreed_ = false;  // the questions before closing were answered: the next close goes
    // What a decode is for: a photo of the user's replacing the shown one, or the logo.
    enum class LoadPurpose { Switch, Logo };
    // The decode under way, with the hourglass it keeps on.
    struct PendingLoad {
        QString path;
        LoadPurpose purpose = LoadPurpose::Switch;
        std::unique_ptr<lum::Editor::BusyScope> hourglass;
    };
    // Starts decoding (superseding a decode under way); nothing changes until it is done.
    void startLoad(const QString& path, LoadPurpose purpose);
    // The loader's reports.
    void loadDone(DecodedPhoto&& photo);
    void loadFailed(const QString& path, std::exception_ptr error);
    // Hourglass and input gate off; the pending decode forgotten.
    void endLoad();
    lum::PhotoLoader& loader();
    // The one place a photo that cannot be opened is reported ("JPEG error #N in FILE: ...").
    void showLoadFailure(const QString& path, const std::exception& error);
    // After a damaged photo is shown: which file, and what is wrong with it.
    void showLoadNotice(const QString& path, const lum::DecodeReport& report);
    // The steps of a load after the decode: flags, zoom, file information, thumbnail, commit.
    void showDecodedPhoto(const QString& path, DecodedPhoto&& photo);
    // The tree and the list go to the shown photo's folder and highlight it.
    void followPhotoFolder();
    // The tree's current folder scrolled into view.
    void keepFolderInView();
    void buildBrowsing();
    void showFileInfo(const QString& path, int width, int height);
    void buildThumbnail(const lum::Image& photo);

    CompareOpener compareOpener_;
    QString pendingOpen_;
    QString pendingFolder_;
    QStringList pendingMissing_;
    QString openAfterCompare_;
    bool logoShown_ = false;  // the start-up logo is on screen, no picture of the user's
    bool logoPending_ = false;
    bool started_ = false;
    QImage thumbnail_;
    QString listedPhoto_;  // the photo the list last showed, to follow it only when it changes
    QString shownAtJobStart_;  // ShownPhoto() as a job started
    QString shownPhotoFile() const;
    std::unique_ptr<lum::PhotoLoader> loader_;
    std::unique_ptr<PendingLoad> pending_;  // the decode under way
    bool showHidden_ = false;
    lum::FolderWatch* folderWatch_ = nullptr;
    QList<QObject*> photoKeys_;  // the shortcuts that step through the photos
    QLabel* zoomLabel_ = nullptr;
    lum::BatchDialog* batch_ = nullptr;
    lum::BatchDialog* exportDialog_ = nullptr;

    // Controls (object names are the design names).
    FolderTree* folderTree_ = nullptr;
    PhotoList* photoList_ = nullptr;
    PhotoThumbView* thumbView_ = nullptr;
    QStackedWidget* photoViews_ = nullptr;
    QToolButton* photoViewButton_ = nullptr;
    QAction* thumbnailsAction_ = nullptr;
    QAction* detailsAction_ = nullptr;
    QAction* largeThumbnailsAction_ = nullptr;
    // The list's two views, the button that switches them above, and the View menu.
    QWidget* buildPhotoViews(QWidget* parent);
    void buildViewMenu();
    // The photo's thumbnails in the desktop's cache made again once it was written.
    void remakeThumbnails(const QString& path);
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QWidget* memoPanel_ = nullptr;
    QWidget* originalPhotoWindow_ = nullptr;
    QLabel* originalThumbnail_ = nullptr;
    QWidget* progressWindow_ = nullptr;
};
