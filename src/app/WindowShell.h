// The shell both editing windows are made of: the window's prompts, its editor and edit pane,
// the program's dialogs, saving and the questions around it, the menus built from the
// operation table, the selection toolbar, the busy guard, the modal visits and the skinned
// buttons. The main window and the compare window add only what is their own.
//
// WindowShell.cpp holds creation, activation, the guard and the modal visits, saving and the
// caption; WindowShellCommands.cpp the menus, the buttons and the commands both windows have.
#pragma once
#include <QMainWindow>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "app/DesignMenus.h"
#include "editing/Editor.h"
#include "editing/Prompts.h"

class QAbstractButton;
class QMenu;
class QMenuBar;
class QToolButton;

namespace lum {

class Dialogs;
class EditPane;

// What the compare window is filled with: the main window's file information, its WorkImage
// (the optimized side) and MemoryImage (the photo as loaded), and the photo's own file.
struct ComparedPhoto {
    std::string fileInfo;
    const Image* optimized = nullptr;
    const Image* original = nullptr;
    std::string photoFile;  // empty for a made or pasted picture
    bool damaged = false;   // the file could be decoded only in part
};
class MenuBarReveal;
class PhotoSaving;
class PhotoView;
class PictureChooserLink;
class SelectionToolbar;
class WindowPrompts;

class WindowShell : public QMainWindow {
    Q_OBJECT
public:
    // How a window's skinned buttons look: the icon of a button is the one named iconPrefix +
    // its design name, iconSide pixels square, on a button buttonSide pixels square (0: the
    // button takes the size of its content).
    struct ButtonLook {
        const char* iconPrefix;
        int iconSide;
        int buttonSide;
    };
    // What makes a shell the main window's or the compare window's.
    struct Kind {
        EditorPolicy policy;
        const char* saveFilter;  // the save dialog's (kSaveFilterMain, kSaveFilterCompare)
        ButtonLook buttons;
        bool selections;  // the selection toolbar's shapes select (else they only set the mode)
    };
    static constexpr int kMenuSavePauseMs = 400;
    static constexpr const char* kNoPhotoToSave = QT_TRANSLATE_NOOP("lum::WindowShell", "There is no photo to save.");

    Editor& editor() { return editor_; }
    EditState& State() { return editor_.State(); }
    const EditState& State() const { return editor_.State(); }
    EditPane* Pane() const { return pane_; }
    PhotoView* View() const;
    // The window's prompts: every question goes through them, and each return from one counts
    // as the window becoming active again.
    Prompts& prompts();
    void SetPrompts(Prompts* prompts);
    // The program's dialogs (not owned); without any handed over the window makes its own
    // when it first needs one.
    void SetDialogs(Dialogs* dialogs);
    Dialogs& dialogs();

    QMenuBar* MainMenu1() const { return menus_.bar; }
    MenuBarReveal* menuReveal() const { return menus_.reveal; }
    QMenu* ZoomScalePopupMenu() const;
    QMenu* ColorChangePopupMenu() const { return menus_.colorMenu; }
    SelectionToolbar* selectionToolbar() const { return selectionToolbar_; }

    // Runs a command; a failure is shown in the error box and ends the command there.
    void Guard(const std::function<void()>& command);
    // A modal window of ours (a dialog, a question, the compare window); its return counts as
    // an activation of this window.
    int ExecModal(const std::function<int()>& run);
    // Runs the table's operation behind one of the window's controls (a design name), inside
    // the guard. False when it did not run (cancelled, refused, failed, no such control).
    bool RunCommand(const char* control);

    // --- saving and its questions; each save writes the working image ---
    // The save dialog, then the replace question for an existing file; always JPEG. True when
    // a file was written; only then is the picture saved.
    bool SaveWithDialog();
    // The menu save: silent over the picture chooser's selected file when that is the current
    // file, else through the save dialog; JPEG or BMP by the name; asks before replacing a
    // file, then pauses pauseMs. True when a file was written.
    bool SaveFromMenu(int pauseMs = kMenuSavePauseMs);
    // caption and text asked with Yes, No and Cancel before the picture is left; Yes runs save
    // (inside the guard). True when the window may go on: No, or Yes and save wrote the file.
    bool AskSaveBeforeLeaving(const QString& caption, const QString& text, const std::function<bool()>& save);
    // Moves the current file to the trash after a confirmation, when it is the picture
    // chooser's selected file; refused otherwise. True when it was moved.
    bool DeleteCurrentFile();

    // --- commands both windows have ---
    void ShowOptions();
    // One step back and one forward in the history (nothing before the first picture).
    void Undo();
    void Redo();
    // The working image back to the baseline, as one step.
    void ResetImage();
    // The working image becomes the baseline (nothing before the first picture).
    void Memorize();
    void PopUpZoomMenu();
    void ChooseSelectionTool(int mode);

protected:
    // prompts answers every question of the window (not owned; Qt's boxes when null).
    WindowShell(const Kind& kind, Prompts* prompts, Dialogs* dialogs, QWidget* parent,
                Qt::WindowFlags flags = Qt::WindowFlags());
    ~WindowShell() override;

    // The window's edit pane inside parent, made once by the window's layout.
    EditPane* makePane(QWidget* parent);
    // The hidden selection toolbar at the top; after makePane.
    void makeSelectionToolbar();
    // The menus of the design built from the operation table, with the handlers both windows
    // share and the window's own ones by item name (each run inside the guard).
    void buildMenus(std::initializer_list<std::pair<const char*, std::function<void()>>> own);
    // The editing state as the window starts: zoom table and slot, kernel register, the default
    // macro driving the menus' macro items, the tool cursors. After buildMenus.
    void startEditing();

    // A skinned button: its icon, the caption beside it (none when empty), and the hint with
    // its keys.
    QToolButton* makeButton(const QString& designName, const QString& caption, const QString& hint, QWidget* parent,
                            const QString& keys = QString());
    // The button of the table's control: the hint from its row, its caption too when captioned.
    QToolButton* makeCommandButton(const char* control, QWidget* parent, bool captioned = false,
                                   const QString& keys = QString());
    // Clicks on button run command inside the guard.
    void onClick(QAbstractButton* button, std::function<void()> command);

    // The caption of a window that shows a file ("Lumora - " and the file, which may be empty).
    void showFileInCaption(const QString& file);

    // Every activation of the window, but the first and those that end a visit to a window of
    // ours, forgets the current file name (a delete asks for the file to be picked again).
    bool event(QEvent* e) override;
    void forgetCurrentFile();

    // What follows in the window: a file was written; a command put a new picture in place;
    // the current file went to the trash.
    virtual void pictureWritten() {}
    virtual void pictureReplaced() {}
    virtual void fileMovedToTrash() {}
    // A step was taken back or done again: what the window shows of the picture's file
    // follows.
    virtual void historyStepped() {}

    DesignMenus& menus() { return menus_; }
    PhotoSaving& saving();

private:
    bool hasPictureToSave();
    // Edit > Undo and Edit > Redo say what they would take back or do again.
    void showHistory();

    Kind kind_;
    std::unique_ptr<WindowPrompts> prompts_;
    Editor editor_;
    std::unique_ptr<PictureChooserLink> chooserLink_;
    std::unique_ptr<PhotoSaving> saving_;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<Dialogs> ownDialogs_;  // only when none were handed over
    EditPane* pane_ = nullptr;
    SelectionToolbar* selectionToolbar_ = nullptr;
    DesignMenus menus_;
    int modalDepth_ = 0;
    bool firstActivationSeen_ = false;
    bool deactivatedByOwnWindow_ = false;
};

}  // namespace lum
