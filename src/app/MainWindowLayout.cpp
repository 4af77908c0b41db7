// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's panels, buttons, tool windows and the folder views beside the photo.
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/FolderMemory.h"
#include "app/MainWindow.h"
#include "editing/Operation.h"
#include "view/PhotoFixTools.h"
#include "view/FolderTree.h"
#include "view/EditPane.h"
#include "view/PhotoList.h"
#include "view/FolderLink.h"
#include "view/PhotoView.h"
#include "widgets/FocusRingButton.h"
#include "widgets/Icons.h"
#include "widgets/PanelSkins.h"
#include "widgets/PhotoFiles.h"
#include "widgets/DialogControls.h"
#include "widgets/GradientPanel.h"

namespace {
QString nativeText(const QKeySequence& k) { return k.toString(QKeySequence::NativeText); }

// A title and its shadow: two labels, the shadow a little below and to the right.
QWidget* shadowedText(const QString& text, const QFont& font, const QSize& size, const QPoint& shadowAt,
                      const QPoint& textAt, const QString& names, QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setFixedSize(size);
    const QStringList objectNames = names.split(QLatin1Char(','));
    auto* shadow = new QLabel(text, box);
    shadow->setObjectName(objectNames.value(0));
    shadow->setFont(font);
    shadow->setStyleSheet(QStringLiteral("color: rgb(166, 202, 240); background: transparent;"));
    shadow->setGeometry(QRect(shadowAt, size - QSize(shadowAt.x(), shadowAt.y())));
    auto* label = new QLabel(text, box);
    label->setObjectName(objectNames.value(1));
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
    label->setGeometry(QRect(textAt, size - QSize(shadowAt.x(), shadowAt.y())));
    return box;
}
}  // namespace

void MainWindow::buildUi() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildTopBand(central));

    // --- middle: left column | splitter | photo area ---
    auto* middle = new QSplitter(Qt::Horizontal, central);
    middle->setObjectName(QStringLiteral("Splitter1"));
    middle->setChildrenCollapsible(false);
    middle->setHandleWidth(4);

    GradientPanel* left = MakeSkinnedPanel(QStringLiteral("SelectingFileRealMemoryPanel"), middle);
    auto* leftBox = new QVBoxLayout(left);
    leftBox->setContentsMargins(10, 10, 10, 10);
    leftBox->setSpacing(0);
    auto* leftSplit = new QSplitter(Qt::Vertical, left);
    leftSplit->setObjectName(QStringLiteral("Splitter2"));
    leftSplit->setChildrenCollapsible(false);
    leftSplit->setHandleWidth(4);
    folderTree_ = new FolderTree(leftSplit);
    folderTree_->setObjectName(QStringLiteral("LsDirTree211"));
    folderTree_->setToolTip(tr("Select the folder that holds the photos you want to optimize."));
    photoList_ = new PhotoList(leftSplit);
    photoList_->setObjectName(QStringLiteral("LsFilelistView282"));
    photoList_->setToolTip(tr("Select a photo to optimize."));
    leftSplit->addWidget(folderTree_);
    leftSplit->addWidget(buildPhotoViews(leftSplit));
    leftSplit->setStretchFactor(0, 0);
    leftSplit->setStretchFactor(1, 1);
    leftSplit->setSizes({174, 400});
    leftBox->addWidget(leftSplit, 1);

    // The memo panel of the design, kept hidden.
    GradientPanel* memo = MakeSkinnedPanel(QStringLiteral("MemoRealMemoryPanel"), left);
    memoPanel_ = memo;
    memo->setFixedHeight(82);
    auto* memoBox = new QVBoxLayout(memo);
    memoBox->setContentsMargins(4, 2, 4, 2);
    memoBox->setSpacing(1);
    auto* labels = new QHBoxLayout;
    auto* processingLabel = new QLabel(tr("Processing"), memo);
    processingLabel->setObjectName(QStringLiteral("Label1"));
    auto* infoLabel = new QLabel(tr("File information"), memo);
    infoLabel->setObjectName(QStringLiteral("Label2"));
    labels->addWidget(processingLabel);
    labels->addStretch(1);
    labels->addWidget(infoLabel);
    memoBox->addLayout(labels);
    PhotoFileNameMemo = new QPlainTextEdit(memo);
    PhotoFileNameMemo->setObjectName(QStringLiteral("PhotoFileNameMemo"));
    PhotoFileNameMemo->setReadOnly(true);
    PhotoFileNameMemo->setPlainText(tr("Welcome to Lumora!"));
    memoBox->addWidget(PhotoFileNameMemo, 1);
    leftBox->addWidget(memo);
    memo->hide();
    middle->addWidget(left);

    middle->addWidget(buildPhotoArea(middle));
    middle->setStretchFactor(0, 0);
    middle->setStretchFactor(1, 1);
    middle->setSizes({505, 515});
    outer->addWidget(middle, 1);
    outer->addWidget(buildBottomBand(central));
    setCentralWidget(central);
    // The design's selection toolbar, hidden. The photo view here draws no selection: a shape
    // button only sets the tool mode and the cursor.
    makeSelectionToolbar();

    // The folder views, linked through their signals.
    folderTree_->SetPrompts(&prompts());
    photoList_->SetPrompts(&prompts());
    photoList_->SetMask(lum::PhotoListMask());
    lum::LinkFolderViews(folderTree_, photoList_);
    connect(photoList_, &PhotoList::EntryActivated, this,
            [this] { Guard([this] { OpenPickedListEntry(); }); });
    connect(folderTree_, &FolderTree::FolderSelected, this, [](const QString& path) { FolderMemory::Remember(path); });
    folderTree_->Rebuild();
    buildBrowsing();
    folderTree_->OpenPath(FolderMemory::StartFolder());
}

QWidget* MainWindow::buildTopBand(QWidget* parent) {
    // Logo, then the picture panel on its right.
    auto* top = new QWidget(parent);
    top->setFixedHeight(87);
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(0);
    GradientPanel* logoPanel = MakeSkinnedPanel(QStringLiteral("LogoRealMemoryPanel"), top);
    auto* logoRow = new QHBoxLayout(logoPanel);
    logoRow->setContentsMargins(8, 4, 8, 4);
    logoRow->setSpacing(12);
    auto* logo = new QLabel(logoPanel);
    logo->setObjectName(QStringLiteral("LogoImage"));
    logo->setToolTip(tr("Visit the Tarnel Lumora web site for news and more information"));
    const QPixmap logoPicture = LumoraPicture(QStringLiteral("logo"), QSize(76, 76));
    if (!logoPicture.isNull()) logo->setPixmap(logoPicture);
    logo->setFixedSize(78, 78);
    logo->setAlignment(Qt::AlignCenter);
    logoRow->addWidget(logo);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(32);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    logoRow->addWidget(shadowedText(tr("Tarnel Lumora"), titleFont, QSize(300, 50), QPoint(3, 5),
                                    QPoint(0, 2), QStringLiteral("TitleShadowLabel,TitleLabel"), logoPanel));
    logoRow->addStretch(1);
    topRow->addWidget(logoPanel, 1);
    GradientPanel* picturePanel = MakeSkinnedPanel(QStringLiteral("PictureRealMemoryPanel"), top);
    picturePanel->setFixedWidth(513);
    auto* pictureBox = new QHBoxLayout(picturePanel);
    pictureBox->setContentsMargins(8, 8, 8, 8);
    auto* banner = new QLabel(picturePanel);
    banner->setObjectName(QStringLiteral("PictureImage"));
    banner->setAlignment(Qt::AlignCenter);
    const QPixmap bannerPicture = LumoraPicture(QStringLiteral("banner"), QSize(468, 65));
    if (!bannerPicture.isNull()) banner->setPixmap(withBannerWords(bannerPicture));
    pictureBox->addWidget(banner);
    topRow->addWidget(picturePanel);
    return top;
}

// The banner's picture leaves its right part free for its two lines, written here in the
// window's language; a longer translation is set smaller rather than cut.
QPixmap MainWindow::withBannerWords(QPixmap picture) {
    const QSizeF size = picture.deviceIndependentSize();
    const double scale = size.width() / 490.0;  // the picture's own width
    const QRectF room(246 * scale, 4 * scale, (490 - 246 - 8) * scale, 60 * scale);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    const auto line = [&](const QString& text, double pixels, bool bold, const QColor& colour, double baseline) {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(bold);
        font.setPixelSize(qMax(7, qRound(pixels * scale)));
        while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(text) > room.width())
            font.setPixelSize(font.pixelSize() - 1);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPointF(room.left(), baseline * scale), text);
    };
    line(tr("One click, brighter photos"), 14.5, true, QColor(0x80, 0, 0), 31);
    line(tr("pick a photo, optimize, compare, save"), 11, false, QColor(0x1d, 0x35, 0x57), 52);
    return picture;
}

QWidget* MainWindow::buildPhotoArea(QWidget* parent) {
    GradientPanel* photoArea = MakeSkinnedPanel(QStringLiteral("PhotoAreaRealMemoryPanel"), parent);
    auto* photoBox = new QVBoxLayout(photoArea);
    photoBox->setContentsMargins(10, 10, 10, 10);
    photoBox->setSpacing(0);

    GradientPanel* topButtons = MakeSkinnedPanel(QStringLiteral("TopButtonsRealMemoryPanel"), photoArea);
    topButtons->setFixedHeight(46);
    auto* topButtonRow = new QHBoxLayout(topButtons);
    topButtonRow->setContentsMargins(4, 2, 4, 2);
    topButtonRow->setSpacing(2);
    QToolButton* showOriginal = makeButton(QStringLiteral("ShowOriginalPhotoSpeedButton"), QString(),
                                           tr("Show the original photo in a small floating window"),
                                           topButtons);
    QToolButton* rotLeft = makeCommandButton("Btrot90", topButtons, false, nativeText(QKeySequence(Qt::CTRL | Qt::Key_L)));
    QToolButton* rotRight = makeCommandButton("SpeedButton1", topButtons, false, nativeText(QKeySequence(Qt::CTRL | Qt::Key_R)));
    QToolButton* zoom =
        makeButton(QStringLiteral("ZoomPhotosSpeedButton"), QString(), tr("Zoom the photo to the size you like to see it at"),
                   topButtons,
                   nativeText(QKeySequence(Qt::CTRL | Qt::Key_Plus)) + QStringLiteral(", ") +
                       nativeText(QKeySequence(Qt::CTRL | Qt::Key_Minus)) + QStringLiteral(", ") +
                       nativeText(QKeySequence(Qt::CTRL | Qt::Key_0)));
    QToolButton* help = makeButton(QStringLiteral("SpeedButton2"), QString(), tr("Help: how to use Lumora"), topButtons,
                                   nativeText(QKeySequence(QKeySequence::HelpContents)));
    // The everyday fixes beside the turns.
    QToolButton* crop = makeButton(QStringLiteral("CropSpeedButton"), QString(), tr("Crop the photo"), topButtons,
                                   nativeText(QKeySequence(Qt::Key_C)));
    QToolButton* straighten =
        makeButton(QStringLiteral("StraightenSpeedButton"), QString(), tr("Straighten a tilted horizon"), topButtons);
    QToolButton* redEye =
        makeButton(QStringLiteral("RedEyeSpeedButton"), QString(), tr("Take the red out of eyes lit by a flash"), topButtons);
    onClick(crop, [this] { photoFixes()->StartCrop(); });
    onClick(straighten, [this] { photoFixes()->StartStraighten(); });
    onClick(redEye, [this] { photoFixes()->StartRedEye(); });
    for (QToolButton* b : {crop, straighten, redEye}) TouchesPicture(b);
    for (QToolButton* b : {showOriginal, rotLeft, rotRight, crop, straighten, redEye, zoom}) topButtonRow->addWidget(b);
    // The percentage the photo is shown at, beside the zoom button.
    zoomLabel_ = new QLabel(topButtons);
    zoomLabel_->setObjectName(QStringLiteral("ZoomPercentLabel"));
    zoomLabel_->setToolTip(tr("The size the photo is shown at"));
    zoomLabel_->setMinimumWidth(48);
    zoomLabel_->setAlignment(Qt::AlignCenter);
    topButtonRow->addWidget(zoomLabel_);
    topButtonRow->addWidget(help);
    topButtonRow->addStretch(1);
    ChainTabOrder({showOriginal, rotLeft, rotRight, crop, straighten, redEye, zoom, help});
    photoBox->addWidget(topButtons);

    photoBox->addWidget(makePane(photoArea), 1);
    connect(View(), &lum::PhotoView::ZoomShown, this, [this](int percent) {
        zoomLabel_->setText(State().picture.HasPicture() ? tr("%1 %").arg(percent) : QString());
    });

    GradientPanel* bottomButtons = MakeSkinnedPanel(QStringLiteral("BottomButtonsRealMemoryPanel"), photoArea);
    bottomButtons->setFixedHeight(47);
    auto* bottomButtonRow = new QHBoxLayout(bottomButtons);
    bottomButtonRow->setContentsMargins(4, 2, 0, 0);
    bottomButtonRow->setSpacing(2);
    QToolButton* optimize = makeCommandButton("ProcessingOptimumActionSpeedButton", bottomButtons, false,
                                              nativeText(QKeySequence(Qt::CTRL | Qt::Key_E)));
    QToolButton* undo = makeButton(QStringLiteral("UndoSpeedButton"), QString(), tr("Undo / Reload the photo"),
                                   bottomButtons, nativeText(QKeySequence(QKeySequence::Undo)));
    QToolButton* compare = makeButton(QStringLiteral("ComparePhotosSpeedButton"), QString(),
                                      tr("Compare the Optimized Photo with the Original Photo"), bottomButtons,
                                      nativeText(QKeySequence(Qt::CTRL | Qt::Key_D)));
    for (QToolButton* b : {optimize, undo, compare}) bottomButtonRow->addWidget(b);
    bottomButtonRow->addStretch(1);
    GradientPanel* savePanel = MakeSkinnedPanel(QStringLiteral("SaveRealMemoryPanel"), bottomButtons);
    savePanel->setFixedSize(47, 47);
    auto* saveBox = new QHBoxLayout(savePanel);
    saveBox->setContentsMargins(2, 2, 3, 3);
    QToolButton* save = makeButton(QStringLiteral("SaveAndReplacePhotoSpeedButton"), QString(),
                                   tr("Save / Save As the Photo"), savePanel,
                                   nativeText(QKeySequence(QKeySequence::Save)));
    saveBox->addWidget(save);
    bottomButtonRow->addWidget(savePanel);
    photoBox->addWidget(bottomButtons);

    onClick(showOriginal, [this] { ToggleThumbnailWindow(); });
    onClick(zoom, [this] { PopUpZoomMenu(); });
    onClick(help, [this] { ShowHelp(); });
    onClick(undo, [this] { Undo(); });
    onClick(compare, [this] { OpenCompareWindow(); });
    onClick(save, [this] { SaveWithDialog(); });
    for (QToolButton* b : {undo, compare, save}) TouchesPicture(b);
    return photoArea;
}

QWidget* MainWindow::buildBottomBand(QWidget* parent) {
    // Version button, home-page panel on the right.
    GradientPanel* bottom = MakeSkinnedPanel(QStringLiteral("BottomRealMemoryPanel"), parent);
    bottom->setFixedHeight(44);
    auto* bottomRow = new QHBoxLayout(bottom);
    bottomRow->setContentsMargins(4, 1, 0, 0);
    bottomRow->setSpacing(0);
    QToolButton* version = makeButton(QStringLiteral("SpeedButton3"), QString(), tr("Version information"), bottom);
    bottomRow->addWidget(version);
    bottomRow->addStretch(1);
    GradientPanel* homePanel = MakeSkinnedPanel(QStringLiteral("HomeRealMemoryPanel"), bottom);
    homePanel->setFixedSize(184, 44);
    auto* homeBox = new QHBoxLayout(homePanel);
    homeBox->setContentsMargins(12, 8, 12, 8);
    auto* home = new lum::FocusRingButton(homePanel);
    home->setObjectName(QStringLiteral("TarnelhomeSpeedButton"));
    home->setText(tr("Tarnel Home"));
    home->setToolTip(tr("Visit the Tarnel Lumora home page for more information"));
    home->setAutoRaise(true);
    home->setCursor(Qt::PointingHandCursor);
    const QIcon homeIcon = LumoraIcon(QStringLiteral("TarnelhomeSpeedButton"));
    if (!homeIcon.isNull()) {
        home->setIcon(homeIcon);
        home->setIconSize(QSize(20, 20));
        home->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    QFont homeFont = font();
    homeFont.setBold(true);
    home->setFont(homeFont);
    home->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    homeBox->addWidget(home);
    bottomRow->addWidget(homePanel);
    onClick(version, [this] { ShowVersionWindow(); });
    onClick(home, [this] { OpenHomePage(); });
    return bottom;
}

void MainWindow::buildToolWindows() {
    // The thumbnail of the photo as loaded, in a small floating window.
    originalPhotoWindow_ = new QWidget(this, Qt::Tool);
    originalPhotoWindow_->setObjectName(QStringLiteral("ViewOrginalPhotoToolWindow"));
    originalPhotoWindow_->setWindowTitle(tr("Original Photo"));
    originalPhotoWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* thumbBox = new QVBoxLayout(originalPhotoWindow_);
    thumbBox->setContentsMargins(0, 0, 0, 0);
    GradientPanel* thumbPanel = MakeSkinnedPanel(QStringLiteral("OrginalPhotoRealMemoryPanel"), originalPhotoWindow_);
    auto* thumbPanelBox = new QVBoxLayout(thumbPanel);
    thumbPanelBox->setContentsMargins(10, 10, 10, 10);
    originalThumbnail_ = new QLabel(thumbPanel);
    originalThumbnail_->setObjectName(QStringLiteral("ShowOrginalImage"));
    originalThumbnail_->setToolTip(tr("Original Photo"));
    originalThumbnail_->setAlignment(Qt::AlignCenter);
    originalThumbnail_->setCursor(Qt::PointingHandCursor);
    originalThumbnail_->installEventFilter(this);
    thumbPanelBox->addWidget(originalThumbnail_);
    thumbBox->addWidget(thumbPanel);
    originalPhotoWindow_->resize(220, 220);
    originalPhotoWindow_->hide();

    // Shown while a long operation runs.
    progressWindow_ = new QWidget(this, Qt::Tool);
    progressWindow_->setObjectName(QStringLiteral("ProcessingProgressToolWindow"));
    progressWindow_->setWindowTitle(tr("Processing Progress"));
    progressWindow_->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* progressBox = new QVBoxLayout(progressWindow_);
    progressBox->setContentsMargins(0, 0, 0, 0);
    GradientPanel* progressPanel =
        MakeSkinnedPanel(QStringLiteral("ProgressRealMemoryPanel"), progressWindow_);
    auto* progressRow = new QHBoxLayout(progressPanel);
    progressRow->setContentsMargins(12, 8, 12, 8);
    progressRow->setSpacing(12);
    auto* progressPicture = new QLabel(progressPanel);
    progressPicture->setObjectName(QStringLiteral("ProgressImage"));
    const QPixmap progressPixmap = LumoraPicture(QStringLiteral("progress"), QSize(48, 48));
    if (!progressPixmap.isNull()) progressPicture->setPixmap(progressPixmap);
    progressPicture->setFixedSize(48, 48);
    progressRow->addWidget(progressPicture);
    QFont progressFont(QStringLiteral("Arial"));
    progressFont.setPixelSize(18);
    progressFont.setBold(true);
    progressRow->addWidget(shadowedText(tr("Optimizing..."), progressFont, QSize(190, 30),
                                        QPoint(2, 4), QPoint(0, 2),
                                        QStringLiteral("ProgressShadowLabel,ProgressLabel"), progressPanel));
    progressBox->addWidget(progressPanel);
    progressWindow_->setFixedSize(290, 72);
    progressWindow_->hide();
}
