// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

#include "app/BatchRun.h"
#include "editing/Prompts.h"
#include "files/FileOps.h"
#include "widgets/QtPrompts.h"

namespace lum {

namespace {

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Native(const QString& path) { return QDir::toNativeSeparators(path); }
QString NameOf(const std::string& path) { return QFileInfo(Q(path)).fileName(); }

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLabel* Label(const QString& text, const char* name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

QString TimeLeftText(double seconds) {
    // A free function: lupdate files its texts under the context named here.
    const auto said = [](const char* text) { return QCoreApplication::translate("lum::BatchDialog", text); };
    if (seconds < 10) return said(QT_TRANSLATE_NOOP("lum::BatchDialog", "A few seconds left"));
    if (seconds < 90) {
        const int s = static_cast<int>(std::lround(seconds / 5.0)) * 5;
        return said(QT_TRANSLATE_NOOP("lum::BatchDialog", "About %1 seconds left")).arg(s);
    }
    const int m = static_cast<int>(std::lround(seconds / 60.0));
    if (m < 90) return said(QT_TRANSLATE_NOOP("lum::BatchDialog", "About %1 minutes left")).arg(m);
    const double h = std::round(seconds / 360.0) / 10.0;
    return said(QT_TRANSLATE_NOOP("lum::BatchDialog", "About %1 hours left")).arg(QLocale().toString(h, 'f', 1));
}

BatchDialog::BatchDialog(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), run_(new BatchRun(this)) {
    setObjectName(QStringLiteral("BatchOptimizeDialog"));
    setWindowTitle(tr("Optimize Photos"));
    setModal(false);
    opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    pages_ = new QStackedWidget(this);
    auto* root = new QVBoxLayout(this);
    root->addWidget(pages_);
    buildSettingsPage();
    buildProgressPage();
    buildSummaryPage();
    buildExportPage();
    resize(560, 0);

    connect(run_, &BatchRun::photoStarted, this, &BatchDialog::photoStarted);
    connect(run_, &BatchRun::photoFinished, this, &BatchDialog::photoFinished);
    connect(run_, &BatchRun::finished, this, [this](const cli::BatchTotals& t) { showSummary(t, QString()); });
    connect(run_, &BatchRun::failed, this, [this](const QString& why) { showSummary(cli::BatchTotals(), why); });
}

BatchDialog::~BatchDialog() = default;

void BatchDialog::buildSettingsPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("BatchSettingsPage"));
    auto* v = new QVBoxLayout(page);
    intro_ = Label(QString(), "BatchIntro", page);
    v->addWidget(intro_);

    auto* where = new QGroupBox(tr("Write the optimized photos"), page);
    auto* g = new QGridLayout(where);
    toNewFolder_ = new QRadioButton(tr("Into the folder “%1” beside the photos").arg(QLatin1String(kNewFolderName)), where);
    toNewFolder_->setObjectName(QStringLiteral("BatchToNewFolder"));
    toOtherFolder_ = new QRadioButton(tr("Into another folder:"), where);
    toOtherFolder_->setObjectName(QStringLiteral("BatchToOtherFolder"));
    folderEdit_ = new QLineEdit(where);
    folderEdit_->setObjectName(QStringLiteral("BatchFolderEdit"));
    browse_ = Button(tr("&Browse..."), "BatchBrowse", where);
    replace_ = new QRadioButton(tr("Over the original photos"), where);
    replace_->setObjectName(QStringLiteral("BatchReplaceOriginals"));
    replaceWarning_ = Label(tr("The original photos will be replaced and cannot be brought back. "
                               "Damaged photos are left as they are."),
                            "BatchReplaceWarning", where);
    replaceWarning_->setStyleSheet(QStringLiteral("color: #a01010;"));
    // Two lines at the dialog's width; a wrapped label asks for one while it is hidden.
    replaceWarning_->setMinimumHeight(2 * replaceWarning_->fontMetrics().lineSpacing() + 4);
    // Its room is kept while it is hidden, so it shows whole when the choice is made.
    QSizePolicy keep = replaceWarning_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    replaceWarning_->setSizePolicy(keep);
    overwrite_ = new QCheckBox(tr("Replace photos of the same name already in that folder"), where);
    overwrite_->setObjectName(QStringLiteral("BatchOverwrite"));
    g->addWidget(toNewFolder_, 0, 0, 1, 3);
    g->addWidget(toOtherFolder_, 1, 0);
    g->addWidget(folderEdit_, 1, 1);
    g->addWidget(browse_, 1, 2);
    // Under the two folder choices it belongs to.
    auto* overwriteRow = new QHBoxLayout;
    overwriteRow->addSpacing(24);
    overwriteRow->addWidget(overwrite_);
    g->addLayout(overwriteRow, 2, 0, 1, 3);
    g->addWidget(replace_, 3, 0, 1, 3);
    g->addWidget(replaceWarning_, 4, 0, 1, 3);
    g->setColumnStretch(1, 1);
    v->addWidget(where);

    auto* jpeg = new QGroupBox(tr("JPEG"), page);
    auto* h = new QHBoxLayout(jpeg);
    auto* qualityLabel = new QLabel(tr("&Quality (10 to 100):"), jpeg);
    quality_ = new QSpinBox(jpeg);
    quality_->setObjectName(QStringLiteral("BatchQuality"));
    quality_->setRange(10, 100);
    qualityLabel->setBuddy(quality_);
    progressive_ = new QCheckBox(tr("&Progressive display"), jpeg);
    progressive_->setObjectName(QStringLiteral("BatchProgressive"));
    h->addWidget(qualityLabel);
    h->addWidget(quality_);
    h->addSpacing(24);
    h->addWidget(progressive_);
    h->addStretch(1);
    v->addWidget(jpeg);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* start = Button(tr("&Start"), "BatchStart", page);
    pageDefaults_[0] = start;
    QPushButton* close = Button(tr("Cancel"), "BatchClose", page);
    buttons->addWidget(start);
    buttons->addWidget(close);
    v->addStretch(1);
    v->addLayout(buttons);
    pages_->addWidget(page);

    const auto follow = [this] {
        const bool other = toOtherFolder_->isChecked();
        folderEdit_->setEnabled(other);
        browse_->setEnabled(other);
        overwrite_->setEnabled(!replace_->isChecked());
        replaceWarning_->setVisible(replace_->isChecked());
    };
    for (QRadioButton* r : {toNewFolder_, toOtherFolder_, replace_}) connect(r, &QRadioButton::toggled, this, follow);
    connect(folderEdit_, &QLineEdit::textEdited, this, [this] { toOtherFolder_->setChecked(true); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        std::string path = S(folderEdit_->text().isEmpty() ? request_.folder : folderEdit_->text());
        if (prompts_.AskFolder(S(tr("Folder for the Optimized Photos")), path)) folderEdit_->setText(Native(Q(path)));
    });
    connect(start, &QPushButton::clicked, this, &BatchDialog::Start);
    connect(close, &QPushButton::clicked, this, &BatchDialog::reject);
    toNewFolder_->setChecked(true);
    follow();
}

void BatchDialog::buildProgressPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("BatchProgressPage"));
    auto* v = new QVBoxLayout(page);
    current_ = Label(QString(), "BatchCurrentPhoto", page);
    progress_ = new QProgressBar(page);
    progress_->setObjectName(QStringLiteral("BatchProgress"));
    progress_->setFormat(tr("%v of %m photos"));
    timeLeft_ = Label(QString(), "BatchTimeLeft", page);
    cancel_ = Button(tr("Cancel"), "BatchCancel", page);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    v->addWidget(current_);
    v->addWidget(progress_);
    v->addWidget(timeLeft_);
    v->addStretch(1);
    v->addLayout(buttons);
    pages_->addWidget(page);
    connect(cancel_, &QPushButton::clicked, this, &BatchDialog::Cancel);
}

void BatchDialog::buildSummaryPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("BatchSummaryPage"));
    auto* v = new QVBoxLayout(page);
    summary_ = Label(QString(), "BatchSummaryText", page);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    report_ = new QPlainTextEdit(page);
    report_->setObjectName(QStringLiteral("BatchReport"));
    report_->setReadOnly(true);
    openFolder_ = Button(tr("&Open Output Folder"), "BatchOpenFolder", page);
    QPushButton* done = Button(tr("Close"), "BatchDone", page);
    pageDefaults_[2] = done;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openFolder_);
    buttons->addStretch(1);
    buttons->addWidget(done);
    v->addWidget(summary_);
    v->addWidget(report_, 1);
    v->addLayout(buttons);
    pages_->addWidget(page);
    connect(openFolder_, &QPushButton::clicked, this, &BatchDialog::OpenOutputFolder);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

const QList<int>& BatchDialog::ExportLongEdges() {
    static const QList<int> edges = {640, 1024, 1600, 2048, 0};
    return edges;
}

// Pages: 0 settings of the optimize, 1 progress, 2 summary, 3 settings of copies.
void BatchDialog::buildExportPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("ExportSettingsPage"));
    auto* v = new QVBoxLayout(page);
    exportIntro_ = Label(QString(), "ExportIntro", page);
    v->addWidget(exportIntro_);
    auto* form = new QFormLayout;
    longEdge_ = new QComboBox(page);
    longEdge_->setObjectName(QStringLiteral("ExportLongEdge"));
    for (int edge : ExportLongEdges())
        longEdge_->addItem(edge > 0 ? tr("%1 pixels").arg(edge) : tr("Original size"), edge);
    longEdge_->setCurrentIndex(static_cast<int>(ExportLongEdges().indexOf(1600)));
    form->addRow(tr("&Long side:"), longEdge_);
    exportQuality_ = new QSpinBox(page);
    exportQuality_->setObjectName(QStringLiteral("ExportQuality"));
    exportQuality_->setRange(10, 100);
    form->addRow(tr("JPEG &quality (10 to 100):"), exportQuality_);
    auto* folderRow = new QHBoxLayout;
    exportFolder_ = new QLineEdit(page);
    exportFolder_->setObjectName(QStringLiteral("ExportFolderEdit"));
    QPushButton* browse = Button(tr("&Browse..."), "ExportBrowse", page);
    folderRow->addWidget(exportFolder_, 1);
    folderRow->addWidget(browse);
    auto* folderLabel = new QLabel(tr("&Folder:"), page);
    folderLabel->setBuddy(exportFolder_);
    form->addRow(folderLabel, folderRow);
    v->addLayout(form);
    removeDetails_ = new QCheckBox(tr("&Remove the location and personal details"), page);
    removeDetails_->setObjectName(QStringLiteral("ExportRemoveDetails"));
    removeDetails_->setToolTip(tr("GPS position, camera and lens serial numbers, owner and artist names, maker notes, "
                                  "places and creators in XMP and IPTC"));
    v->addWidget(removeDetails_);
    v->addWidget(Label(tr("Copies are JPEG files in sRGB under the photos' names; a file already in the folder is "
                          "never replaced (a number is added). The photos themselves are not changed."),
                       "ExportNote", page));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* start = Button(tr("&Export"), "ExportStart", page);
    pageDefaults_[3] = start;
    QPushButton* close = Button(tr("Cancel"), "ExportClose", page);
    buttons->addWidget(start);
    buttons->addWidget(close);
    v->addStretch(1);
    v->addLayout(buttons);
    pages_->addWidget(page);
    connect(browse, &QPushButton::clicked, this, [this] {
        std::string path = S(QDir::fromNativeSeparators(exportFolder_->text()));
        if (prompts_.AskFolder(S(tr("Folder for the Copies")), path)) exportFolder_->setText(Native(Q(path)));
    });
    connect(start, &QPushButton::clicked, this, &BatchDialog::Start);
    connect(close, &QPushButton::clicked, this, &BatchDialog::reject);
}

bool BatchDialog::readExportSettings(cli::BatchArgs& args, QString& outputFolder) {
    const QString typed = exportFolder_->text().trimmed();
    if (typed.isEmpty()) {
        prompts_.Message(S(tr("Choose the folder for the copies.")));
        return false;
    }
    outputFolder = QDir::cleanPath(QDir(request_.folder).absoluteFilePath(QDir::fromNativeSeparators(typed)));
    args.outDir = S(outputFolder);
    args.out.quality = exportQuality_->value();
    args.out.fullChroma = true;
    cli::ExportSettings e;
    e.longEdge = longEdge_->currentData().toInt();
    e.keepDetails = !removeDetails_->isChecked();
    args.exportCopies = e;
    return true;
}

void BatchDialog::showPage(int index) {
    pages_->setCurrentIndex(index);
    if (QPushButton* main = pageDefaults_.value(index)) main->setDefault(true);
}

void BatchDialog::Prepare(const Request& request) {
    if (Running() || takingShown_) return;
    request_ = request;
    turn_.reset();
    setWindowTitle(request.exportCopies ? tr("Export Copies") : tr("Optimize Photos"));
    if (request.exportCopies) {
        const QString from = Native(request.folder);
        const QString name = request.shownName;
        if (request.takeShown && request.photoCount == 1)
            exportIntro_->setText(request.shownUnsaved
                                      ? tr("Export a copy of the shown photo, %1, with your unsaved changes.").arg(name)
                                      : tr("Export a copy of the shown photo, %1.").arg(name));
        else if (request.takeShown)
            exportIntro_->setText(tr("Export copies of %1 photos from %2. The shown photo, %3, goes with your unsaved changes.")
                                      .arg(request.photoCount)
                                      .arg(from, name));
        else
            exportIntro_->setText(request.photoCount == 1 ? tr("Export a copy of 1 photo from %1.").arg(from)
                                                          : tr("Export copies of %1 photos from %2.").arg(request.photoCount).arg(from));
        exportQuality_->setValue(request.quality);
        removeDetails_->setChecked(true);  // every time: sharing the location is never a default
        exportFolder_->setText(Native(request.exportFolder));
        showPage(3);
        return;
    }
    const QString from = Native(request.folder);
    intro_->setText(request.photoCount == 1 ? tr("Optimize 1 photo from %1.").arg(from)
                                            : tr("Optimize %1 photos from %2.").arg(request.photoCount).arg(from));
    toNewFolder_->setToolTip(Native(QDir(request.folder).filePath(QLatin1String(kNewFolderName))));
    toNewFolder_->setChecked(true);
    overwrite_->setChecked(false);  // never replace files unless asked for this batch
    quality_->setValue(request.quality);
    progressive_->setChecked(request.progressive);
    showPage(0);
}

bool BatchDialog::Running() const { return run_->Running(); }

bool BatchDialog::ReadSettings(cli::BatchArgs& args, QString& outputFolder) {
    args = cli::BatchArgs();
    for (const QString& p : request_.paths) args.paths.push_back(S(p));
    if (request_.exportCopies) return readExportSettings(args, outputFolder);
    args.out.quality = quality_->value();
    args.out.progressive = progressive_->isChecked();
    args.out.targets = request_.targets;
    if (replace_->isChecked()) {
        args.inPlace = true;
        outputFolder = request_.folder;
        return true;
    }
    args.overwrite = overwrite_->isChecked();
    if (toNewFolder_->isChecked()) {
        outputFolder = QDir(request_.folder).filePath(QLatin1String(kNewFolderName));
    } else {
        const QString typed = folderEdit_->text().trimmed();
        if (typed.isEmpty()) {
            prompts_.Message(S(tr("Choose the folder for the optimized photos.")));
            return false;
        }
        // A name without a folder is taken beside the photos.
        outputFolder = QDir::cleanPath(QDir(request_.folder).absoluteFilePath(QDir::fromNativeSeparators(typed)));
        if (files::SamePath(outputFolder, request_.folder)) {
            prompts_.Message(S(tr("That is the photos' own folder. To write over the originals, choose "
                                  "“Over the original photos”.")));
            return false;
        }
    }
    args.outDir = S(outputFolder);
    return true;
}

void BatchDialog::Start() {
    if (Running() || takingShown_) return;
    cli::BatchArgs args;
    QString folder;
    if (!ReadSettings(args, folder)) return;
    if (request_.exportCopies && request_.takeShown) {
        takingShown_ = true;
        request_.takeShown([this, args, folder](std::shared_ptr<const cli::HeldPicture> held, bool go) mutable {
            takingShown_ = false;
            if (!go || !isVisible()) return;  // closed meanwhile: nothing asked for any more
            args.held = std::move(held);
            outputFolder_ = folder;
            beginRun(args);
        });
        return;
    }
    if (args.inPlace) {
        // Whole sentences for one and for many: other languages agree the verb with the count.
        const QString question =
            request_.photoCount == 1
                ? tr("The original photo will be replaced by its optimized version and cannot be brought back "
                     "(a damaged photo is left as it is).\n\nReplace it?")
                : tr("The %1 original photos will be replaced by their optimized versions and cannot be brought back. "
                     "Damaged photos are left as they are.\n\nReplace them?")
                      .arg(request_.photoCount);
        if (!prompts_.AskYesNoSafe(S(tr("Replace the Original Photos?")), S(question))) return;
    }
    outputFolder_ = folder;
    beginRun(args);
}

bool BatchDialog::StartTurn(const QStringList& photos, const QString& folder, PhotoTurn turn) {
    if (Running()) return false;
    request_ = Request();
    request_.paths = photos;
    request_.folder = folder;
    request_.photoCount = static_cast<int>(photos.size());
    turn_ = turn;
    setWindowTitle(tr("Turn Photos"));
    cli::BatchArgs args;
    for (const QString& p : photos) args.paths.push_back(S(p));
    args.inPlace = true;
    args.turn = turn;
    outputFolder_ = folder;
    beginRun(args);
    return true;
}

void BatchDialog::beginRun(const cli::BatchArgs& args) {
    inPlace_ = args.inPlace;
    done_ = 0;
    total_ = request_.photoCount;
    skipped_.clear();
    warned_.clear();
    written_.clear();
    unchanged_.clear();
    current_->setText(tr("Starting..."));
    progress_->setRange(0, std::max(1, total_));
    progress_->setValue(0);
    timeLeft_->setText(tr("Working out the time left..."));
    cancel_->setEnabled(true);
    showPage(1);
    clock_.start();
    run_->Start(args);
}

void BatchDialog::Cancel() {
    if (!Running()) return;
    run_->Stop();
    cancel_->setEnabled(false);
    current_->setText(tr("Stopping once the photos being written are finished..."));
    timeLeft_->clear();
}

void BatchDialog::reject() {
    // Closed while it runs: the batch stops, and the summary says how far it came.
    if (Running()) {
        Cancel();
        return;
    }
    QDialog::reject();
}

void BatchDialog::photoStarted(int, int total, const QString& photo) {
    if (run_->StopAsked()) return;
    total_ = total;
    progress_->setMaximum(total);
    current_->setText((turn_ ? tr("Turning %1") : request_.exportCopies ? tr("Exporting %1") : tr("Optimizing %1"))
                          .arg(QFileInfo(photo).fileName()));
}

void BatchDialog::photoFinished(const cli::BatchPhotoReport& r) {
    ++done_;
    progress_->setValue(done_);
    if (!r.written()) skipped_ << reasonText(r);
    else if (r.unchanged) unchanged_ << NameOf(r.photo);
    else written_ << Q(r.target);
    if (r.warned.size() == r.warnings.size())
        for (const Words& w : r.warned) warned_ << Worded(w);
    else
        for (const std::string& w : r.warnings) warned_ << Q(w);
    updateTimeLeft();
}

void BatchDialog::updateTimeLeft() {
    if (run_->StopAsked()) return;
    if (done_ <= 0 || total_ <= done_) {
        timeLeft_->setText(total_ <= done_ ? tr("Finishing...") : tr("Working out the time left..."));
        return;
    }
    const double perPhoto = clock_.elapsed() / 1000.0 / done_;
    timeLeft_->setText(TimeLeftText(perPhoto * (total_ - done_)));
}

QString BatchDialog::reasonText(const cli::BatchPhotoReport& r) const {
    const QString name = NameOf(r.photo);
    switch (r.skip) {
        case cli::BatchSkip::Exists:
            return tr("%1: a file of that name is already in the output folder and was left as it was.").arg(name);
        case cli::BatchSkip::SameTarget:
            return tr("%1: another photo of the batch has the same name, so it was not written.").arg(name);
        case cli::BatchSkip::Damaged:
            return tr("%1; the original was left as it was.").arg(r.said.empty() ? Q(r.detail) : Worded(r.said));
        case cli::BatchSkip::OtherFormat:
            if (turn_) return tr("%1: Lumora cannot write photos of this format, so it was left as it was.").arg(name);
            return tr("%1 is not a JPEG photo and was left as it was; write it to another folder to get its JPEG copy.")
                .arg(name);
        case cli::BatchSkip::Failed: return tr("%1 was not written: %2").arg(name, r.said.empty() ? Q(r.reason) : Worded(r.said));
        case cli::BatchSkip::Unreadable:
            if (!r.said.empty()) return Worded(r.said);
            break;
        case cli::BatchSkip::None: break;
    }
    return Q(r.reason);
}

namespace {
QString Photos(int n) {
    return n == 1 ? QCoreApplication::translate("lum::BatchDialog", "1 photo")
                  : QCoreApplication::translate("lum::BatchDialog", "%1 photos").arg(n);
}
}  // namespace

void BatchDialog::showSummary(const cli::BatchTotals& t, const QString& failure) {
    QStringList lines;
    if (!failure.isEmpty()) {
        lines << (turn_ ? tr("The photos could not be turned: %1")
                        : request_.exportCopies ? tr("The copies could not be made: %1")
                                                : tr("The photos could not be optimized: %1"))
                     .arg(failure);
    } else {
        const int written = t.written;
        if (turn_) lines << tr("%1 turned without loss of quality.").arg(Photos(written - static_cast<int>(unchanged_.size())));
        else if (inPlace_) lines << tr("%1 optimized in place.").arg(Photos(written));
        else lines << tr("%1 written to %2.").arg(Photos(written), Native(outputFolder_));
        if (t.stopped && t.notDone() > 0)
            lines << tr("Cancelled: %1 not done.").arg(Photos(t.notDone()));
        if (t.skipped > 0) lines << tr("%1 skipped, listed below.").arg(Photos(t.skipped));
    }
    summary_->setText(lines.join(QLatin1Char('\n')));
    QStringList report;
    if (!skipped_.isEmpty()) report << tr("Skipped:") << skipped_;
    if (!warned_.isEmpty()) {
        if (!report.isEmpty()) report << QString();
        report << tr("Written, with a warning:") << warned_;
    }
    if (!unchanged_.isEmpty()) {
        if (!report.isEmpty()) report << QString();
        report << tr("Upright already, left as they were:") << unchanged_;
    }
    report_->setPlainText(report.join(QLatin1Char('\n')));
    report_->setVisible(!report.isEmpty());
    // A turn that went as asked needs no summary.
    if (turn_ && failure.isEmpty() && report.isEmpty() && !t.stopped) {
        hide();
        emit batchFinished(t);
        return;
    }
    openFolder_->setText(inPlace_ ? tr("&Open Folder") : tr("&Open Output Folder"));
    openFolder_->setEnabled(failure.isEmpty() && QFileInfo(outputFolder_).isDir());
    showPage(2);
    if (turn_ && !isVisible()) {
        show();
        raise();
    }
    emit batchFinished(t);
}

QString BatchDialog::SummaryText() const { return summary_->text(); }
QString BatchDialog::ReportText() const { return report_->toPlainText(); }

void BatchDialog::OpenOutputFolder() {
    if (!opener_(QUrl::fromLocalFile(outputFolder_)))
        prompts_.Message(S(tr("The folder %1 could not be opened.").arg(Native(outputFolder_))));
}

}  // namespace lum
