// The compare-and-edit window: the photo as loaded on the left, the optimized photo on the
// right in a photo-editing pane of its own, with its own editor (image state, recorder, kernel
// register, zoom), menus, selection and paint toolbars. Opened modally from the main window,
// filled with copies of its images; nothing flows back.
//
// The class is split by job: CompareWindow.cpp (creation, filling, zoom, closing),
// CompareWindowLayout.cpp (panels and buttons) and CompareWindowMenus.cpp (menus, the
// commands of the table and the window's own commands).
#pragma once
#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/DesignMenus.h"
#include "editing/Editor.h"
#include "editing/Macro.h"
#include "editing/Prompts.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QScrollArea;
class QSplitter;
class QToolBar;
class QToolButton;
class TRealMemoryPanel;

namespace lum {
class Dialogs;
class EditPane;
class MenuBarReveal;
class PaintToolbar;
class PhotoSaving;
class PhotoView;
class PictureChooserLink;
class PictureLabel;
class SelectionToolbar;
class WindowPrompts;
}  // namespace lum

class TViewBigEditPhotoForm : public QMainWindow {
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

    lum::Editor& editor() { return editor_; }
    lum::EditState& State() { return editor_.State(); }
    const lum::EditState& State() const { return editor_.State(); }
    lum::EditPane* Pane() const { return pane_; }
    lum::PhotoView* View() const;
    lum::Prompts& prompts();
    lum::SelectionToolbar* selectionToolbar() const { return SelectionToolbar; }
    lum::PaintToolbar* paintToolbar() const { return PaintToolbar; }
    QMenuBar* MainMenu1() const { return menus_.bar; }
    lum::MenuBarReveal* menuReveal() const { return menus_.reveal; }
    QMenu* ZoomScalePopupMenu() const;
    QMenu* ColorChangePopupMenu() const { return menus_.colorMenu; }

    // --- creation, filling, activation ---
    void FormCreate();
    void FormActivate();
    void SetFileInfoText(const std::string& text) { State().FileInfoText = text; }
    void FillCompareWindow(const lum::Image& optimized, const lum::Image& original);
    // Shows the window maximized and modal; returns once it is closed.
    void ShowModal();
    const lum::Image& OriginalPhoto() const { return originalPhoto_; }
    const lum::Image& OptimizedPhoto() const { return optimizedPhoto_; }
    // The image was changed since the window was filled, zoomed or saved.
    bool Changed() const;

    // --- pane layout ---
    void DivideWindowinto2EvenSpeedButtonClick();
    void SpeedButton9Click() { DivideWindowinto2EvenSpeedButtonClick(); }
    void SpeedButton4Click();  // the original photo in full screen
    void SpeedButton5Click();  // the optimized photo in full screen

    // --- zoom: the menu resamples both panes from the photos handed in ---
    void SetZoomScaleSpeedButtonClick();
    void ZoomToPercent(double percent);
    int FitWidthPercent() const;
    int FitHeightPercent() const;
    int FitWindowPercent() const;
    void UpdateZoomLabel();

    // Runs the table's operation behind one of this window's controls, inside the error guard.
    bool RunCommand(const char* control);

    // --- the window's own commands ---
    void ResetImageSpeedButtonClick();
    void SpeedButton6Click();  // "U": back to the baseline, recorded as action 0
    void ColorChangeSpeedButtonClick();
    void SpeedButton1Click();  // "S": shows and hides the Selection toolbar
    void SpeedButton3Click();  // "P": shows and hides the Paint toolbar
    void BtenregistrerClick();
    void SpeedButton2Click();  // the menu save without its pause
    void Supprimer1Click();
    void BtparamjpgClick();
    void Memoriser();
    void Undo();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

signals:
    void Closed();

private:
    void buildUi();
    QWidget* buildTopStrip(QWidget* parent);
    QWidget* buildOriginalPane(QWidget* parent);
    QWidget* buildOptimizedPane(QWidget* parent);
    void buildToolbars();
    void buildMenus();
    void chooseSelectionTool(int mode);
    QToolButton* makeButton(const QString& designName, const QString& caption, const QString& hint, QWidget* parent);
    QToolButton* makeCommandButton(const char* control, QWidget* parent, bool captioned);
    // A pane-layout button: its picture (or the style's fallback) and its handler.
    QToolButton* paneButton(const char* name, const char* hint, int fallbackIcon, QWidget* parent,
                            void (TViewBigEditPhotoForm::*handler)());
    void guard(const std::function<void()>& f);
    int execModal(const std::function<int()>& run);
    void settleLayout();
    void setOriginalPaneWidth(int width);
    void showOriginal(const QImage& shown);
    void keepAsUnchanged();
    void keepOptimizedAsUnchanged();
    bool menuSave(int delayMs);
    lum::PhotoSaving& saving();

    lum::Dialogs& dialogs_;
    std::unique_ptr<lum::WindowPrompts> prompts_;
    lum::Editor editor_;
    std::unique_ptr<lum::PictureChooserLink> chooserLink_;
    std::unique_ptr<lum::PhotoSaving> saving_;
    lum::Image originalPhoto_, optimizedPhoto_;
    // The working image as last filled, zoomed or saved: the optimized photo itself after a
    // fill (the working image is its copy then), else unchangedCopy_.
    const lum::Image* unchanged_ = &unchangedCopy_;
    lum::Image unchangedCopy_;
    bool closing_ = false;
    bool closeAfterWork_ = false;  // closed while a fill ran: close once it has stopped

    // Controls (object names are the design names).
    lum::EditPane* pane_ = nullptr;
    TRealMemoryPanel* RealMemoryPanel_Top = nullptr;
    QPlainTextEdit* PhotoFileNameMemo = nullptr;
    QSplitter* Splitter1 = nullptr;
    TRealMemoryPanel* OrginalPartRealMemoryPanel = nullptr;
    QScrollArea* ScrollBox2 = nullptr;
    lum::PictureLabel* OrginalBitmapImage = nullptr;
    TRealMemoryPanel* RealMemoryPanel1 = nullptr;
    TRealMemoryPanel* RealMemoryPanel2 = nullptr;
    lum::SelectionToolbar* SelectionToolbar = nullptr;
    lum::PaintToolbar* PaintToolbar = nullptr;
    QToolButton* SetZoomScaleSpeedButton = nullptr;
    QToolButton* ColorChangeSpeedButton = nullptr;
    lum::DesignMenus menus_;
};
