// SPDX-License-Identifier: GPL-3.0-or-later
// The shell both editing windows are made of: the window's prompts, its editor and edit pane,
// the program's dialogs, saving and the questions around it, the menus built from the
// operation table, the selection toolbar, the busy guard, the modal visits and the skinned
// buttons. The main window and the compare window add only what is their own.
//
// WindowShell.cpp holds creation, activation, the guard and the modal visits, saving and the
// caption; WindowShellCommands.cpp the menus, the buttons and the commands both windows have.
#pragma once
#include <QMainWindow>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "app/LaterAnswer.h"
#include "app/WindowMenus.h"
#include "editing/Editor.h"
#include "editing/Prompts.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QToolButton;

namespace lum {

class Dialogs;
class EditPane;
class HelpWindow;

// Runs a piece of pixel work (as a job, for a big photo) and then what follows, with what it threw.
using Offloader = std::function<void(std::function<void()> work, std::function<void(std::exception_ptr)> then)>;

// What the compare window is filled with: the main window's file information, its working image
// (the optimized side) and the photo as loaded, and the photo's own file.
struct ComparedPhoto {
    std::string fileInfo;
    const Image* optimized = nullptr;
    const Image* original = nullptr;
    std::string photoFile;  // empty for a made or pasted picture
    bool damaged = false;   // the file could be decoded only in part
    QString name;           // the picture's name in the main window's caption
    QString folder;         // where File > Open starts
    // Runs the compare window's copies of the photo as the main window's job (null: here).
    Offloader offload;
    // How the photo as loaded maps onto the optimized side.
    LoadedFraming framing;
};
// The edits the compare window hands back: its picture and how the photo as loaded maps onto it.
struct KeptEdits {
    Image image;
    LoadedFraming framing;
};
class MenuBarReveal;
class PhotoFixTools;
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
    static constexpr const char* kNoPhotoToSave = QT_TRANSLATE_NOOP("lum::WindowShell", "There is no photo to save.");

    Editor& editor() { return editor_; }
    const Editor& editor() const { return editor_; }
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

    QMenuBar* MenuBar() const { return menus_.bar; }
    MenuBarReveal* menuReveal() const { return menus_.reveal; }
    QMenu* ZoomScalePopupMenu() const;
    QMenu* ColorChangePopupMenu() const { return menus_.colorMenu; }
    SelectionToolbar* selectionToolbar() const { return selectionToolbar_; }

    // While the pane's work runs on another thread the state is the work's: f runs once it and
    // the command around it are over (true), or not at all here (false: run it now).
    bool AfterWork(const std::function<void()>& f);
    // Runs a command; a failure is shown in the error box and ends the command there.
    void Guard(const std::function<void()>& command);
    // A modal window of ours (a dialog, a question); its return counts as an activation of
    // this window.
    int ExecModal(const std::function<int()>& run);
    // The same for a modal window shown without waiting for it (the compare window): from its
    // opening to its closing.
    void BeginModalVisit();
    void EndModalVisit();
    // Runs the table's operation behind one of the window's controls (a design name), inside
    // the guard. False when it did not run (cancelled, refused, failed, no such control, a job
    // under way); true when it ran, or goes on as a job (its failure then reaches the error box).
    bool RunCommand(const char* control);
    // The same for an operation of the table by name, with its parameters given.
    bool RunOperation(const char* name, const OpArgs& args);
    // The crop, straighten and red-eye tools of the photo.
    PhotoFixTools* photoFixes() const { return fixes_; }
    // Crops the picture to the rectangle selection's part inside it; nothing without one.
    bool CropToSelection();
    // command (a menu item or a button) reads or changes the picture: it is greyed while a job
    // owns the picture.
    void TouchesPicture(QObject* command);
    // Greys those commands, and the photo takes no press, for as long as on holds (a photo
    // loading); nested holds count.
    void HoldPictureCommands(bool on);

    // --- saving and its questions; each save writes the working image ---
    // The save dialog, then the replace question for an existing file; BMP for ".bmp" names,
    // JPEG otherwise. done hears whether a file was written (once the job has run, for a big
    // picture); only then is the picture saved.
    void SaveWithDialog(Answered done);
    // The menu save: silent over the picture chooser's selected file when that is the current
    // file, else through the save dialog; JPEG or BMP by the name; asks before replacing a file.
    void SaveFromMenu(Answered done);
    // The same, answering now: whether a file was written (or is being written by a job).
    bool SaveWithDialog();
    bool SaveFromMenu();
    // caption and text asked with Save, Don't Save and Cancel before the picture is left; Save
    // runs save (inside the guard). then hears whether the window may go on: Don't Save, or Save
    // and save wrote the file.
    void AskSaveBeforeLeaving(const QString& caption, const QString& text, std::function<void(Answered)> save,
                              Answered then);
    // The same with a save that answers at once.
    bool AskSaveBeforeLeaving(const QString& caption, const QString& text, const std::function<bool()>& save);
    // Moves the current file to the trash after a confirmation, when it is the picture
    // chooser's selected file; refused otherwise. True when it was moved.
    bool DeleteCurrentFile();

    // --- commands both windows have ---
    // File > Open: the open dialog for a photo, starting in the shown photo's folder; the
    // window opens the photo chosen.
    void OpenWithDialog();
    // The folder that dialog starts in.
    QString OpenDialogFolder() const { return openDialogFolder(); }
    void ShowOptions();
    // One step back and one forward in the history (nothing before the first picture).
    void Undo();
    void Redo();
    // The working image back to the baseline, as one step.
    void ResetImage();
    // The working image becomes the baseline (nothing before the first picture).
    void Memorize();
    void PopUpZoomMenu();
    void ChooseSelectionTool(ToolMode mode);

    // --- help and the web ---
    // The help window of the manual shipped with the program ("Lumora Help").
    void ShowHelp();
    HelpWindow* helpWindow() const;
    void OpenOnlineManual();
    void OpenHomePage();
    void ShowVersionWindow();
    // Opens url in the desktop's web browser; when none can open it, says so and gives the
    // address. True when it was opened.
    bool OpenWebPage(const QUrl& url);
    // The web pages behind "Tarnel Home" and the online manual.
    static QString HomePageUrl();
    static QString ManualPageUrl();

    // --- caption ---
    // "x.jpg — Lumora", with a star after the name while the picture has unsaved changes;
    // "Lumora" alone without a name.
    static QString Caption(const QString& name, bool unsaved);
    // The caption again from captionName and captionUnsaved.
    void RefreshCaption();
    // The recorder's state as the window shows it ("Recording macro: 5 of 64 actions"), empty
    // when it is not recording.
    QString RecordingText() const;
    // A passing word in the status bar (how a save was made), for a few seconds.
    void ShowNote(const QString& text);
    QString NoteText() const;
    static constexpr int kNoteMs = 8000;

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
    // ownTouching: the window's own items that touch the picture.
    void buildMenus(std::initializer_list<std::pair<const char*, std::function<void()>>> own,
                    std::initializer_list<const char*> ownTouching = {});
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

    // What the caption names: the picture's file ("Untitled" for a picture of no file), or
    // nothing; and whether the picture has unsaved changes.
    virtual QString captionName() const { return QString(); }
    // The canvas's accessible name: the photo's name and size.
    void nameCanvas();
    virtual bool captionUnsaved() const { return false; }
    // The photo chosen with File > Open, and the folder the dialog starts in.
    virtual void openChosenPhoto(const QString& path) { (void)path; }
    virtual QString openDialogFolder() const;

    // Every activation of the window, but the first and those that end a visit to a window of
    // ours, forgets the current file name (a delete asks for the file to be picked again).
    bool event(QEvent* e) override;
    void forgetCurrentFile();

    // What follows in the window: a file was written; a command put a new picture in place;
    // the current file went to the trash.
    virtual void pictureWritten() {}
    virtual void pictureReplaced() {}
    virtual void fileMovedToTrash(const QString& path) { (void)path; }
    // A step was taken back or done again: what the window shows of the picture's file
    // follows.
    virtual void historyStepped() {}

    WindowMenus& menus() { return menus_; }
    PhotoSaving& saving();

private:
    bool runOperation(const Operation& op, const std::function<void(const Operation&, RunEnd)>& start);
    PhotoFixTools* fixes_ = nullptr;
    bool hasPictureToSave();
    void takeStep(bool forward);
    // A job started or the last one ended: the commands that touch the picture follow.
    void workChanged(bool running);
    int holds_ = 0;  // jobs and loads under way
    void setCommandEnabled(QObject* command, bool on);
    void showRecording(bool recording, int count);
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
    QPointer<HelpWindow> help_;
    QLabel* recordingLabel_ = nullptr;
    WindowMenus menus_;
    QList<QPointer<QObject>> pictureCommands_;
    QSet<QAction*> disabledByHistory_;  // Undo and Redo with nothing to take back or do again
    int modalDepth_ = 0;
    bool firstActivationSeen_ = false;
    bool deactivatedByOwnWindow_ = false;
};

}  // namespace lum
