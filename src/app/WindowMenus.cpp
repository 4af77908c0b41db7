// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowMenus.h"

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
    unsigned windows = kBothWindows;
};
constexpr Item kSeparator{nullptr, nullptr};
// The colour-shift pop-up menu, as a submenu.
constexpr const char* kColourShift = "ColorChangePopupMenu";

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

// Items without a caption here are controls of the operation table, captioned by their rows.
const std::vector<Menu>& Menus() {
    // Spelled out in full so that the translation tools find every caption.
    static const std::vector<Menu> menus = {
        {"Fichier1", QT_TRANSLATE_NOOP("WindowMenus", "&File"),
         {{"Ouvrir1", QT_TRANSLATE_NOOP("WindowMenus", "&Open...")},
          {"Btnouveau"},
          {"Btenregistrer", QT_TRANSLATE_NOOP("WindowMenus", "&Save")},
          {"Enregistrersous1", QT_TRANSLATE_NOOP("WindowMenus", "Save &As...")},
          kSeparator,
          {"Supprimer1", QT_TRANSLATE_NOOP("WindowMenus", "&Delete")},
          kSeparator,
          {"Btparamjpg", QT_TRANSLATE_NOOP("WindowMenus", "O&ptions...")},
          kSeparator,
          {"Quitter1", QT_TRANSLATE_NOOP("WindowMenus", "E&xit")}}},
        {"Edition1", QT_TRANSLATE_NOOP("WindowMenus", "&Edit"),
         {{"Annuler1", QT_TRANSLATE_NOOP("WindowMenus", "&Undo")},
          {"RedoItem", QT_TRANSLATE_NOOP("WindowMenus", "&Redo")},
          {"Reinitialiser1", QT_TRANSLATE_NOOP("WindowMenus", "Re&set Image")},
          kSeparator,
          {"Copier1"},
          {"Commenouvelleimage1"},
          {"Mlangerlexistant1"},
          kSeparator,
          {"Memoriser", QT_TRANSLATE_NOOP("WindowMenus", "&Memorize")},
          {"Effacer1"}}},
        {"ImageMenu", QT_TRANSLATE_NOOP("WindowMenus", "&Image"),
         {{"RotateLeftItem"},
          {"RotateRightItem"},
          {"RotateByAngleItem"},
          {"StraightenItem", QT_TRANSLATE_NOOP("WindowMenus", "S&traighten...")},
          kSeparator,
          {"CropItem", QT_TRANSLATE_NOOP("WindowMenus", "&Crop...")},
          {"CropToSelectionItem", QT_TRANSLATE_NOOP("WindowMenus", "Cr&op to Selection")},
          {"RedEyeItem", QT_TRANSLATE_NOOP("WindowMenus", "Red-&Eye Removal...")},
          kSeparator,
          {"MirrorHorizontallyItem"},
          {"MirrorVerticallyItem"},
          kSeparator,
          {kColourShift},
          kSeparator,
          {"Redimensionner1"}}},
        {"Melanger1", QT_TRANSLATE_NOOP("WindowMenus", "Mi&xing"),
         {{"Imageoriginale1", QT_TRANSLATE_NOOP("WindowMenus", "&Original Image %")},
          kSeparator,
          {"Btmixdegrad"},
          {"Btmiximage"},
          {"PPimage"},
          {"Bttexte"},
          kSeparator,
          {"GradientLumiere"},
          {"NivGris"}}},
        {"Optimisation1", QT_TRANSLATE_NOOP("WindowMenus", "&Optimization"),
         {{"OptimizeItem", nullptr, kMainWindow},
          {"CompareItem", QT_TRANSLATE_NOOP("WindowMenus", "Co&mpare with the Original"), kMainWindow},
          {nullptr, nullptr, kMainWindow},
          {"LissageAuto"},
          {"FlouGaussien"},
          kSeparator,
          {"Equilibrer1"},
          {"Equilibrer2"}}},
        {"Macro1", QT_TRANSLATE_NOOP("WindowMenus", "&Macro"),
         {{"Initmacro", QT_TRANSLATE_NOOP("WindowMenus", "&Start")},
          {"Fermer", QT_TRANSLATE_NOOP("WindowMenus", "&Close")},
          kSeparator,
          {"Executer"}}},
        {"HelpMenu", QT_TRANSLATE_NOOP("WindowMenus", "&Help"),
         {{"Aide1", QT_TRANSLATE_NOOP("WindowMenus", "Lumora &Help")},
          {"OnlineManualItem", QT_TRANSLATE_NOOP("WindowMenus", "Online &Manual")},
          kSeparator,
          {"AboutItem", QT_TRANSLATE_NOOP("WindowMenus", "&About Lumora")}}},
    };
    return menus;
}

// The colour-shift pop-up menu, in pairs.
const char* const kShiftItems[] = {"RedChangetoGreen101", "RedChangetoBlue101",  "Greenchangeto1",
                                   "GreenChangetoBlue101", "BluechangetoRed101", "BluechangetoGreen101"};

}  // namespace

QString MenuText(const char* caption) { return QCoreApplication::translate("WindowMenus", caption); }

QString OperationText(const char* caption) { return QCoreApplication::translate("Operations", caption); }

void WindowMenus::SetCloseEnabled(bool on) {
    if (closeMacro) closeMacro->setEnabled(on);
}

void WindowMenus::SetExecuteEnabled(bool on) {
    if (executeMacro) executeMacro->setEnabled(on);
}

void WindowMenus::ShowRecording(bool recording, int count) {
    if (showRecording) showRecording(recording, count);
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

WindowMenus BuildWindowMenus(QMainWindow* window, unsigned windowBit,
                             const std::function<void(const char* control)>& runCommand,
                             const std::map<std::string, std::function<void()>>& own,
                             const std::set<std::string>& touching) {
    WindowMenus d;
    d.bar = new QMenuBar(window);
    d.bar->setObjectName(QStringLiteral("MainMenu1"));
    d.bar->setNativeMenuBar(false);
    window->setMenuBar(d.bar);

    const auto item = [&](QWidget* menu, const char* name, const char* caption = nullptr) {
        // A caption written here is this file's; the others are their rows' in the table.
        const char* fromTable = caption ? nullptr : CommandCaption(name, windowBit);
        const QString text = caption ? MenuText(caption) : fromTable ? OperationText(fromTable) : QString::fromLatin1(name);
        auto* a = new QAction(text, menu);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        const std::string key = name;
        if (FindCommand(key, windowBit).op) {
            QObject::connect(a, &QAction::triggered, window, [runCommand, name] { runCommand(name); });
            d.pictureItems << a;
        } else if (auto it = own.find(key); it != own.end()) {
            QObject::connect(a, &QAction::triggered, window, it->second);
            if (touching.count(key)) d.pictureItems << a;
        } else {
            // Nothing behind it in this window: not offered.
            a->setVisible(false);
        }
        return a;
    };

    d.colorMenu = new QMenu(MenuText(QT_TRANSLATE_NOOP("WindowMenus", "Colour &Shift")), window);
    d.colorMenu->setObjectName(QStringLiteral("ColorChangePopupMenu"));
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && i % 2 == 0) d.colorMenu->addSeparator();
        item(d.colorMenu, kShiftItems[i]);
    }

    for (const Menu& m : Menus()) {
        QMenu* menu = AddHiddenMenu(d.bar, m.name, MenuText(m.caption));
        for (const Item& it : m.items) {
            if ((it.windows & windowBit) == 0) continue;
            if (!it.name) menu->addSeparator();
            else if (std::string(it.name) == kColourShift) menu->addMenu(d.colorMenu)->setObjectName(QStringLiteral("ColourShiftItem"));
            else item(menu, it.name, it.caption);
        }
    }
    // The main window's design also disables its File menu.
    if (windowBit == kMainWindow) d.bar->findChild<QMenu*>(QStringLiteral("Fichier1"))->menuAction()->setEnabled(false);
    d.closeMacro = d.bar->findChild<QAction*>(QStringLiteral("Fermer"));
    d.executeMacro = d.bar->findChild<QAction*>(QStringLiteral("Executer"));
    d.closeMacro->setEnabled(false);

    // With every entry hidden the bar shows nothing; it takes no room either. Alt or F10
    // shows it with all its entries, and hides it again.
    d.bar->hide();
    d.reveal = new MenuBarReveal(window, d.bar);
    return d;
}

}  // namespace lum
