// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a user reads, walked window by window and dialog by dialog (titles, labels,
// buttons, hints, menus, headers, and the messages and questions the commands put through the
// prompts): none holds a word of the list of misspellings and leftovers, and each one went
// through the translation function, which a translator marking all it is asked for shows.
#include <gtest/gtest.h>

#include <memory>

#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QToolButton>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "app/BlurDialog.h"
#include "app/CompareWindow.h"
#include "app/Dialogs.h"
#include "app/NewSizeDialog.h"
#include "app/OptionsDialog.h"
#include "app/RotateAngleDialog.h"
#include "app/AboutDialog.h"
#include "compose/GradientDialog.h"
#include "compose/MixDialog.h"
#include "compose/PictureChooser.h"
#include "compose/TextStampDialog.h"
#include "editing/Compose.h"
#include "editing/Operation.h"
#include "imaging/FloodFill.h"
#include "imaging/Geometry.h"
#include "view/FolderTree.h"
#include "view/PhotoList.h"
#include "view/SelectionToolbar.h"
#include "widgets/GradientPanel.h"

using namespace guitest;

namespace {

const QString kOpen = QStringLiteral("\u27E6");
const QString kClose = QStringLiteral("\u27E7");

// Hands back every text of ours it is asked for between two marks; Qt's own texts (its
// dialogs' and standard buttons') are left alone.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!source || !*source || !context || context[0] == 'Q') return {};
        return kOpen + QString::fromUtf8(source) + kClose;
    }
    bool isEmpty() const override { return false; }
};

// Installed for one test: widgets made meanwhile take marked texts.
struct Marking {
    Marking() { QCoreApplication::installTranslator(&translator); }
    ~Marking() { QCoreApplication::removeTranslator(&translator); }
    MarkingTranslator translator;
};

// Misspellings of the designs, French leftovers, and the other spelling of words the program
// spells one way ("colour", "centre", "grey").
const QRegularExpression& Forbidden() {
    static const QRegularExpression re(
        QStringLiteral("\\b(orginal|axions?|standars|keep with|clic|lignten|morror|shpae|stemp|blackr|in valid|neaw|"
                       "have be|before leave|copie|dans|l'image|vous|mémori[sz]\\w*|memori[sz]er|surround\\w*|police|fichier|"
                       "effacer|fermer|annuler|enregistrer|couleur|taille|dupliquer|ex[ée]cuter|redimensionner|"
                       "barbouiller|peinture|crayon|ligne|color|colors|center|centered|gray)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

struct Text {
    QString where;
    QString text;
    bool fromUs = true;  // ours, so it must have gone through the translation function
};

QString Plain(QString t) {
    t.remove(kOpen);
    t.remove(kClose);
    t.remove(QLatin1Char('&'));
    return t;
}

bool HasLetter(const QString& t) {
    for (QChar c : Plain(t))
        if (c.isLetter()) return true;
    return false;
}

QString Where(const QObject* o) {
    QStringList path;
    for (; o; o = o->parent()) path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                                       : o->objectName());
    return path.join(QLatin1Char('/'));
}

void Add(std::vector<Text>& out, const QObject* o, const QString& what, const QString& text, bool fromUs = true) {
    if (!text.trimmed().isEmpty()) out.push_back({Where(o) + " " + what, text, fromUs});
}

// What a user can read in `top` and below it.
std::vector<Text> VisibleTexts(QWidget* top) {
    std::vector<Text> out;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (w->isWindow() || qobject_cast<QToolBar*>(w)) Add(out, w, "title", w->windowTitle());
        Add(out, w, "tooltip", w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) Add(out, w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) Add(out, w, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) Add(out, w, "title", g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) Add(out, w, "placeholder", e->placeholderText());
        if (auto* p = qobject_cast<GradientPanel*>(w)) Add(out, w, "caption", p->Caption());
        if (auto* m = qobject_cast<QMenu*>(w)) Add(out, w, "title", m->title());
        if (auto* t = qobject_cast<QTreeWidget*>(w); t && !t->isHeaderHidden())
            for (int c = 0; c < t->columnCount(); ++c) Add(out, w, "header", t->headerItem()->text(c));
        // Typed-in texts: the words are checked, not where they came from.
        if (auto* t = qobject_cast<QTextEdit*>(w)) Add(out, w, "text", t->toPlainText(), false);
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) Add(out, w, "text", t->toPlainText(), false);
    }
    for (QAction* a : top->findChildren<QAction*>()) {
        if (a->isSeparator()) continue;
        Add(out, a, "text", a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&'))) Add(out, a, "tooltip", a->toolTip());
        Add(out, a, "status", a->statusTip());
    }
    return out;
}

// Each text checked; the failures say where.
void ExpectPlainEnglishThroughTr(const std::vector<Text>& texts) {
    ASSERT_FALSE(texts.empty());
    for (const Text& t : texts) {
        const QRegularExpressionMatch bad = Forbidden().match(Plain(t.text));
        EXPECT_FALSE(bad.hasMatch()) << t.where.toStdString() << ": \"" << Plain(t.text).toStdString() << "\" has \""
                                     << bad.captured().toStdString() << "\"";
        if (t.fromUs && HasLetter(t.text)) {
            EXPECT_TRUE(t.text.contains(kOpen)) << t.where.toStdString() << ": \"" << t.text.toStdString()
                                                << "\" does not go through tr()";
        }
    }
}

// What the prompts were told, as texts to check.
struct ListeningPrompts : lum::RecordingPrompts {
    std::vector<std::string> texts;  // captions and labels of text questions
    std::vector<std::string> shown;
    bool AskText(const std::string& caption, const std::string& label, std::string&) override {
        texts.push_back(caption);
        texts.push_back(label);
        return false;
    }
    void ShowText(const std::string& caption, const std::string& text) override {
        shown.push_back(caption);
        shown.push_back(text);
    }
    std::vector<Text> All() const {
        std::vector<Text> out;
        for (const auto* list : {&messages, &questions, &texts, &shown})
            for (const std::string& s : *list) out.push_back({QStringLiteral("prompt"), QString::fromStdString(s)});
        return out;
    }
};

// The key letters of each menu under `top`, which must not repeat in one menu: a repeated
// letter only moves between its items and runs none of them.
void ExpectUniqueMnemonics(QWidget* top) {
    const QList<QMenu*> menus = top->findChildren<QMenu*>();
    ASSERT_FALSE(menus.empty());
    for (QMenu* menu : menus) {
        QMap<QChar, QString> taken;
        for (QAction* a : menu->actions()) {
            const QString text = a->text();
            for (int i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
                 i = text.indexOf(QLatin1Char('&'), i + 2)) {
                if (text[i + 1] == QLatin1Char('&')) continue;
                const QChar key = text[i + 1].toLower();
                EXPECT_FALSE(taken.contains(key)) << Where(menu).toStdString() << ": \"" << text.toStdString()
                                                 << "\" and \"" << taken.value(key).toStdString() << "\" share "
                                                 << QString(key).toStdString();
                taken.insert(key, text);
                break;
            }
        }
    }
}

}  // namespace

TEST(VisibleTexts, TheFolderViewsMenusGiveEachItemItsOwnKey) {
    App();
    FolderTree tree;
    PhotoList list;
    ExpectUniqueMnemonics(&tree);
    ExpectUniqueMnemonics(&list);
}

TEST(VisibleTexts, EveryDialogInPlainEnglishThroughTr) {
    App();
    Marking marking;
    lum::Dialogs dialogs;
    std::vector<Text> texts;
    const QList<QDialog*> all{&dialogs.Options(),  &dialogs.Chooser(), &dialogs.Mix(),
                              &dialogs.Gradient(), &dialogs.NewSize(), &dialogs.Blur(),
                              &dialogs.TextStamp()};
    for (QDialog* d : all) {
        const std::vector<Text> some = VisibleTexts(d);
        texts.insert(texts.end(), some.begin(), some.end());
    }
    // Every style and resizing of the mix shows its groups and size line.
    MixDialog& mix = dialogs.Mix();
    mix.Prepare(Pattern(30, 20, 1), QStringLiteral("mark.bmp"), 200, 100);
    for (lum::MixStyle s : {lum::MixStyle::MaskedCopy, lum::MixStyle::Tiles, lum::MixStyle::SmoothedEdges}) {
        mix.SetStyle(s);
        Add(texts, mix.SizeLine, "text", mix.SizeLine->text());
    }
    // The ratio's note of the new size.
    dialogs.NewSize().SetImageSize(2000, 10);
    dialogs.NewSize().SetNewSize(640, 8);
    dialogs.NewSize().ApplyRatio(1);
    Add(texts, &dialogs.NewSize(), "note", dialogs.NewSize().RatioNote());
    RotateAngleDialog rotate;
    AboutDialog welcome;
    lum::SelectionToolbar selection;
    for (QWidget* w : std::initializer_list<QWidget*>{&rotate, &welcome, &selection}) {
        const std::vector<Text> some = VisibleTexts(w);
        texts.insert(texts.end(), some.begin(), some.end());
    }
    ExpectPlainEnglishThroughTr(texts);
}

TEST(VisibleTexts, TheFolderViewsAndWhatTheirCommandsSay) {
    App();
    Marking marking;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    QDir(root).mkdir(QStringLiteral("Sub"));
    for (const char* name : {"/a.jpg", "/b.jpg"}) {
        QFile f(root + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ListeningPrompts prompts;
    FolderTree tree;
    PhotoList list;
    tree.SetPrompts(&prompts);
    list.SetPrompts(&prompts);
    tree.SetDrives({lum::files::Drive{QStringLiteral("Scratch"), root + "/", QStringLiteral("ext4"), false},
                    lum::files::Drive{QStringLiteral("Card"), QStringLiteral("/nonexistent/card/"), QString(), true}});
    ASSERT_TRUE(tree.OpenPath(root));
    list.setDirectory(root);

    // The commands' refusals, failures and questions.
    list.clearSelection();
    list.DeleteSelected();
    list.ShowProperties();
    QGuiApplication::clipboard()->clear();
    list.PasteHere();
    list.RenameEntry(root + QStringLiteral("/a.jpg"), QStringLiteral("b"));
    list.RenameEntry(root + QStringLiteral("/a.jpg"), QStringLiteral("x/y"));
    list.RenameEntry(root + QStringLiteral("/a.jpg"), QString());
    list.RenameEntry(root + QStringLiteral("/a.jpg"), QStringLiteral(".."));
    list.RenameEntry(root + QStringLiteral("/gone.jpg"), QStringLiteral("y"));
    list.SetMask(QStringLiteral("*.jpg"));
    list.RenameEntry(root + QStringLiteral("/a.jpg"), QStringLiteral("a.png"));
    list.setCurrentItem(list.ItemOfPath(root + QStringLiteral("/a.jpg")));
    list.RenameSelected();
    list.NewFolder();
    list.ShowProperties();
    lum::files::PutFilesOnClipboard({root + QStringLiteral("/a.jpg")}, true);
    list.PasteHere();
    lum::files::PutFilesOnClipboard({root + QStringLiteral("/missing.jpg")}, false);
    list.PasteHere();
    tree.CreateFolderIn(root, QStringLiteral("a:b"));
    tree.CreateFolderIn(QStringLiteral("Drives"), QStringLiteral("x"));
    tree.RenameFolder(root + QStringLiteral("/Sub"), QStringLiteral("Sub2"));
    tree.RenameFolder(root + QStringLiteral("/"), QStringLiteral("x"));
    tree.SelectNode(tree.topLevelItem(0)->child(1));
    tree.ShowTreeSize();
    tree.ShowFolderContents();
    tree.MapNetworkDrive();
    tree.DropFiles({root + QStringLiteral("/Sub")}, root + QStringLiteral("/Sub"), true);
    list.setDirectory(root + QStringLiteral("/gone"));
    list.setDirectory(QStringLiteral("Drives"));
    list.NewFolder();

    std::vector<Text> texts = prompts.All();
    EXPECT_GE(prompts.messages.size(), 15u);
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/a.jpg"))) << "every rename here is refused or answered No";
    for (QWidget* w : std::initializer_list<QWidget*>{&tree, &list}) {
        const std::vector<Text> some = VisibleTexts(w);
        texts.insert(texts.end(), some.begin(), some.end());
    }
    ExpectPlainEnglishThroughTr(texts);
}

TEST(VisibleTexts, TheEditingCoresMessagesAreInPlainEnglish) {
    // Shown through the prompts, which translate them; here only their words are checked.
    std::vector<Text> texts;
    for (const char* m : {lum::kFillTooCloseMessage, lum::kFillAlreadyMessage, lum::kResizeTooTallMessage,
                          lum::kResizeTooSmallMessage, lum::kNoPictureToMix})
        texts.push_back({QStringLiteral("core"), QString::fromUtf8(m), false});
    // What Undo and Redo call the steps, spelled as the menus spell them.
    for (const lum::Operation& op : lum::Operations())
        texts.push_back({QString::fromStdString(op.name), QString::fromStdString(op.label), false});
    ExpectPlainEnglishThroughTr(texts);
    // The check itself: each listed word is found wherever it stands.
    for (const char* bad : {"Compare the Orginal Photo", "Macro : 64 axions maximum.", "Standars Dimensions ",
                            "Keep with / height ratio", "Copie dans l'image destination", "Clic in", "Lignten",
                            "The photo have be optimized", "before leave Lumora", "Color balance", "Gray Scale",
                            "Mémorizer last working folder", "surrounduré"})
        EXPECT_TRUE(Forbidden().match(QString::fromUtf8(bad)).hasMatch()) << bad;
    for (const char* good : {"Colour balance", "Keep width / height ratio", "Click in", "Grey scale", "Policy", "&Memorize"})
        EXPECT_FALSE(Forbidden().match(QString::fromUtf8(good)).hasMatch()) << good;
}

TEST(VisibleTexts, BothWindowsAndWhatTheyAsk) {
    App();
    Marking marking;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    lum::RecordingPrompts prompts;
    lum::Dialogs dialogs;
    auto main = std::make_unique<MainWindow>(&prompts);
    main->SetDialogs(&dialogs);
    main->show();
    Pump();
    CompareWindow compare(dialogs, &prompts);
    compare.FillCompareWindow(Pattern(60, 40, 2), Pattern(60, 40, 1));
    std::vector<Text> texts;
    for (QWidget* w : std::initializer_list<QWidget*>{main.get(), &compare}) {
        const std::vector<Text> some = VisibleTexts(w);
        texts.insert(texts.end(), some.begin(), some.end());
    }

    // What the windows ask and say: nothing to save, a photo edited then left, a delete refused,
    // the help, a zoom that drops edits.
    main->SaveWithDialog();
    main->OpenPhotoFile(WriteJpeg(dir.filePath(QStringLiteral("photo.jpg")), 64, 48));
    Pump();
    main->findChild<QToolButton*>(QStringLiteral("ProcessingOptimumActionSpeedButton"))->click();
    main->OpenPhotoFile(WriteJpeg(dir.filePath(QStringLiteral("next.jpg")), 64, 48));  // asked, dismissed
    Action(*main, "Supprimer1")->trigger();
    Action(*main, "Aide1")->trigger();
    main->OpenPhotoFile(dir.filePath(QStringLiteral("none.jpg")));
    compare.findChild<QToolButton*>(QStringLiteral("BtmiroirH"))->click();
    Action(compare, "ZoomTo_50_Menuitem")->trigger();
    main->close();  // asked, dismissed
    EXPECT_GE(prompts.questions.size() + prompts.messages.size(), 5u);
    for (const auto* list : {&prompts.messages, &prompts.questions})
        for (const std::string& s : *list) texts.push_back({QStringLiteral("prompt"), QString::fromStdString(s)});
    ExpectPlainEnglishThroughTr(texts);
}
