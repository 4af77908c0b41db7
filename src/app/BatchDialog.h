// SPDX-License-Identifier: GPL-3.0-or-later
// "Optimize Selected Photos": where the optimized photos go (a folder "optimized" beside them,
// made when needed, another folder, or over the originals), the JPEG quality and progressive display, then
// the run with its progress, time left and Cancel, and a summary of what was written and what
// was skipped and why. The dialog is not modal: the window stays in use while the photos are done.
#pragma once
#include <QDialog>
#include <QMap>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "cli/BatchEngine.h"
#include "imaging/ColourOps.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace lum {

class BatchRun;
class Prompts;

class BatchDialog : public QDialog {
    Q_OBJECT
public:
    // What the batch is asked to do.
    struct Request {
        QStringList paths;  // the photos, or a folder standing for its photos
        QString folder;     // where they are: the new folder "optimized" is made there
        int photoCount = 0;
        int quality = 90;
        bool progressive = false;
        BalanceTargets targets;
        // Smaller copies to share rather than optimized photos: into exportFolder (made when
        // needed), never over a file there.
        bool exportCopies = false;
        QString exportFolder;
        // Copies of the photo on screen (the one path) rather than of its file: the picture is
        // asked for as the export starts and handed to `use` with go true, null when the file is
        // to go; go false when it could not be had (the window said why).
        using HeldUse = std::function<void(std::shared_ptr<const cli::HeldPicture> held, bool go)>;
        std::function<void(HeldUse use)> takeShown;
        bool shownUnsaved = false;  // it has changes not saved, as the dialog opens
        QString shownName;          // the name its copy takes
    };
    // The long edges offered for copies; 0 is the original size.
    static const QList<int>& ExportLongEdges();
    static constexpr const char* kNewFolderName = "optimized";

    BatchDialog(Prompts& prompts, QWidget* parent = nullptr);
    ~BatchDialog() override;

    // Shows the settings for a new batch; nothing while one runs.
    void Prepare(const Request& request);
    // Turns the photos in place at once, without settings: the progress shows for several photos,
    // the summary when something was skipped or cut. False while a batch runs.
    bool StartTurn(const QStringList& photos, const QString& folder, PhotoTurn turn);
    // The files the last batch wrote.
    const QStringList& WrittenFiles() const { return written_; }
    // Whether the last batch turned photos.
    bool Turning() const { return turn_.has_value(); }
    bool Running() const;
    // How the output folder is opened (the desktop's file manager by default).
    void SetOpener(std::function<bool(const QUrl&)> opener) { opener_ = std::move(opener); }

    // The settings page's Start, the progress page's Cancel, the summary's Open Output Folder.
    void Start();
    void Cancel();
    void OpenOutputFolder();

    // The arguments of the batch as the settings stand; false (with the reason told) when they
    // cannot be used.
    bool ReadSettings(cli::BatchArgs& args, QString& outputFolder);

    // What was written and skipped, as the summary shows it.
    QString SummaryText() const;
    QString ReportText() const;

signals:
    void batchFinished(const lum::cli::BatchTotals& totals);

protected:
    void reject() override;

private:
    void buildSettingsPage();
    void buildProgressPage();
    void buildSummaryPage();
    // Shows page index and makes its main button the one Enter presses: every page has its
    // own, and a dialog has only one default button at a time.
    void showPage(int index);
    void buildExportPage();
    bool readExportSettings(cli::BatchArgs& args, QString& outputFolder);
    void photoStarted(int index, int total, const QString& photo);
    void photoFinished(const cli::BatchPhotoReport& report);
    void showSummary(const cli::BatchTotals& totals, const QString& failure);
    void updateTimeLeft();
    QString reasonText(const cli::BatchPhotoReport& report) const;
    void beginRun(const cli::BatchArgs& args);

    Prompts& prompts_;
    std::function<bool(const QUrl&)> opener_;
    Request request_;
    BatchRun* run_ = nullptr;
    QString outputFolder_;
    bool inPlace_ = false;
    int done_ = 0;
    int total_ = 0;
    QElapsedTimer clock_;
    QStringList skipped_, warned_, written_, unchanged_;
    std::optional<PhotoTurn> turn_;  // a batch of turns
    bool takingShown_ = false;       // the shown picture is being copied for the export

    QStackedWidget* pages_ = nullptr;
    QMap<int, QPushButton*> pageDefaults_;
    // Settings.
    QLabel* intro_ = nullptr;
    QRadioButton* toNewFolder_ = nullptr;
    QRadioButton* toOtherFolder_ = nullptr;
    QRadioButton* replace_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* replaceWarning_ = nullptr;
    QCheckBox* overwrite_ = nullptr;
    QSpinBox* quality_ = nullptr;
    QCheckBox* progressive_ = nullptr;
    // Settings of copies.
    QLabel* exportIntro_ = nullptr;
    QComboBox* longEdge_ = nullptr;
    QSpinBox* exportQuality_ = nullptr;
    QCheckBox* removeDetails_ = nullptr;
    QLineEdit* exportFolder_ = nullptr;
    // Progress.
    QLabel* current_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* timeLeft_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // Summary.
    QLabel* summary_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QPushButton* openFolder_ = nullptr;
};

// "About 3 minutes left" and the like, for the seconds a batch still needs.
QString TimeLeftText(double seconds);

}  // namespace lum
