#include "app/DesignMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "editing/Editor.h"
#include "editing/Operation.h"
#include "widgets/MenuBarReveal.h"

namespace lum {

namespace {

// One entry of a menu: a separator when name is null.
struct Item {
    const char* name;
    const char* caption = nullptr;  // null: the caption of its row in the operation table
};
constexpr Item kSeparator{nullptr, nullptr};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

// Items without a caption here are controls of the operation table, captioned by their rows.
const std::vector<Menu>& Menus() {
    // Spelled out in full so that the translation tools find every caption.
    static const std::vector<Menu> menus = {
        {"Fichier1",
         QT_TRANSLATE_NOOP("DesignMenus", "&File"),
         {{"Ouvrir1", QT_TRANSLATE_NOOP("DesignMenus", "&Open...")},
          {"Btnouveau"},
          {"Btenregistrer", QT_TRANSLATE_NOOP("DesignMenus", "&Save")},
          {"Enregistrersous1", QT_TRANSLATE_NOOP("DesignMenus", "Save &As...")},
          kSeparator,
          {"Supprimer1", QT_TRANSLATE_NOOP("DesignMenus", "&Delete")},
          kSeparator,
          {"Btparamjpg", QT_TRANSLATE_NOOP("DesignMenus", "&Options...")},
          kSeparator,
          {"Quitter1", QT_TRANSLATE_NOOP("DesignMenus", "E&xit")}}},
        {"Edition1",
         QT_TRANSLATE_NOOP("DesignMenus", "&Edit"),
         {{"Annuler1", QT_TRANSLATE_NOOP("DesignMenus", "&Undo")},
          {"RedoItem", QT_TRANSLATE_NOOP("DesignMenus", "&Redo")},
          {"Reinitialiser1", QT_TRANSLATE_NOOP("DesignMenus", "&Reset Image")},
          kSeparator,
          {"Copier1"},
          {"Commenouvelleimage1"},
          {"Mlangerlexistant1"},
          kSeparator,
          {"Memoriser", QT_TRANSLATE_NOOP("DesignMenus", "&Memorize")},
          {"Effacer1"}}},
        {"Melanger1",
         QT_TRANSLATE_NOOP("DesignMenus", "Mi&xing"),
         {{"Imageoriginale1", QT_TRANSLATE_NOOP("DesignMenus", "&Original Image %")},
          kSeparator,
          {"Btmixdegrad"},
          {"Btmiximage"},
          {"PPimage"},
          {"Bttexte"},
          kSeparator,
          {"GradientLumiere"},
          {"NivGris"}}},
        {"Optimisation1",
         QT_TRANSLATE_NOOP("DesignMenus", "&Optimization"),
         {{"LissageAuto"}, {"FlouGaussien"}, kSeparator, {"Equilibrer1"}, {"Equilibrer2"}}},
        {"Macro1",
         QT_TRANSLATE_NOOP("DesignMenus", "&Macro"),
         {{"Initmacro", QT_TRANSLATE_NOOP("DesignMenus", "&Start")},
          {"Fermer", QT_TRANSLATE_NOOP("DesignMenus", "&Close")},
          kSeparator,
          {"Executer"}}},
    };
    return menus;
}

// The colour-shift pop-up menu, in pairs.
const char* const kShiftItems[] = {"RedChangetoGreen101", "RedChangetoBlue101",  "Greenchangeto1",
                                   "GreenChangetoBlue101", "BluechangetoRed101", "BluechangetoGreen101"};

}  // namespace

QString OperationText(const char* caption) { return QCoreApplication::translate("Operations", caption); }

void DesignMenus::SetCloseEnabled(bool on) {
    if (closeMacro) closeMacro->setEnabled(on);
}

void DesignMenus::SetExecuteEnabled(bool on) {
    if (executeMacro) executeMacro->setEnabled(on);
}

bool RunWindowCommand(Editor& editor, unsigned windowBit, const char* control, const Guard& guard) {
    const CommandRef ref = FindCommand(control, windowBit);
    if (!ref.op) return false;
    // Before the first photo there is nothing to work on, only a picture to make.
    if (!editor.State().HasPicture && !ref.op->makesPicture) return false;
    bool done = false;
    guard([&] { done = editor.Run(*ref.op, ref.command->args); });
    return done;
}

void GiveStandardKeys(QMainWindow* window, QMenuBar* bar,
                      std::initializer_list<std::pair<const char*, QKeySequence>> keys) {
    for (const auto& [name, key] : keys)
        if (QAction* a = bar->findChild<QAction*>(QString::fromLatin1(name))) {
            a->setShortcut(key);
            window->addAction(a);
        }
}

QMenu* AddHiddenMenu(QMenuBar* bar, const char* name, const QString& caption, QAction* before) {
    auto* m = new QMenu(caption, bar);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    if (before) bar->insertMenu(before, m);
    else bar->addMenu(m);
    // The designs keep every entry of the menu bar hidden.
    m->menuAction()->setVisible(false);
    return m;
}

DesignMenus BuildDesignMenus(QMainWindow* window, unsigned windowBit,
                             const std::function<void(const char* control)>& runCommand,
                             const std::map<std::string, std::function<void()>>& own) {
    DesignMenus d;
    d.bar = new QMenuBar(window);
    d.bar->setObjectName(QStringLiteral("MainMenu1"));
    d.bar->setNativeMenuBar(false);
    window->setMenuBar(d.bar);

    const auto item = [&](QWidget* menu, const char* name, const char* caption = nullptr) {
        // A caption written here is this file's; the others are their rows' in the table.
        const char* fromTable = caption ? nullptr : CommandCaption(name, windowBit);
        const QString text = caption ? QCoreApplication::translate("DesignMenus", caption)
                             : fromTable ? OperationText(fromTable)
                                         : QString::fromLatin1(name);
        auto* a = new QAction(text, menu);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        const std::string key = name;
        if (FindCommand(key, windowBit).op) {
            QObject::connect(a, &QAction::triggered, window, [runCommand, name] { runCommand(name); });
        } else if (auto it = own.find(key); it != own.end()) {
            QObject::connect(a, &QAction::triggered, window, it->second);
        }
        return a;
    };
    for (const Menu& m : Menus()) {
        QMenu* menu = AddHiddenMenu(d.bar, m.name, QCoreApplication::translate("DesignMenus", m.caption));
        for (const Item& it : m.items) {
            if (!it.name) menu->addSeparator();
            else item(menu, it.name, it.caption);
        }
    }
    // The main window's design also disables its File menu.
    if (windowBit == kMainWindow) d.bar->findChild<QMenu*>(QStringLiteral("Fichier1"))->menuAction()->setEnabled(false);
    d.closeMacro = d.bar->findChild<QAction*>(QStringLiteral("Fermer"));
    d.executeMacro = d.bar->findChild<QAction*>(QStringLiteral("Executer"));
    d.closeMacro->setEnabled(false);

    // Two entries of the bar act by themselves, without items.
    item(d.bar, "Redimensionner1")->setVisible(false);
    item(d.bar, "Aide1", QT_TRANSLATE_NOOP("DesignMenus", "&Help"))->setVisible(false);

    // With every entry hidden the bar shows nothing; it takes no room either. Alt or F10
    // shows it with all its entries, and hides it again.
    d.bar->hide();
    d.reveal = new MenuBarReveal(window, d.bar);

    d.colorMenu = new QMenu(window);
    d.colorMenu->setObjectName(QStringLiteral("ColorChangePopupMenu"));
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && i % 2 == 0) d.colorMenu->addSeparator();
        item(d.colorMenu, kShiftItems[i]);
    }
    return d;
}

}  // namespace lum
