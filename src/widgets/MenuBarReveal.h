// SPDX-License-Identifier: GPL-3.0-or-later
// A window whose design keeps its menu bar hidden still lets the user reach every menu
// command: Alt pressed and released alone, or F10, shows the bar with all its entries and opens
// its first menu; Alt with a menu's letter opens that menu. Once the user leaves the menus the bar
// hides again (back to the entries' own visible and enabled states).
#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;
class QMenuBar;
class QWidget;

namespace lum {

class MenuBarReveal : public QObject {
    Q_OBJECT
public:
    // Watches the keys of window (for as long as both live).
    MenuBarReveal(QWidget* window, QMenuBar* bar);
    ~MenuBarReveal() override;

    bool Revealed() const { return revealed_; }
    void SetRevealed(bool on);
    // Shows the bar and opens menu (the first one when null).
    void OpenMenu(QAction* menu = nullptr);

signals:
    void RevealedChanged(bool revealed);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Design {
        bool visible, enabled;
    };
    bool ours(QObject* watched) const;
    // The bar's menu whose letter is key, if any.
    QAction* menuOfLetter(int key) const;
    // Hides the bar once no menu is open nor the bar in use (checked after the event).
    void hideWhenLeft();

    QPointer<QWidget> window_;
    QPointer<QMenuBar> bar_;
    QHash<QAction*, Design> design_;
    bool revealed_ = false;
    bool altAlone_ = false;
};

}  // namespace lum
