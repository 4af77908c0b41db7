// SPDX-License-Identifier: GPL-3.0-or-later
// The picture chooser "Select a picture": drives, folders and the BMP and JPEG files of a
// folder with a preview. Every file selected is loaded at once into the target image.
#pragma once
#include <QDialog>
#include <QList>
#include <QString>

#include "image/Image.h"
#include "files/FileOps.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QFrame;

namespace lum {
class ThumbnailLoader;
class Prompts;
}

class PictureChooser : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewBox = 152;
    // The side of the files' thumbnails in the list.
    static constexpr int kThumbnailSide = 48;

    explicit PictureChooser(QWidget* parent = nullptr);

    // The image every selected picture is loaded into (the mix source of a window).
    void SetTargetImage(lum::Image* image) { target_ = image; }
    lum::Image* TargetImage() const { return target_; }
    void SetPrompts(lum::Prompts* prompts) { prompts_ = prompts; }
    lum::Prompts* GivenPrompts() const { return prompts_; }
    void SetDrives(const QList<lum::files::Drive>& drives);

    // Full path of the selected file, "" when none.
    QString FileName() const;
    // Shows `folder` (its drive chosen in the drive box); false when it does not exist or its
    // drive is not ready.
    bool SetDirectory(const QString& folder);
    QString Directory() const { return folder_; }
    // Reads the folder again, keeping the selected file when it is still there.
    void Refresh();
    // Shows the folder of the photo on screen, when it is another folder than the one it last
    // started in (the user's browsing is kept for the same photo folder).
    void StartIn(const QString& folder);
    // The picture loaded from the selected file; "" when none is (OK is disabled then).
    QString ChosenPicture() const { return chosen_; }
    // "The drive is not ready ...".
    static QString NotReadyText();
    // Selects `path` in the file list without loading it.
    bool SelectFile(const QString& path);

    // Loads the selected file into `into` and the preview. False when nothing is selected,
    // the drive is not ready or the file is not a valid picture (the preview is cleared then
    // and `into` keeps its contents).
    bool LoadSelectedInto(lum::Image& into);

    // Preview size: the picture's own size, or the longer side 152 and the other in proportion.
    static QSize PreviewSize(int width, int height);

    // Controls, for the main window and tests.
    QComboBox* DriveBox = nullptr;
    QListWidget* FolderList = nullptr;
    QListWidget* FileList = nullptr;
    QFrame* PreviewFrame = nullptr;
    QLabel* Preview = nullptr;    // the chosen picture, fitted into the frame
    QLabel* SizeLabel = nullptr;  // "Size w x h" of the chosen picture
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // What the controls do.
    // On showing: remembers the folder and file that Cancel goes back to, and loads the file.
    void PrepareShowing();
    void OpenDrive(int index);                   // a drive picked in the drive box
    void OpenFolderItem(QListWidgetItem* item);  // a folder double-clicked, or Enter on it
    void LoadSelected();                         // the file selected in the list
    void Cancel();
    // Escape and the window's close button work like Cancel.
    void reject() override;

signals:
    // A picture was loaded into the target image.
    void PictureLoaded(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    lum::Prompts& prompts() const;
    bool FolderDriveReady();
    bool ChangeFolder(const QString& folder);
    void RestoreRemembered();
    void FillFolders();
    void FillFiles();
    void ClearPreview();
    void SelectRowQuietly(int row);
    void ShowChosen(const QString& path);

    QList<lum::files::Drive> drives_;
    QString folder_;
    lum::Image* target_ = nullptr;
    lum::Prompts* prompts_ = nullptr;
    int rememberedIndex_ = -1;
    QString rememberedPath_;
    QString rememberedFolder_;
    QString chosen_;
    QString startedIn_;
    int driveIndex_ = -1;
    lum::ThumbnailLoader* thumbnails_ = nullptr;
};
