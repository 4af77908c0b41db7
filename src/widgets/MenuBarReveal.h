// SPDX-License-Identifier: GPL-3.0-or-later
// A window whose design keeps its menu bar hidden still lets the user reach every menu
// command: Alt pressed and released alone, or F10, shows the bar with all its entries, and
// hides it again (back to the entries' own visible and enabled states).
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
    void Toggle() { SetRevealed(!revealed_); }

signals:
    void RevealedChanged(bool revealed);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Design {
        bool visible, enabled;
    };
    bool ours(QObject* watched) const;

    QPointer<QWidget> window_;
    QPointer<QMenuBar> bar_;
    QHash<QAction*, Design> design_;
    bool revealed_ = false;
    bool altAlone_ = false;
};

}  // namespace lum
