#include "app/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "app/BlurDialog.h"
#include "app/FolderMemory.h"
#include "app/Forms.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "app/QtPrompts.h"
#include "app/Saving.h"
#include "app/WelcomeForm.h"
#include "compose/PictureChooser.h"
#include "image/Arith.h"
#include "image/Codec.h"
#include "imaging/ColourOps.h"
#include "imaging/Filters.h"
#include "imaging/Geometry.h"
#include "view/DirTree.h"
#include "view/FileListView.h"
#include "view/PhotoView.h"
#include "widgets/Icons.h"
#include "widgets/PanelSkins.h"
#include "widgets/RealMemoryPanel.h"

using lum::EditState;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString& startupLogoPathStore() {
    static QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lumora/LumoraLogo.jpg");
    return path;
}

TMemPhotoActionForm::CompareOpener& compareOpenerStore() {
    static TMemPhotoActionForm::CompareOpener opener;
    return opener;
}

// The long time format of the locale without the time zone.
QString longTimeFormat(const QLocale& locale) {
    QString f = locale.timeFormat(QLocale::LongFormat);
    f.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return f.trimmed();
}

bool isJpegName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
}

QString droppedPhoto(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (isJpegName(path) && QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace

// Every question passes through here: when one returns, the window is the active one again,
// just as after any modal window of ours.
class TMemPhotoActionForm::ActivatingPrompts : public lum::Prompts {
public:
    explicit ActivatingPrompts(TMemPhotoActionForm* w) : w_(w), fallback_(w) {}
    void SetInner(lum::Prompts* p) { inner_ = p; }
    lum::Prompts& inner() { return inner_ ? *inner_ : fallback_; }

    void Message(const std::string& text) override {
        run([&] { inner().Message(text); return 0; });
    }
    bool AskYesNo(const std::string& caption, const std::string& text) override {
        return run([&] { return inner().AskYesNo(caption, text) ? 1 : 0; }) != 0;
    }
    void Error(const std::string& text) override {
        run([&] { inner().Error(text); return 0; });
    }
    bool AskSaveFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override {
        return run([&] { return inner().AskSaveFile(title, folder, filter, path) ? 1 : 0; }) != 0;
    }
    bool AskOpenFile(const std::string& title, const std::string& folder, const std::string& filter,
                     std::string& path) override {
        return run([&] { return inner().AskOpenFile(title, folder, filter, path) ? 1 : 0; }) != 0;
    }
    bool AskText(const std::string& caption, const std::string& label, std::string& text) override {
        return run([&] { return inner().AskText(caption, label, text) ? 1 : 0; }) != 0;
    }
    bool AskFolder(const std::string& title, std::string& path) override {
        return run([&] { return inner().AskFolder(title, path) ? 1 : 0; }) != 0;
    }
    void ShowText(const std::string& caption, const std::string& text) override {
        run([&] { inner().ShowText(caption, text); return 0; });
    }

private:
    int run(const std::function<int()>& f) { return w_->execModal(f); }
    TMemPhotoActionForm* w_;
    lum::Prompts* inner_ = nullptr;
    lum::QtPrompts fallback_;
};

// The picture chooser's file list as the save and delete flows see it.
class TMemPhotoActionForm::ChooserLink : public lum::PictureChooserLink {
public:
    std::string SelectedPath() const override { return Eform3 ? Eform3->FileName().toStdString() : std::string(); }
    int SelectedIndex() const override {
        return Eform3 && Eform3->FileListBox1 ? Eform3->FileListBox1->currentRow() : -1;
    }
    void RefreshFileList(int selectIndex) override {
        if (!Eform3) return;
        Eform3->Refresh();
        QListWidget* list = Eform3->FileListBox1;
        if (!list) return;
        if (selectIndex < 0) {
            // Nothing was selected: the fresh list must not pick its first file by itself.
            const QSignalBlocker quiet(list);
            list->setCurrentRow(-1);
            return;
        }
        if (selectIndex >= list->count()) return;
        Eform3->SelectFile(QDir(Eform3->Directory()).filePath(list->item(selectIndex)->text()));
    }
};

// ---------------------------------------------------------------------------------------------

TMemPhotoActionForm::TMemPhotoActionForm(lum::Prompts* prompts, QWidget* parent)
    : QMainWindow(parent), prompts_(std::make_unique<ActivatingPrompts>(this)),
      chooserLink_(std::make_unique<ChooserLink>()) {
    lum::EnsureLumoraResources();
    prompts_->SetInner(prompts);
    setObjectName(QStringLiteral("MemPhotoActionForm"));
    setWindowTitle(QStringLiteral("Tarnel Lumora"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setAcceptDrops(true);
    setWindowIcon(LumoraIcon(QStringLiteral("lumora")));

    buildUi();
    buildMenus();
    buildToolWindows();
    buildShortcuts();

    st_.SetPrompts(prompts_.get());
    st_.ReadOptions = [this](lum::BalanceTargets& t) { t = options().Targets(); };
    st_.Busy = [this](bool on) { busy(on); };
    st_.ClearSelectionUi = [this] {
        if (BtNotool) BtNotool->setChecked(true);
        if (view_) view_->PaintBox1()->setCursor(Qt::ArrowCursor);
    };
    st_.ResetToolUi = [this] {
        if (view_) view_->PaintBox1()->setCursor(Qt::ArrowCursor);
    };

    // Design size, centred on the screen; shown maximized by the start-up.
    resize(1024, 740);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate();
}

TMemPhotoActionForm::~TMemPhotoActionForm() {
    // The hooks point into this window; nothing may call them while it goes away.
    st_.RedrawView = nullptr;
    st_.LayoutView = nullptr;
    st_.ViewOuterSize = nullptr;
    st_.ClearSelectionUi = nullptr;
    st_.ResetToolUi = nullptr;
    st_.Busy = nullptr;
    st_.Macro.SetMenu(nullptr);
    while (busyDepth_ > 0) busy(false);
}

lum::Prompts& TMemPhotoActionForm::prompts() { return *prompts_; }

void TMemPhotoActionForm::SetPrompts(lum::Prompts* prompts) { prompts_->SetInner(prompts); }

QString TMemPhotoActionForm::StartupLogoPath() { return startupLogoPathStore(); }
void TMemPhotoActionForm::SetStartupLogoPath(const QString& path) { startupLogoPathStore() = path; }

void TMemPhotoActionForm::SetCompareWindowOpener(CompareOpener opener) { compareOpenerStore() = std::move(opener); }

QString TMemPhotoActionForm::HomePageUrl() { return QStringLiteral("https://www.tarnel.example/lumora/"); }
QString TMemPhotoActionForm::ManualPageUrl() { return QStringLiteral("https://www.tarnel.example/lumora/manual/"); }

// ---------------------------------------------------------------------------------------------
// Building the window

TRealMemoryPanel* TMemPhotoActionForm::makePanel(const QString& designName, QWidget* parent) {
    auto* panel = new TRealMemoryPanel(parent);
    panel->setObjectName(designName);
    ApplyDesignSkin(panel, designName);
    return panel;
}

QToolButton* TMemPhotoActionForm::makeButton(const QString& designName, const QString& hint, QWidget* parent,
                                             const QString& shortcutText) {
    auto* b = new QToolButton(parent);
    b->setObjectName(designName);
    b->setFixedSize(42, 42);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    const QIcon icon = LumoraIcon(designName);
    if (!icon.isNull()) {
        b->setIcon(icon);
        b->setIconSize(QSize(36, 36));
    }
    b->setToolTip(shortcutText.isEmpty() ? hint : hint + QStringLiteral(" (") + shortcutText + QStringLiteral(")"));
    return b;
}

void TMemPhotoActionForm::buildUi() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // --- top band: logo, then the picture panel on its right ---
    auto* top = new QWidget(central);
    top->setFixedHeight(87);
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(0);
    TRealMemoryPanel* logoPanel = makePanel(QStringLiteral("LogoRealMemoryPanel"), top);
    auto* logoRow = new QHBoxLayout(logoPanel);
    logoRow->setContentsMargins(8, 4, 8, 4);
    logoRow->setSpacing(12);
    auto* logo = new QLabel(logoPanel);
    logo->setObjectName(QStringLiteral("LogoImage"));
    logo->setToolTip(QStringLiteral("Visit the Tarnel Lumora web site for news and more information"));
    const QPixmap logoPicture = LumoraPicture(QStringLiteral("logo"), QSize(76, 76));
    if (!logoPicture.isNull()) logo->setPixmap(logoPicture);
    logo->setFixedSize(78, 78);
    logo->setAlignment(Qt::AlignCenter);
    logoRow->addWidget(logo);
    // The product name with its shadow: two labels, the shadow a little below and to the right.
    auto* title = new QWidget(logoPanel);
    title->setFixedSize(300, 50);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(32);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    auto* shadow = new QLabel(QStringLiteral("Tarnel Lumora"), title);
    shadow->setObjectName(QStringLiteral("TitleShadowLabel"));
    shadow->setFont(titleFont);
    shadow->setStyleSheet(QStringLiteral("color: rgb(166, 202, 240); background: transparent;"));
    shadow->move(3, 5);
    shadow->resize(297, 45);
    auto* name = new QLabel(QStringLiteral("Tarnel Lumora"), title);
    name->setObjectName(QStringLiteral("TitleLabel"));
    name->setFont(titleFont);
    name->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
    name->move(0, 2);
    name->resize(297, 45);
    logoRow->addWidget(title);
    logoRow->addStretch(1);
    topRow->addWidget(logoPanel, 1);
    TRealMemoryPanel* picturePanel = makePanel(QStringLiteral("PictureRealMemoryPanel"), top);
    picturePanel->setFixedWidth(513);
    auto* pictureBox = new QHBoxLayout(picturePanel);
    pictureBox->setContentsMargins(8, 8, 8, 8);
    auto* banner = new QLabel(picturePanel);
    banner->setObjectName(QStringLiteral("PictureImage"));
    banner->setAlignment(Qt::AlignCenter);
    const QPixmap bannerPicture = LumoraPicture(QStringLiteral("banner"), QSize(468, 65));
    if (!bannerPicture.isNull()) banner->setPixmap(bannerPicture);
    pictureBox->addWidget(banner);
    topRow->addWidget(picturePanel);
    outer->addWidget(top);

    // --- middle: left column | splitter | photo area ---
    auto* middle = new QSplitter(Qt::Horizontal, central);
    middle->setObjectName(QStringLiteral("Splitter1"));
    middle->setChildrenCollapsible(false);
    middle->setHandleWidth(4);

    TRealMemoryPanel* left = makePanel(QStringLiteral("SelectingFileRealMemoryPanel"), middle);
    auto* leftBox = new QVBoxLayout(left);
    leftBox->setContentsMargins(10, 10, 10, 10);
    leftBox->setSpacing(0);
    auto* leftSplit = new QSplitter(Qt::Vertical, left);
    leftSplit->setObjectName(QStringLiteral("Splitter2"));
    leftSplit->setChildrenCollapsible(false);
    leftSplit->setHandleWidth(4);
    LsDirTree211 = new TLsDirTree21(leftSplit);
    LsDirTree211->setObjectName(QStringLiteral("LsDirTree211"));
    LsDirTree211->setToolTip(QStringLiteral("Please select one folder that contain the photos you want to optimize"));
    LsFilelistView282 = new TLsFilelistView28(leftSplit);
    LsFilelistView282->setObjectName(QStringLiteral("LsFilelistView282"));
    LsFilelistView282->setToolTip(QStringLiteral("Please select one photo for optimizing."));
    leftSplit->addWidget(LsDirTree211);
    leftSplit->addWidget(LsFilelistView282);
    leftSplit->setStretchFactor(0, 0);
    leftSplit->setStretchFactor(1, 1);
    leftSplit->setSizes({174, 400});
    leftBox->addWidget(leftSplit, 1);

    // The memo panel of the design, kept hidden.
    TRealMemoryPanel* memo = makePanel(QStringLiteral("MemoRealMemoryPanel"), left);
    memoPanel_ = memo;
    memo->setFixedHeight(82);
    auto* memoBox = new QVBoxLayout(memo);
    memoBox->setContentsMargins(4, 2, 4, 2);
    memoBox->setSpacing(1);
    auto* labels = new QHBoxLayout;
    auto* processingLabel = new QLabel(QStringLiteral("Processing"), memo);
    processingLabel->setObjectName(QStringLiteral("Label1"));
    auto* infoLabel = new QLabel(QStringLiteral("File Info."), memo);
    infoLabel->setObjectName(QStringLiteral("Label2"));
    labels->addWidget(processingLabel);
    labels->addStretch(1);
    labels->addWidget(infoLabel);
    memoBox->addLayout(labels);
    PhotoFileNameMemo = new QPlainTextEdit(memo);
    PhotoFileNameMemo->setObjectName(QStringLiteral("PhotoFileNameMemo"));
    PhotoFileNameMemo->setReadOnly(true);
    PhotoFileNameMemo->setPlainText(QStringLiteral("Welcome to Lumora!"));
    memoBox->addWidget(PhotoFileNameMemo, 1);
    leftBox->addWidget(memo);
    memo->hide();
    middle->addWidget(left);

    TRealMemoryPanel* photoArea = makePanel(QStringLiteral("PhotoAreaRealMemoryPanel"), middle);
    auto* photoBox = new QVBoxLayout(photoArea);
    photoBox->setContentsMargins(10, 10, 10, 10);
    photoBox->setSpacing(0);

    TRealMemoryPanel* topButtons = makePanel(QStringLiteral("TopButtonsRealMemoryPanel"), photoArea);
    topButtons->setFixedHeight(46);
    auto* topButtonRow = new QHBoxLayout(topButtons);
    topButtonRow->setContentsMargins(4, 2, 4, 2);
    topButtonRow->setSpacing(2);
    const auto nativeText = [](const QKeySequence& k) { return k.toString(QKeySequence::NativeText); };
    QToolButton* showOriginal = makeButton(QStringLiteral("ShowOriginalPhotoSpeedButton"),
                                           QStringLiteral("Show the thumbnail of original photo in a fly window"),
                                           topButtons);
    QToolButton* rotLeft = makeButton(QStringLiteral("Btrot90"), QStringLiteral("Rotate to Left (270 degree)"),
                                      topButtons, nativeText(QKeySequence(Qt::CTRL | Qt::Key_L)));
    QToolButton* rotRight = makeButton(QStringLiteral("SpeedButton1"), QStringLiteral("Rotate to Right (90 Degree)"),
                                       topButtons, nativeText(QKeySequence(Qt::CTRL | Qt::Key_R)));
    QToolButton* zoom =
        makeButton(QStringLiteral("ZoomPhotosSpeedButton"), QStringLiteral("Zoom photo to the size for your viewing"),
                   topButtons,
                   nativeText(QKeySequence(Qt::CTRL | Qt::Key_Plus)) + QStringLiteral(", ") +
                       nativeText(QKeySequence(Qt::CTRL | Qt::Key_Minus)) + QStringLiteral(", ") +
                       nativeText(QKeySequence(Qt::CTRL | Qt::Key_0)));
    QToolButton* help = makeButton(QStringLiteral("SpeedButton2"),
                                   QStringLiteral("Online help: read the Lumora user manual on the Tarnel web site"),
                                   topButtons, nativeText(QKeySequence(QKeySequence::HelpContents)));
    for (QToolButton* b : {showOriginal, rotLeft, rotRight, zoom, help}) topButtonRow->addWidget(b);
    topButtonRow->addStretch(1);
    photoBox->addWidget(topButtons);

    view_ = new lum::PhotoView(st_, photoArea);
    photoBox->addWidget(view_, 1);

    TRealMemoryPanel* bottomButtons = makePanel(QStringLiteral("BottomButtonsRealMemoryPanel"), photoArea);
    bottomButtons->setFixedHeight(47);
    auto* bottomButtonRow = new QHBoxLayout(bottomButtons);
    bottomButtonRow->setContentsMargins(4, 2, 0, 0);
    bottomButtonRow->setSpacing(2);
    QToolButton* optimize = makeButton(QStringLiteral("ProcessingOptimumActionSpeedButton"),
                                       QStringLiteral("Optimize The Photo Now!"), bottomButtons);
    QToolButton* undo = makeButton(QStringLiteral("UndoSpeedButton"), QStringLiteral("Undo / Reload the photo"),
                                   bottomButtons, nativeText(QKeySequence(QKeySequence::Undo)));
    QToolButton* compare = makeButton(QStringLiteral("ComparePhotosSpeedButton"),
                                      QStringLiteral("Compare the Optimized Photo and the Orginal Photo"), bottomButtons);
    for (QToolButton* b : {optimize, undo, compare}) bottomButtonRow->addWidget(b);
    bottomButtonRow->addStretch(1);
    TRealMemoryPanel* savePanel = makePanel(QStringLiteral("SaveRealMemoryPanel"), bottomButtons);
    savePanel->setFixedSize(47, 47);
    auto* saveBox = new QHBoxLayout(savePanel);
    saveBox->setContentsMargins(2, 2, 3, 3);
    QToolButton* save = makeButton(QStringLiteral("SaveAndReplacePhotoSpeedButton"),
                                   QStringLiteral("Save / Save as the Photo"), savePanel,
                                   nativeText(QKeySequence(QKeySequence::Save)));
    saveBox->addWidget(save);
    bottomButtonRow->addWidget(savePanel);
    photoBox->addWidget(bottomButtons);
    middle->addWidget(photoArea);
    middle->setStretchFactor(0, 0);
    middle->setStretchFactor(1, 1);
    middle->setSizes({505, 515});
    outer->addWidget(middle, 1);

    // --- bottom band: version button, home-page panel on the right ---
    TRealMemoryPanel* bottom = makePanel(QStringLiteral("BottomRealMemoryPanel"), central);
    bottom->setFixedHeight(44);
    auto* bottomRow = new QHBoxLayout(bottom);
    bottomRow->setContentsMargins(4, 1, 0, 0);
    bottomRow->setSpacing(0);
    QToolButton* version = makeButton(QStringLiteral("SpeedButton3"), QStringLiteral("Version information"), bottom);
    bottomRow->addWidget(version);
    bottomRow->addStretch(1);
    TRealMemoryPanel* homePanel = makePanel(QStringLiteral("HomeRealMemoryPanel"), bottom);
    homePanel->setFixedSize(184, 44);
    auto* homeBox = new QHBoxLayout(homePanel);
    homeBox->setContentsMargins(12, 8, 12, 8);
    auto* home = new QToolButton(homePanel);
    home->setObjectName(QStringLiteral("TarnelhomeSpeedButton"));
    home->setText(QStringLiteral("Tarnel Home"));
    home->setToolTip(QStringLiteral("Go to Tarnel Lumora for more information"));
    home->setAutoRaise(true);
    home->setFocusPolicy(Qt::NoFocus);
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
    outer->addWidget(bottom);

    setCentralWidget(central);

    // --- selection toolbar of the design, hidden ---
    SelectionToolbar = new QToolBar(QStringLiteral("Selection Toolbar"), this);
    SelectionToolbar->setObjectName(QStringLiteral("SelectionToolbar"));
    SelectionToolbar->setProperty("ToolbarGroup", QStringLiteral("Selection"));
    auto* selectionGroup = new QButtonGroup(SelectionToolbar);
    selectionGroup->setExclusive(true);
    const auto selButton = [&](const char* nameText, const char* hint) {
        auto* b = new QToolButton(SelectionToolbar);
        b->setObjectName(QString::fromLatin1(nameText));
        b->setToolTip(QString::fromUtf8(hint));
        b->setCheckable(true);
        const QIcon icon = LumoraIcon(b->objectName());
        if (!icon.isNull()) b->setIcon(icon);
        selectionGroup->addButton(b);
        SelectionToolbar->addWidget(b);
        return b;
    };
    Btselectcercle = selButton("Btselectcercle", "Ellipse selection");
    Btselectrect = selButton("Btselectrect", "Rectangle selection");
    BtNotool = selButton("BtNotool", "Reset selection buttons");
    Btselectpoly = selButton("Btselectpoly", "Free shpae selection");
    BtNotool->setChecked(true);
    ChkEffacer = new QCheckBox(QStringLiteral("Erase"), SelectionToolbar);
    ChkEffacer->setObjectName(QStringLiteral("ChkEffacer"));
    ChkEffacer->setChecked(false);
    SelectionToolbar->addWidget(ChkEffacer);
    Chkdupliquer = new QCheckBox(QStringLiteral("Duplicate"), SelectionToolbar);
    Chkdupliquer->setObjectName(QStringLiteral("Chkdupliquer"));
    Chkdupliquer->setChecked(true);
    SelectionToolbar->addWidget(Chkdupliquer);
    addToolBar(Qt::TopToolBarArea, SelectionToolbar);
    SelectionToolbar->hide();

    // --- wiring ---
    const auto wire = [this](QToolButton* b, void (TMemPhotoActionForm::*handler)()) {
        connect(b, &QToolButton::clicked, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
    };
    wire(showOriginal, &TMemPhotoActionForm::ShowOriginalPhotoSpeedButtonClick);
    wire(rotLeft, &TMemPhotoActionForm::Btrot90Click);
    wire(rotRight, &TMemPhotoActionForm::SpeedButton1Click);
    wire(zoom, &TMemPhotoActionForm::ZoomPhotosSpeedButtonClick);
    wire(help, &TMemPhotoActionForm::SpeedButton2Click);
    wire(optimize, &TMemPhotoActionForm::ProcessingOptimumActionSpeedButtonClick);
    wire(undo, &TMemPhotoActionForm::UndoSpeedButtonClick);
    wire(compare, &TMemPhotoActionForm::ComparePhotosSpeedButtonClick);
    connect(save, &QToolButton::clicked, this, [this] { guard([this] { SaveAndReplacePhotoSpeedButtonClick(); }); });
    wire(version, &TMemPhotoActionForm::SpeedButton3Click);
    wire(home, &TMemPhotoActionForm::TarnelhomeSpeedButtonClick);
    connect(view_->PaintBox1(), &lum::TPaintBox::DblClick, this,
            [this] { guard([this] { PaintBox1DblClick(); }); });

    LsDirTree211->SetPrompts(prompts_.get());
    LsFilelistView282->SetPrompts(prompts_.get());
    LsFilelistView282->SetMask(QStringLiteral("*.jpg"));
    LsFilelistView282->LinkTree(LsDirTree211);
    connect(LsFilelistView282, &TLsFilelistView28::Click, this,
            [this] { guard([this] { LsFilelistView282Click(); }); });
    connect(LsDirTree211, &TLsDirTree21::OnDirChange, this, [](const QString& path) { FolderMemory::Remember(path); });
    LsDirTree211->Rebuild();
    LsDirTree211->OpenPath(FolderMemory::StartFolder());
}

void TMemPhotoActionForm::buildMenus() {
    mainMenu_ = new QMenuBar(this);
    mainMenu_->setObjectName(QStringLiteral("MainMenu1"));
    mainMenu_->setNativeMenuBar(false);
    setMenuBar(mainMenu_);

    using Handler = void (TMemPhotoActionForm::*)();
    const auto item = [this](QMenu* menu, const char* name, const char* caption, Handler handler) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
        return a;
    };
    const auto topMenu = [this](const char* name, const char* caption) {
        QMenu* m = mainMenu_->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        // The design keeps every entry of the menu bar hidden.
        m->menuAction()->setVisible(false);
        return m;
    };

    QMenu* file = topMenu("Fichier1", "&File");
    file->menuAction()->setEnabled(false);
    item(file, "Ouvrir1", "&Open...", nullptr);
    item(file, "Btnouveau", "&New...", &TMemPhotoActionForm::BtnouveauClick);
    item(file, "Btenregistrer", "&Save", &TMemPhotoActionForm::BtenregistrerClick);
    item(file, "Enregistrersous1", "Save &As...", nullptr);
    file->addSeparator();
    item(file, "Supprimer1", "&Delete", &TMemPhotoActionForm::Supprimer1Click);
    file->addSeparator();
    item(file, "Btparamjpg", "&Options", &TMemPhotoActionForm::BtparamjpgClick);
    file->addSeparator();
    item(file, "Quitter1", "E&xit", nullptr);

    QMenu* edit = topMenu("Edition1", "&Edit");
    item(edit, "Annuler1", "&Undo", nullptr);
    item(edit, "Reinitialiser1", "&Reset Image", nullptr);
    edit->addSeparator();
    item(edit, "Copier1", "&Copy", &TMemPhotoActionForm::Copier1Click);
    item(edit, "Commenouvelleimage1", "Paste as &New Image", &TMemPhotoActionForm::Commenouvelleimage1Click);
    item(edit, "Mlangerlexistant1", "&Paste into current Image...", &TMemPhotoActionForm::Mlangerlexistant1Click);
    edit->addSeparator();
    item(edit, "Memoriser", "&Memorize", &TMemPhotoActionForm::Memoriser);
    item(edit, "Effacer1", "&Erase", &TMemPhotoActionForm::Effacer1Click);

    QMenu* mixing = topMenu("Melanger1", "Mi&xing ");
    item(mixing, "Imageoriginale1", "&Original Image %", nullptr);
    mixing->addSeparator();
    item(mixing, "Btmixdegrad", "&Gradient", &TMemPhotoActionForm::BtmixdegradClick);
    item(mixing, "Btmiximage", "&Image", &TMemPhotoActionForm::Btmiximageclick);
    item(mixing, "PPimage", "&Clipboard Image", &TMemPhotoActionForm::PPimageClick);
    item(mixing, "Bttexte", "&Text", nullptr);
    mixing->addSeparator();
    item(mixing, "GradientLumiere", "&Lighten gradient", &TMemPhotoActionForm::GradientLumiereClick);
    item(mixing, "NivGris", "Gray &Scale", &TMemPhotoActionForm::NivGrisClick);

    QMenu* optimization = topMenu("Optimisation1", "&Optimization");
    item(optimization, "LissageAuto", "&Auto Smooth", &TMemPhotoActionForm::LissageAutoClick);
    item(optimization, "FlouGaussien", "&Gaussian Blur", &TMemPhotoActionForm::FlouGaussienClick);
    optimization->addSeparator();
    item(optimization, "Equilibrer1", "&Flesh color Balance", &TMemPhotoActionForm::Equilibrer1Click);
    item(optimization, "Equilibrer2", "&Landscape balance", &TMemPhotoActionForm::Equilibrer2Click);

    QMenu* macro = topMenu("Macro1", "&Macro");
    item(macro, "Initmacro", "&Start", &TMemPhotoActionForm::InitmacroClick);
    closeMacroAction_ = item(macro, "Fermer", "&Close", &TMemPhotoActionForm::FermerClick);
    closeMacroAction_->setEnabled(false);
    macro->addSeparator();
    executeMacroAction_ = item(macro, "Executer", "&Execute", &TMemPhotoActionForm::ExecuterClick);

    // Two entries of the bar act by themselves, without items.
    QAction* newSize = mainMenu_->addAction(QStringLiteral("&New size"));
    newSize->setObjectName(QStringLiteral("Redimensionner1"));
    newSize->setVisible(false);
    connect(newSize, &QAction::triggered, this, [this] { guard([this] { Redimensionner1Click(); }); });
    QAction* helpEntry = mainMenu_->addAction(QStringLiteral("&Help"));
    helpEntry->setObjectName(QStringLiteral("Aide1"));
    helpEntry->setVisible(false);
    connect(helpEntry, &QAction::triggered, this, [this] { guard([this] { Aide1Click(); }); });

    // With every entry hidden the bar shows nothing; it takes no room either.
    mainMenu_->hide();

    colorMenu_ = new QMenu(this);
    colorMenu_->setObjectName(QStringLiteral("ColorChangePopupMenu"));
    item(colorMenu_, "RedChangetoGreen101", "Red Change to Green 10%", &TMemPhotoActionForm::RedChangetoGreen101Click);
    item(colorMenu_, "RedChangetoBlue101", "Red Change to Blue 10%", &TMemPhotoActionForm::RedChangetoBlue101Click);
    colorMenu_->addSeparator();
    item(colorMenu_, "Greenchangeto1", "Green change to Red 10%", &TMemPhotoActionForm::Greenchangeto1Click);
    item(colorMenu_, "GreenChangetoBlue101", "Green Change to Blue 10%",
         &TMemPhotoActionForm::GreenChangetoBlue101Click);
    colorMenu_->addSeparator();
    item(colorMenu_, "BluechangetoRed101", "Blue change to Red 10%", &TMemPhotoActionForm::BluechangetoRed101Click);
    item(colorMenu_, "BluechangetoGreen101", "Blue change to Green 10%",
         &TMemPhotoActionForm::BluechangetoGreen101Click);

    zoomMenu_ = lum::PhotoView::CreateZoomScalePopupMenu(this);
    const std::pair<const char*, Handler> zoomHandlers[] = {
        {"ZoomTo_10_Menuitem", &TMemPhotoActionForm::ZoomTo_10_MenuitemClick},
        {"ZoomTo_25_Menuitem", &TMemPhotoActionForm::ZoomTo_25_MenuitemClick},
        {"ZoomTo_33_Menuitem", &TMemPhotoActionForm::ZoomTo_33_MenuitemClick},
        {"ZoomTo_50_Menuitem", &TMemPhotoActionForm::ZoomTo_50_MenuitemClick},
        {"ZoomTo_66_Menuitem", &TMemPhotoActionForm::ZoomTo_66_MenuitemClick},
        {"ZoomTo_75_Menuitem", &TMemPhotoActionForm::ZoomTo_75_MenuitemClick},
        {"ZoomTo_100_Menuitem", &TMemPhotoActionForm::ZoomTo_100_MenuitemClick},
        {"ZoomTo_125_Menuitem", &TMemPhotoActionForm::ZoomTo_125_MenuitemClick},
        {"ZoomTo_150_Menuitem", &TMemPhotoActionForm::ZoomTo_150_MenuitemClick},
        {"ZoomTo_200_Menuitem", &TMemPhotoActionForm::ZoomTo_200_MenuitemClick},
        {"ZoomTo_FitWidth_Menuitem", &TMemPhotoActionForm::ZoomTo_FitWidth_MenuitemClick},
        {"ZoomTo_FitHeight_Menuitem", &TMemPhotoActionForm::ZoomTo_FitHeight_MenuitemClick},
        {"ZoomTo_FitWindow_Menuitem", &TMemPhotoActionForm::ZoomTo_FitWindow_MenuitemClick},
    };
    for (const auto& [name, handler] : zoomHandlers) {
        QAction* a = zoomMenu_->findChild<QAction*>(QString::fromLatin1(name));
        if (!a) continue;
        connect(a, &QAction::triggered, this, [this, h = handler] { guard([this, h] { (this->*h)(); }); });
    }
}

void TMemPhotoActionForm::buildToolWindows() {
    // The thumbnail of the photo as loaded, in a small floating window.
    ViewOrginalPhotoToolWindow = new QWidget(this, Qt::Tool);
    ViewOrginalPhotoToolWindow->setObjectName(QStringLiteral("ViewOrginalPhotoToolWindow"));
    ViewOrginalPhotoToolWindow->setWindowTitle(QStringLiteral("Orignal Photo"));
    ViewOrginalPhotoToolWindow->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* thumbBox = new QVBoxLayout(ViewOrginalPhotoToolWindow);
    thumbBox->setContentsMargins(0, 0, 0, 0);
    TRealMemoryPanel* thumbPanel = makePanel(QStringLiteral("OrginalPhotoRealMemoryPanel"), ViewOrginalPhotoToolWindow);
    auto* thumbPanelBox = new QVBoxLayout(thumbPanel);
    thumbPanelBox->setContentsMargins(10, 10, 10, 10);
    ShowOrginalImage = new QLabel(thumbPanel);
    ShowOrginalImage->setObjectName(QStringLiteral("ShowOrginalImage"));
    ShowOrginalImage->setToolTip(QStringLiteral("Original Photo"));
    ShowOrginalImage->setAlignment(Qt::AlignCenter);
    ShowOrginalImage->setCursor(Qt::PointingHandCursor);
    ShowOrginalImage->installEventFilter(this);
    thumbPanelBox->addWidget(ShowOrginalImage);
    thumbBox->addWidget(thumbPanel);
    ViewOrginalPhotoToolWindow->resize(220, 220);
    ViewOrginalPhotoToolWindow->hide();

    // Shown while a long operation runs.
    ProcessingProgressToolWindow = new QWidget(this, Qt::Tool);
    ProcessingProgressToolWindow->setObjectName(QStringLiteral("ProcessingProgressToolWindow"));
    ProcessingProgressToolWindow->setWindowTitle(QStringLiteral("Processing Progress"));
    ProcessingProgressToolWindow->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* progressBox = new QVBoxLayout(ProcessingProgressToolWindow);
    progressBox->setContentsMargins(0, 0, 0, 0);
    TRealMemoryPanel* progressPanel =
        makePanel(QStringLiteral("ProgressRealMemoryPanel"), ProcessingProgressToolWindow);
    auto* progressRow = new QHBoxLayout(progressPanel);
    progressRow->setContentsMargins(12, 8, 12, 8);
    progressRow->setSpacing(12);
    auto* progressPicture = new QLabel(progressPanel);
    progressPicture->setObjectName(QStringLiteral("ProgressImage"));
    const QPixmap progressPixmap = LumoraPicture(QStringLiteral("progress"), QSize(48, 48));
    if (!progressPixmap.isNull()) progressPicture->setPixmap(progressPixmap);
    progressPicture->setFixedSize(48, 48);
    progressRow->addWidget(progressPicture);
    auto* progressText = new QWidget(progressPanel);
    progressText->setFixedSize(190, 30);
    QFont progressFont(QStringLiteral("Arial"));
    progressFont.setPixelSize(18);
    progressFont.setBold(true);
    auto* progressShadow = new QLabel(QStringLiteral("Photo Optimuming...."), progressText);
    progressShadow->setObjectName(QStringLiteral("ProgressShadowLabel"));
    progressShadow->setFont(progressFont);
    progressShadow->setStyleSheet(QStringLiteral("color: rgb(166, 202, 240); background: transparent;"));
    progressShadow->setGeometry(2, 4, 188, 26);
    auto* progressLabel = new QLabel(QStringLiteral("Photo Optimuming...."), progressText);
    progressLabel->setObjectName(QStringLiteral("ProgressLabel"));
    progressLabel->setFont(progressFont);
    progressLabel->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0); background: transparent;"));
    progressLabel->setGeometry(0, 2, 188, 26);
    progressRow->addWidget(progressText);
    progressBox->addWidget(progressPanel);
    ProcessingProgressToolWindow->setFixedSize(290, 72);
    ProcessingProgressToolWindow->hide();
}

void TMemPhotoActionForm::buildShortcuts() {
    const auto shortcut = [this](const QKeySequence& keys, void (TMemPhotoActionForm::*handler)()) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, handler] { guard([this, handler] { (this->*handler)(); }); });
    };
    shortcut(QKeySequence(QKeySequence::Undo), &TMemPhotoActionForm::UndoSpeedButtonClick);
    auto* save = new QShortcut(QKeySequence(QKeySequence::Save), this);
    connect(save, &QShortcut::activated, this, [this] { guard([this] { SaveAndReplacePhotoSpeedButtonClick(); }); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), &TMemPhotoActionForm::ZoomInStep);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &TMemPhotoActionForm::ZoomInStep);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), &TMemPhotoActionForm::ZoomOutStep);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &TMemPhotoActionForm::ZoomTo_FitWindow_MenuitemClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), &TMemPhotoActionForm::Btrot90Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &TMemPhotoActionForm::SpeedButton1Click);
    shortcut(QKeySequence(QKeySequence::HelpContents), &TMemPhotoActionForm::SpeedButton2Click);
}

// ---------------------------------------------------------------------------------------------
// Creation, activation, closing

void TMemPhotoActionForm::FormCreate() {
    // 1. Zoom table.
    static const int32_t kZoom[12] = {10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400, 800};
    for (int i = 0; i < 12; ++i) st_.ZoomTable[static_cast<size_t>(i) + 1] = kZoom[i];
    // 2. Document strings.
    st_.SaveFolder.clear();
    st_.NewImagePending = false;
    // 3. The default macro; the recorder drives "&Close" and "&Execute".
    st_.Macro.InstallDefaults();
    st_.Macro.SetMenu(this);
    // 4. Tool cursors by index.
    static const char* const kCursors[7] = {"POLY", "PIPETTE", "SPRAY", "CRAYON", "EFFETS", "REMPLIR", "CURZOOM"};
    for (int i = 0; i < 7; ++i) lum::RegisterToolCursor(i + 1, LumoraCursor(QString::fromLatin1(kCursors[i])));
    // 5. The sharpening kernel is the current one.
    guard([this] { lum::SetKernel(st_, 4); });
    // 6. Tool state.
    st_.DragActive = false;
    st_.Kernel.counter2 = 0;
    st_.Kernel.counter4 = 0;
    st_.ToolMode = 0;
    st_.ZoomIndex = 7;
    st_.FloatActive = false;
    // 7. The spray and noise tools draw from the C generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // 8. Tone table.
    (void)lum::ToneTable();
    // 9. The seven images.
    for (lum::Image* img : {&st_.MemoryImage, &st_.UndoImage, &st_.WorkImage, &st_.SourceImage, &st_.MoveBuffer,
                            &st_.SelectionImage, &st_.SelectionMask})
        img->resize(8, 8);
    st_.RebuildRows();
    st_.SelectionActive = 0;
    // 10. Current folder.
    st_.CurrentFolder = QDir::currentPath().toStdString();
    // 11. The start-up logo is shown once the window has its size, so the fit sees the real
    //     photo area (see showEvent).
    logoPending_ = QFileInfo(StartupLogoPath()).isFile();
    // 12. Flags.
    st_.PhotoLoaded = false;
    st_.Saved = true;
    st_.Optimized = false;
}

void TMemPhotoActionForm::FormActivate() { st_.CurrentFileName.clear(); }

void TMemPhotoActionForm::OpenAfterStart(const QString& path) {
    pendingOpen_ = path;
    if (started_) {
        const QString p = pendingOpen_;
        pendingOpen_.clear();
        guard([this, p] { OpenPhotoFile(p); });
    }
}

void TMemPhotoActionForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, [this] {
        if (logoPending_) {
            logoPending_ = false;
            guard([this] { LoadPhoto(StartupLogoPath()); });
            ViewOrginalPhotoToolWindow->hide();
            st_.PhotoLoaded = false;
            st_.Saved = true;
            st_.Optimized = false;
        }
        if (!pendingOpen_.isEmpty()) {
            const QString p = pendingOpen_;
            pendingOpen_.clear();
            guard([this, p] { OpenPhotoFile(p); });
        }
    });
}

bool TMemPhotoActionForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate: {
            // Our own modal windows report their return themselves; an activation that only
            // ends a visit to a window of ours is not a new activation.
            QWidget* now = QApplication::activeWindow();
            deactivatedByOwnWindow_ = modalDepth_ > 0 || (now != nullptr && now != this);
            break;
        }
        case QEvent::WindowActivate:
            // The first activation is the start-up itself, with nothing to clear yet.
            if (!firstActivationSeen_) firstActivationSeen_ = true;
            else if (!deactivatedByOwnWindow_) FormActivate();
            deactivatedByOwnWindow_ = false;
            break;
        default:
            break;
    }
    return QMainWindow::event(e);
}

bool TMemPhotoActionForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == ShowOrginalImage && e->type() == QEvent::MouseButtonRelease) {
        guard([this] { ShowOrginalImageClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMemPhotoActionForm::closeEvent(QCloseEvent* e) {
    if (!st_.Saved) {
        const bool yes = prompts().AskYesNo(
            "Save or not?", "The photo have be optimized. Do you want to save it before leave Lumora?");
        if (yes) {
            bool written = false;
            guard([this, &written] { written = SaveAndReplacePhotoSpeedButtonClick(); });
            if (!written) {
                // Nothing was written (cancelled, refused or failed): the photo stays open and
                // unsaved, so the next close asks again.
                st_.Saved = false;
                e->ignore();
                return;
            }
        }
    }
    ViewOrginalPhotoToolWindow->hide();
    ProcessingProgressToolWindow->hide();
    e->accept();
}

void TMemPhotoActionForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (view_ && !st_.WorkImage.empty()) {
        view_->LayoutView();
        view_->RedrawView();
    }
}

void TMemPhotoActionForm::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedPhoto(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TMemPhotoActionForm::dropEvent(QDropEvent* e) {
    const QString path = droppedPhoto(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // Answer the drag first; the questions of the load must not hold the other program.
    QTimer::singleShot(0, this, [this, path] { guard([this, path] { OpenPhotoFile(path); }); });
}

// ---------------------------------------------------------------------------------------------
// Helpers

void TMemPhotoActionForm::guard(const std::function<void()>& f) {
    const int depth = busyDepth_;
    const bool progressWasVisible = ProcessingProgressToolWindow && ProcessingProgressToolWindow->isVisible();
    try {
        f();
        return;
    } catch (const std::exception& ex) {
        while (busyDepth_ > depth) busy(false);
        if (!progressWasVisible) hideProgress();
        prompts().Error(ex.what());
    } catch (...) {
        while (busyDepth_ > depth) busy(false);
        if (!progressWasVisible) hideProgress();
        prompts().Error("Unexpected error");
    }
}

int TMemPhotoActionForm::execModal(const std::function<int()>& run) {
    ++modalDepth_;
    int result = 0;
    try {
        result = run();
    } catch (...) {
        --modalDepth_;
        FormActivate();
        throw;
    }
    --modalDepth_;
    FormActivate();
    return result;
}

void TMemPhotoActionForm::busy(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

namespace {
// Hourglass for the length of a scope.
class BusyScope {
public:
    explicit BusyScope(std::function<void(bool)> b) : busy_(std::move(b)) { busy_(true); }
    ~BusyScope() { busy_(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    std::function<void(bool)> busy_;
};
}  // namespace

void TMemPhotoActionForm::showProgress() {
    QWidget* w = ProcessingProgressToolWindow;
    if (!w) return;
    const QRect g = geometry();
    w->move(g.center() - QPoint(w->width() / 2, w->height() / 2));
    w->show();
    w->raise();
    w->repaint();
    // Let the window system map and paint it before the work starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    w->repaint();
}

void TMemPhotoActionForm::hideProgress() {
    if (ProcessingProgressToolWindow) ProcessingProgressToolWindow->hide();
}

namespace {
class ProgressScope {
public:
    ProgressScope(std::function<void()> show, std::function<void()> hide) : hide_(std::move(hide)) { show(); }
    ~ProgressScope() { hide_(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    std::function<void()> hide_;
};
}  // namespace

lum::PhotoSaving& TMemPhotoActionForm::saving() {
    if (!saving_) {
        saving_ = std::make_unique<lum::PhotoSaving>(st_, prompts(), options(), chooserLink_.get());
        saving_->SetFilter(lum::kSaveFilterMain);
    }
    return *saving_;
}

const TEform2& TMemPhotoActionForm::options() {
    if (Eform2) return *Eform2;
    if (!ownOptions_) ownOptions_ = std::make_unique<TEform2>(nullptr);
    return *ownOptions_;
}

// ---------------------------------------------------------------------------------------------
// Loading

void TMemPhotoActionForm::askSaveBeforeSwitch() {
    if (st_.Optimized || !st_.Saved) {
        // A Yes whose save wrote nothing keeps the photo unsaved: should the next photo fail
        // to open, the optimized one stays on screen and closing must still ask about it.
        if (prompts().AskYesNo("Save or Replace?", "Do you want to replace the orginal Photo file?"))
            SaveAndReplacePhotoSpeedButtonClick();
        else
            st_.Saved = true;
    }
}

void TMemPhotoActionForm::LsFilelistView282Click() {
    const QString picked = LsFilelistView282->GetSelectedItem();
    if (!picked.isEmpty() && QFileInfo(picked).isFile()) {
        // Asked only when a photo is really replacing the shown one: a click on a folder or
        // the parent entry keeps the photo (and its unsaved state) on screen.
        askSaveBeforeSwitch();
        // The folder of the photo itself: the tree may have recorded a folder clicked in the
        // list since it last listed this one.
        openPicked(picked, QFileInfo(picked).absolutePath());
    } else if (!picked.isEmpty()) {
        LsDirTree211->SetSelectedPath(picked);
    }
}

void TMemPhotoActionForm::OpenPhotoFile(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.isFile()) {
        prompts().Error("File not found: " + path.toStdString());
        return;
    }
    askSaveBeforeSwitch();
    const QString folder = fi.absolutePath();
    if (LsDirTree211) LsDirTree211->OpenPath(folder);
    openPicked(fi.absoluteFilePath(), folder);
}

void TMemPhotoActionForm::openPicked(const QString& path, const QString& folder) {
    if (!QFileInfo(path).isFile()) return;
    st_.ClearSelection();
    st_.ResetTool();
    st_.Macro.Close();
    st_.CurrentFolder = folder.toStdString();
    st_.SaveFolder = st_.CurrentFolder;
    st_.CurrentFileName = path.toStdString();
    LoadPhoto(path);
}

void TMemPhotoActionForm::LoadPhoto(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.isFile()) return;

    // Decode before anything changes: a photo the decoder refuses leaves the images, the
    // memo, the caption and the zoom as they were (the error box reports it).
    lum::Image decoded;
    lum::JpegMetadata metadata;
    {
        BusyScope hourglass([this](bool on) { busy(on); });
        const std::vector<uint8_t> bytes = lum::ReadFileBytes(path.toStdString());
        decoded = lum::DecodeJpeg(bytes.data(), bytes.size(), &metadata);
    }

    st_.SelectionActive = 0;
    st_.ZoomIndex = 7;
    view_->ScrollToTopLeft();
    st_.PhotoLoaded = true;
    st_.Saved = true;
    st_.Optimized = false;

    const QLocale locale;
    const QDateTime stamp = fi.lastModified().toLocalTime();
    const QString date =
        locale.toString(stamp.date(), QLocale::ShortFormat) + QLatin1Char(' ') + stamp.time().toString(longTimeFormat(locale));
    const QString sizeLine = QStringLiteral("Width : %1 &  Height : %2").arg(decoded.width()).arg(decoded.height());
    const QString dateLine = QStringLiteral("Create Date : ") + date;
    PhotoFileNameMemo->clear();
    PhotoFileNameMemo->appendPlainText(path);
    PhotoFileNameMemo->appendPlainText(sizeLine);
    PhotoFileNameMemo->appendPlainText(dateLine);
    st_.FileInfoText = (path + QLatin1Char('#') + sizeLine + QLatin1Char('#') + dateLine + QLatin1Char('#')).toStdString();

    st_.MemoryImage = std::move(decoded);
    st_.CurrentMetadata = std::move(metadata);
    buildThumbnail(st_.MemoryImage);
    st_.CommitMemoryImage();
    setWindowTitle(QStringLiteral("Lumora - ") + qs(st_.CurrentFileName));
    view_->RedrawView();
}

void TMemPhotoActionForm::buildThumbnail(const lum::Image& photo) {
    const int w = photo.width(), h = photo.height();
    if (w <= 0 || h <= 0) return;
    const QImage src(photo.data(), w, h, static_cast<qsizetype>(photo.stride()), QImage::Format_BGR888);
    // A side of exactly 200 counts with the smaller photos: a 200 x 150 photo is its own
    // thumbnail and a 200 x 300 one is scaled to 133 x 200, so every photo gets a thumbnail.
    if (w <= 200 && h <= 200) {
        thumbnail_ = src.copy();  // the tool window keeps its size
    } else {
        int tw, th;
        if (w <= 200) {  // and h > 200
            th = 200;
            tw = lum::roundHalfEven(w * 200.0 / h);
        } else if (h <= 200) {  // and w > 200
            tw = 200;
            th = lum::roundHalfEven(h * 200.0 / w);
        } else {
            const double sw = 200.0 / w, sh = 200.0 / h;
            if (sw > sh) {  // portrait
                tw = 200;
                th = lum::roundHalfEven(h * sw);
            } else {
                th = 200;
                tw = lum::roundHalfEven(w * sh);
            }
        }
        tw = std::max(tw, 1);
        th = std::max(th, 1);
        thumbnail_ = src.scaled(tw, th, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        ViewOrginalPhotoToolWindow->resize(tw + 20, th + 20);
    }
    ShowOrginalImage->setPixmap(QPixmap::fromImage(thumbnail_));
}

// ---------------------------------------------------------------------------------------------
// Buttons

void TMemPhotoActionForm::ProcessingOptimumActionSpeedButtonClick() {
    ProgressScope progress([this] { showProgress(); }, [this] { hideProgress(); });
    st_.Optimized = true;
    st_.Saved = false;
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::OptimizePhoto(st_, false);
    view_->RedrawView();
}

void TMemPhotoActionForm::UndoSpeedButtonClick() { st_.Undo(); }

void TMemPhotoActionForm::ComparePhotosSpeedButtonClick() { OpenCompareWindow(); }

void TMemPhotoActionForm::PaintBox1DblClick() { OpenCompareWindow(); }

void TMemPhotoActionForm::ShowOrginalImageClick() { OpenCompareWindow(); }

void TMemPhotoActionForm::OpenCompareWindow() {
    const CompareOpener& opener = compareOpenerStore();
    if (!opener) return;
    execModal([&] {
        opener(this, st_.FileInfoText, st_.WorkImage, st_.MemoryImage);
        return 0;
    });
}

bool TMemPhotoActionForm::SaveAndReplacePhotoSpeedButtonClick() {
    const bool written = saving().SaveAndReplacePhotoSpeedButtonClick();
    if (written && LsFilelistView282) LsFilelistView282->Refresh();
    return written;
}

void TMemPhotoActionForm::ShowOriginalPhotoSpeedButtonClick() {
    QWidget* w = ViewOrginalPhotoToolWindow;
    if (w->isVisible()) {
        w->hide();
        return;
    }
    if (!w->property("placed").toBool()) {
        // First time: next to the photo area's top right corner.
        const QPoint corner = view_->mapToGlobal(QPoint(view_->width(), 0));
        w->move(corner - QPoint(w->width() + 24, -8));
        w->setProperty("placed", true);
    }
    w->show();
    w->raise();
}

void TMemPhotoActionForm::Btrot90Click() {
    ProgressScope progress([this] { showProgress(); }, [this] { hideProgress(); });
    st_.ClearSelection();
    st_.ResetTool();
    st_.SelectionActive = 0;
    // Anticlockwise, as the button's hint says.
    lum::RotateOrMirror(st_, 4);
}

void TMemPhotoActionForm::SpeedButton1Click() {
    ProgressScope progress([this] { showProgress(); }, [this] { hideProgress(); });
    st_.ClearSelection();
    st_.ResetTool();
    st_.SelectionActive = 0;
    // Clockwise, as the button's hint says.
    lum::RotateOrMirror(st_, 1);
}

void TMemPhotoActionForm::ZoomPhotosSpeedButtonClick() { zoomMenu_->popup(QCursor::pos()); }

void TMemPhotoActionForm::SpeedButton2Click() { QDesktopServices::openUrl(QUrl(ManualPageUrl())); }

void TMemPhotoActionForm::TarnelhomeSpeedButtonClick() { QDesktopServices::openUrl(QUrl(HomePageUrl())); }

void TMemPhotoActionForm::SpeedButton3Click() {
    TWelcomeForm welcome(this);
    execModal([&] { return welcome.exec(); });
}

// ---------------------------------------------------------------------------------------------
// Hidden menu bar

// Their commands belong to the compositing and clipboard code and are wired in there.
void TMemPhotoActionForm::BtnouveauClick() {}
void TMemPhotoActionForm::Copier1Click() {}
void TMemPhotoActionForm::Commenouvelleimage1Click() {}
void TMemPhotoActionForm::Mlangerlexistant1Click() {}
void TMemPhotoActionForm::Effacer1Click() {}
void TMemPhotoActionForm::BtmixdegradClick() {}
void TMemPhotoActionForm::Btmiximageclick() {}
void TMemPhotoActionForm::PPimageClick() {}
void TMemPhotoActionForm::GradientLumiereClick() {}

void TMemPhotoActionForm::BtenregistrerClick() {
    if (saving().BtenregistrerClick() && LsFilelistView282) LsFilelistView282->Refresh();
}

void TMemPhotoActionForm::Supprimer1Click() {
    if (saving().Supprimer1Click() && LsFilelistView282) LsFilelistView282->Refresh();
}

void TMemPhotoActionForm::BtparamjpgClick() {
    if (!Eform2) return;
    execModal([] { return Eform2->exec(); });
}

void TMemPhotoActionForm::Memoriser() { st_.Memorize(); }

void TMemPhotoActionForm::NivGrisClick() {
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::NivGris(st_);
}

void TMemPhotoActionForm::LissageAutoClick() {
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::LissageAuto(st_);
}

void TMemPhotoActionForm::FlouGaussienClick() {
    // The source copy comes before the dialog, also when it is then cancelled.
    st_.BeginPixelOp();
    if (!EForm8) return;
    if (execModal([] { return EForm8->exec(); }) != QDialog::Accepted) return;
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::FlouGaussien(st_, EForm8->Radius());
}

void TMemPhotoActionForm::Equilibrer1Click() {
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::FleshBalance(st_);
}

void TMemPhotoActionForm::Equilibrer2Click() {
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::LandscapeBalance(st_);
}

void TMemPhotoActionForm::InitmacroClick() { st_.Macro.Start(); }
void TMemPhotoActionForm::FermerClick() { st_.Macro.Close(); }
void TMemPhotoActionForm::ExecuterClick() { st_.Macro.Execute(*this); }

void TMemPhotoActionForm::Redimensionner1Click() {
    if (!Eform6) return;
    Eform6->SetImageSize(st_.MemoryImage.width(), st_.MemoryImage.height());
    Eform6->SetNewSize(st_.MemoryImage.width(), st_.MemoryImage.height());
    if (execModal([] { return Eform6->exec(); }) != QDialog::Accepted) return;
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::ResizeImage(st_, Eform6->NewWidth(), Eform6->NewHeight());
}

void TMemPhotoActionForm::Aide1Click() { prompts().Message("not available --> see Pressel.rtf"); }

void TMemPhotoActionForm::runChannelShift(int kind) {
    BusyScope hourglass([this](bool on) { busy(on); });
    lum::ChannelShift(st_, kind);
}

void TMemPhotoActionForm::RedChangetoGreen101Click() { runChannelShift(1); }
void TMemPhotoActionForm::RedChangetoBlue101Click() { runChannelShift(2); }
void TMemPhotoActionForm::Greenchangeto1Click() { runChannelShift(3); }
void TMemPhotoActionForm::GreenChangetoBlue101Click() { runChannelShift(4); }
void TMemPhotoActionForm::BluechangetoRed101Click() { runChannelShift(5); }
void TMemPhotoActionForm::BluechangetoGreen101Click() { runChannelShift(6); }

// ---------------------------------------------------------------------------------------------
// Zoom menu

void TMemPhotoActionForm::ZoomTo_10_MenuitemClick() { view_->ZoomToPercent(10); }
void TMemPhotoActionForm::ZoomTo_25_MenuitemClick() { view_->ZoomToPercent(25); }
void TMemPhotoActionForm::ZoomTo_33_MenuitemClick() { view_->ZoomToPercent(33); }
void TMemPhotoActionForm::ZoomTo_50_MenuitemClick() { view_->ZoomToPercent(50); }
void TMemPhotoActionForm::ZoomTo_66_MenuitemClick() { view_->ZoomToPercent(66); }
void TMemPhotoActionForm::ZoomTo_75_MenuitemClick() { view_->ZoomToPercent(75); }
void TMemPhotoActionForm::ZoomTo_100_MenuitemClick() { view_->ZoomToPercent(100); }
void TMemPhotoActionForm::ZoomTo_125_MenuitemClick() { view_->ZoomToPercent(125); }
void TMemPhotoActionForm::ZoomTo_150_MenuitemClick() { view_->ZoomToPercent(150); }
void TMemPhotoActionForm::ZoomTo_200_MenuitemClick() { view_->ZoomToPercent(200); }
void TMemPhotoActionForm::ZoomTo_FitWidth_MenuitemClick() { view_->ZoomToPercent(view_->FitWidthPercent()); }
void TMemPhotoActionForm::ZoomTo_FitHeight_MenuitemClick() { view_->ZoomToPercent(view_->FitHeightPercent()); }
void TMemPhotoActionForm::ZoomTo_FitWindow_MenuitemClick() { view_->ZoomToPercent(view_->FitWindowPercent()); }

void TMemPhotoActionForm::ZoomInStep() {
    const int z = view_->Zoom();
    for (size_t i = 1; i < st_.ZoomTable.size(); ++i)
        if (st_.ZoomTable[i] > z) {
            view_->ZoomToPercent(st_.ZoomTable[i]);
            return;
        }
}

void TMemPhotoActionForm::ZoomOutStep() {
    const int z = view_->Zoom();
    for (size_t i = st_.ZoomTable.size() - 1; i >= 1; --i)
        if (st_.ZoomTable[i] < z) {
            view_->ZoomToPercent(st_.ZoomTable[i]);
            return;
        }
}

// ---------------------------------------------------------------------------------------------
// Macro recorder

void TMemPhotoActionForm::SetCloseEnabled(bool on) {
    if (closeMacroAction_) closeMacroAction_->setEnabled(on);
}

void TMemPhotoActionForm::SetExecuteEnabled(bool on) {
    if (executeMacroAction_) executeMacroAction_->setEnabled(on);
}

bool TMemPhotoActionForm::Replays(int code) const { return lum::MainWindowReplays(code); }

void TMemPhotoActionForm::ReplayAction(int code, int p1) {
    switch (code) {
        case 2: NivGrisClick(); break;
        case 12: runChannelShift(p1); break;
        case 13: FlouGaussienClick(); break;
        case 14: LissageAutoClick(); break;
        case 15: Equilibrer1Click(); break;
        case 16: Equilibrer2Click(); break;
        default: break;
    }
}
