// The main window: logo band, folder tree and photo list, the photo view with its two button
// rows, the bottom band, the hidden menu bar and the pop-up menus. It owns the editing state
// of the program.
#pragma once
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/core/EditState.h"
#include "app/core/Macro.h"
#include "app/core/Prompts.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSplitter;
class QToolBar;
class QToolButton;
class TEform2;
class TLsDirTree21;
class TLsFilelistView28;
class TRealMemoryPanel;

namespace lum {
class PhotoView;
class PhotoSaving;
class PictureChooserLink;
}  // namespace lum

class TMemPhotoActionForm : public QMainWindow, private lum::MacroMenu, private lum::MacroReplayer {
    Q_OBJECT
public:
    // prompts answers every question of the window (not owned; may be null until set).
    explicit TMemPhotoActionForm(lum::Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~TMemPhotoActionForm() override;

    lum::EditState& State() { return st_; }
    const lum::EditState& State() const { return st_; }
    lum::PhotoView* View() const { return view_; }
    // The window's prompts: every question goes through them, and each return from one
    // counts as the window becoming active again.
    lum::Prompts& prompts();
    void SetPrompts(lum::Prompts* prompts);

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
    void LoadPhoto(const QString& path);
    // Opens a photo file as a click on it in the photo list does (drops, command line).
    void OpenPhotoFile(const QString& path);
    QString FileInfoText() const { return QString::fromStdString(st_.FileInfoText); }
    const QImage& OriginalThumbnail() const { return thumbnail_; }

    // The compare-and-edit window, shown modally with the file information, WorkImage (the
    // optimized side) and MemoryImage (the photo as loaded); installed by the window's code.
    using CompareOpener = std::function<void(QWidget* parent, const std::string& fileInfo,
                                             const lum::Image& optimized, const lum::Image& original)>;
    static void SetCompareWindowOpener(CompareOpener opener);
    void OpenCompareWindow();

    // --- buttons ---
    void ProcessingOptimumActionSpeedButtonClick();
    void UndoSpeedButtonClick();
    void ComparePhotosSpeedButtonClick();
    // Returns true when the photo was written.
    bool SaveAndReplacePhotoSpeedButtonClick();
    void ShowOriginalPhotoSpeedButtonClick();
    void Btrot90Click();
    void SpeedButton1Click();
    void ZoomPhotosSpeedButtonClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void TarnelhomeSpeedButtonClick();
    void PaintBox1DblClick();
    void ShowOrginalImageClick();

    // --- hidden menu bar ---
    void BtnouveauClick();
    void BtenregistrerClick();
    void Supprimer1Click();
    void BtparamjpgClick();
    void Copier1Click();
    void Commenouvelleimage1Click();
    void Mlangerlexistant1Click();
    void Memoriser();
    void Effacer1Click();
    void BtmixdegradClick();
    void Btmiximageclick();
    void PPimageClick();
    void GradientLumiereClick();
    void NivGrisClick();
    void LissageAutoClick();
    void FlouGaussienClick();
    void Equilibrer1Click();
    void Equilibrer2Click();
    void InitmacroClick();
    void FermerClick();
    void ExecuterClick();
    void Redimensionner1Click();
    void Aide1Click();

    // --- ColorChangePopupMenu ---
    void RedChangetoGreen101Click();
    void RedChangetoBlue101Click();
    void Greenchangeto1Click();
    void GreenChangetoBlue101Click();
    void BluechangetoRed101Click();
    void BluechangetoGreen101Click();

    // --- ZoomScalePopupMenu ---
    void ZoomTo_10_MenuitemClick();
    void ZoomTo_25_MenuitemClick();
    void ZoomTo_33_MenuitemClick();
    void ZoomTo_50_MenuitemClick();
    void ZoomTo_66_MenuitemClick();
    void ZoomTo_75_MenuitemClick();
    void ZoomTo_100_MenuitemClick();
    void ZoomTo_125_MenuitemClick();
    void ZoomTo_150_MenuitemClick();
    void ZoomTo_200_MenuitemClick();
    void ZoomTo_FitWidth_MenuitemClick();
    void ZoomTo_FitHeight_MenuitemClick();
    void ZoomTo_FitWindow_MenuitemClick();
    // Ctrl++ / Ctrl+-: the next larger or smaller percentage of the zoom table.
    void ZoomInStep();
    void ZoomOutStep();

    QMenu* ZoomScalePopupMenu() const { return zoomMenu_; }
    QMenu* ColorChangePopupMenu() const { return colorMenu_; }
    QMenuBar* MainMenu1() const { return mainMenu_; }

    // The web pages behind "Tarnel Home" and the online help button.
    static QString HomePageUrl();
    static QString ManualPageUrl();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    class ActivatingPrompts;
    class ChooserLink;

    // MacroMenu
    void SetCloseEnabled(bool on) override;
    void SetExecuteEnabled(bool on) override;
    // MacroReplayer
    void ReplayAction(int code, int p1) override;
    bool Replays(int code) const override;

    void buildUi();
    void buildMenus();
    void buildToolWindows();
    void buildShortcuts();
    TRealMemoryPanel* makePanel(const QString& designName, QWidget* parent);
    QToolButton* makeButton(const QString& designName, const QString& hint, QWidget* parent,
                            const QString& shortcutText = QString());

    // Runs a command; a failure is shown in the error box and ends the command there.
    void guard(const std::function<void()>& f);
    // A modal window of our own: counts as activation of this window when it returns.
    int execModal(const std::function<int()>& run);
    void showProgress();
    void hideProgress();
    void busy(bool on);
    void askSaveBeforeSwitch();
    void openPicked(const QString& path, const QString& folder);
    void buildThumbnail(const lum::Image& photo);
    void runChannelShift(int kind);
    lum::PhotoSaving& saving();
    const TEform2& options();

    lum::EditState st_;
    std::unique_ptr<ActivatingPrompts> prompts_;
    std::unique_ptr<ChooserLink> chooserLink_;
    std::unique_ptr<lum::PhotoSaving> saving_;
    std::unique_ptr<TEform2> ownOptions_;  // only when the shared Options dialog does not exist
    QString pendingOpen_;
    bool logoPending_ = false;
    bool started_ = false;
    bool firstActivationSeen_ = false;
    int modalDepth_ = 0;
    int busyDepth_ = 0;
    bool deactivatedByOwnWindow_ = false;
    QImage thumbnail_;

    // Controls (object names are the design names).
    lum::PhotoView* view_ = nullptr;
    TLsDirTree21* LsDirTree211 = nullptr;
    TLsFilelistView28* LsFilelistView282 = nullptr;
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QWidget* memoPanel_ = nullptr;
    QToolBar* SelectionToolbar = nullptr;
    QToolButton* Btselectcercle = nullptr;
    QToolButton* Btselectrect = nullptr;
    QToolButton* BtNotool = nullptr;
    QToolButton* Btselectpoly = nullptr;
    QCheckBox* ChkEffacer = nullptr;
    QCheckBox* Chkdupliquer = nullptr;
    QWidget* ViewOrginalPhotoToolWindow = nullptr;
    QLabel* ShowOrginalImage = nullptr;
    QWidget* ProcessingProgressToolWindow = nullptr;
    QMenuBar* mainMenu_ = nullptr;
    QMenu* zoomMenu_ = nullptr;
    QMenu* colorMenu_ = nullptr;
    QAction* closeMacroAction_ = nullptr;
    QAction* executeMacroAction_ = nullptr;
};
