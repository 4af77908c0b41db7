// The main window: logo band, folder tree and photo list, the photo-editing pane with its two
// button rows, the bottom band, the hidden menu bar and the pop-up menus. Its editor holds the
// program's editing state; its operations come from the operation table.
//
// The class is split by job: MainWindow.cpp (creation, activation, closing, dropping),
// MainWindowLayout.cpp (panels and buttons), MainWindowMenus.cpp (menus, shortcuts and the
// commands of the table) and MainWindowPhoto.cpp (loading photos, the buttons around them).
#pragma once
#include <QImage>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "app/DesignMenus.h"
#include "editing/Editor.h"
#include "editing/Macro.h"
#include "editing/Prompts.h"
#include "image/Codec.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class TEform2;
class TLsDirTree21;
class TLsFilelistView28;
class TRealMemoryPanel;

namespace lum {
class Dialogs;
class EditPane;
class FolderWatch;
class PhotoLoader;
class PhotoView;
class PhotoSaving;
class PictureChooserLink;
class SelectionToolbar;
class WindowPrompts;
}  // namespace lum

class TMemPhotoActionForm : public QMainWindow {
    Q_OBJECT
public:
    // prompts answers every question of the window (not owned; Qt's boxes when null). The
    // dialogs come from SetDialogs, or the window makes its own when it first needs one.
    explicit TMemPhotoActionForm(lum::Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~TMemPhotoActionForm() override;

    lum::Editor& editor() { return editor_; }
    lum::EditState& State() { return editor_.State(); }
    const lum::EditState& State() const { return editor_.State(); }
    lum::EditPane* Pane() const { return pane_; }
    lum::PhotoView* View() const;
    // The window's prompts: every question goes through them, and each return from one
    // counts as the window becoming active again.
    lum::Prompts& prompts();
    void SetPrompts(lum::Prompts* prompts);
    // The program's dialogs (not owned).
    void SetDialogs(lum::Dialogs* dialogs);
    lum::Dialogs& dialogs();

    // Where the start-up logo is looked for (a JPEG shown as the first photo when it exists).
    static QString StartupLogoPath();
    static void SetStartupLogoPath(const QString& path);
    // A photo to open once the window is up (the command line).
    void OpenAfterStart(const QString& path);

    // --- creation, activation ---
    void FormCreate();
    void FormActivate();

    // --- loading ---
    void LsFilelistView282Click();
    // Decodes the photo and shows it; a photo that does not decode changes nothing (the error
    // box names it). True when it is shown.
    bool LoadPhoto(const QString& path);
    // Opens a photo file as a click on it in the photo list does (drops, command line).
    void OpenPhotoFile(const QString& path);
    // Replaces the shown photo: the save question, the decode, then the images, the file
    // information, the caption, the document strings and the folder views follow it. A
    // cancelled question or a failed decode leaves all of that as it was. True when shown.
    bool SwitchToPhoto(const QString& path);
    // The file of the photo on screen (empty before the first one).
    QString ShownPhoto() const { return shownPhoto_; }
    // The next (step 1) or previous (-1) photo of the list, from the list's current entry.
    bool OpenNeighbourPhoto(int step);
    // Highlights the shown photo in the list (nothing when the list shows another folder);
    // keepCurrent leaves the keyboard's place in the list where it is.
    void ShowPhotoInList(bool keepCurrent);
    // Re-reads the folder tree and the photo list (F5); hidden entries on or off (Ctrl+H).
    void RefreshFolders();
    void SetShowHiddenEntries(bool on);
    bool ShowsHiddenEntries() const { return showHidden_; }

    static constexpr const char* kNoPhotoToSave = "There is no photo to save.";
    QString FileInfoText() const { return QString::fromStdString(State().FileInfoText); }
    const QImage& OriginalThumbnail() const { return thumbnail_; }

    // The compare-and-edit window, shown modally with the file information, WorkImage (the
    // optimized side) and MemoryImage (the photo as loaded).
    using CompareOpener = std::function<void(QWidget* parent, const std::string& fileInfo,
                                             const lum::Image& optimized, const lum::Image& original)>;
    void SetCompareWindowOpener(CompareOpener opener) { compareOpener_ = std::move(opener); }
    void OpenCompareWindow();

    // Runs the table's operation behind one of this window's controls (a design name), inside
    // the error guard. False when it did not run (cancelled, refused, failed, no such control).
    bool RunCommand(const char* control);

    // --- buttons ---
    void ProcessingOptimumActionSpeedButtonClick() { RunCommand("ProcessingOptimumActionSpeedButton"); }
    void UndoSpeedButtonClick();
    void ComparePhotosSpeedButtonClick() { OpenCompareWindow(); }
    // Returns true when the photo was written.
    bool SaveAndReplacePhotoSpeedButtonClick();
    void ShowOriginalPhotoSpeedButtonClick();
    void Btrot90Click() { RunCommand("Btrot90"); }
    void SpeedButton1Click() { RunCommand("SpeedButton1"); }
    void ZoomPhotosSpeedButtonClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void TarnelhomeSpeedButtonClick();
    void PaintBox1DblClick() { OpenCompareWindow(); }
    void ShowOrginalImageClick() { OpenCompareWindow(); }

    // --- hidden menu bar: the window's own commands (the operations come from the table) ---
    void BtenregistrerClick();
    void Supprimer1Click();
    void BtparamjpgClick();
    void Memoriser();

    QMenu* ZoomScalePopupMenu() const;
    QMenu* ColorChangePopupMenu() const;
    QMenuBar* MainMenu1() const;

    // The web pages behind "Tarnel Home" and the online help button.
    static QString HomePageUrl();
    static QString ManualPageUrl();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void buildUi();
    QWidget* buildTopBand(QWidget* parent);
    QWidget* buildPhotoArea(QWidget* parent);
    QWidget* buildBottomBand(QWidget* parent);
    void buildSelectionToolbar();
    void buildMenus();
    void buildToolWindows();
    void buildShortcuts();
    QToolButton* makeButton(const QString& designName, const QString& hint, QWidget* parent,
                            const QString& shortcutText = QString());
    // A button or menu item for the table's operation behind `control`; its hint or caption too.
    QToolButton* makeCommandButton(const char* control, QWidget* parent, const QString& shortcutText = QString());

    // Runs a command; a failure is shown in the error box and ends the command there.
    void guard(const std::function<void()>& f);
    // A modal window of our own: counts as activation of this window when it returns.
    int execModal(const std::function<int()>& run);
    void showProgress(bool on);
    struct DecodedPhoto {
        lum::Image image;
        lum::JpegMetadata metadata;
        lum::DecodeReport report;  // damage met on the way
        lum::BaselineCopies copies;  // of image, made beside the decode for its commit
    };
    enum class Decode { Done, Failed, Superseded };
    struct PendingDecode;
    // False when the save question was cancelled or its save wrote nothing.
    bool askSaveBeforeSwitch();
    // Decoding alone, nothing changed; a failure is reported. The photo is decoded on the
    // loader's thread while the window keeps painting under the hourglass, with a quick preview
    // in the view once there is one; the photo list and the keys that step through the photos
    // still work, and a photo asked for meanwhile supersedes this one.
    Decode decodePhoto(const QString& path, DecodedPhoto& photo);
    lum::PhotoLoader& loader();
    // The one place a photo that cannot be opened is reported ("JPEG error #N in FILE: ...").
    void showLoadFailure(const QString& path, const std::exception& error);
    // After a damaged photo is shown: which file, and what is wrong with it.
    void showLoadNotice(const QString& path, const lum::DecodeReport& report);
    // The steps of a load after the decode: flags, zoom, file information, thumbnail, commit.
    void showDecodedPhoto(const QString& path, DecodedPhoto&& photo);
    // After New or Paste as New Image: no file named or highlighted until a save.
    void showPictureWithoutFile();
    // After a save wrote the picture: the caption and the list name the file written.
    void photoWritten();
    // The tree and the list go to the shown photo's folder and highlight it.
    void followPhotoFolder();
    bool hasPictureToSave();
    void buildBrowsing();
    void showFileInfo(const QString& path, int width, int height);
    void buildThumbnail(const lum::Image& photo);
    lum::PhotoSaving& saving();
    const TEform2& options();

    std::unique_ptr<lum::WindowPrompts> prompts_;
    lum::Editor editor_;
    std::unique_ptr<lum::PictureChooserLink> chooserLink_;
    std::unique_ptr<lum::PhotoSaving> saving_;
    lum::Dialogs* dialogs_ = nullptr;
    std::unique_ptr<lum::Dialogs> ownDialogs_;  // only when none were handed over
    CompareOpener compareOpener_;
    QString pendingOpen_;
    bool logoPending_ = false;
    bool started_ = false;
    bool firstActivationSeen_ = false;
    int modalDepth_ = 0;
    bool deactivatedByOwnWindow_ = false;
    QImage thumbnail_;
    QString shownPhoto_;
    std::unique_ptr<lum::PhotoLoader> loader_;
    PendingDecode* pendingDecode_ = nullptr;  // the decode being waited for
    bool showHidden_ = false;
    lum::FolderWatch* folderWatch_ = nullptr;
    QList<QObject*> photoKeys_;  // the shortcuts that step through the photos
    QLabel* zoomLabel_ = nullptr;

    // Controls (object names are the design names).
    lum::EditPane* pane_ = nullptr;
    TLsDirTree21* LsDirTree211 = nullptr;
    TLsFilelistView28* LsFilelistView282 = nullptr;
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QWidget* memoPanel_ = nullptr;
    lum::SelectionToolbar* SelectionToolbar = nullptr;
    QWidget* ViewOrginalPhotoToolWindow = nullptr;
    QLabel* ShowOrginalImage = nullptr;
    QWidget* ProcessingProgressToolWindow = nullptr;
    lum::DesignMenus menus_;
};
