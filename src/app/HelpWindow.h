// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help: the manual that ships inside the program, read offline in a window
// titled "Lumora Help". Links between its pages stay in the window; a link to the web goes to
// the desktop's browser through the window that opened the help.
#pragma once
#include <QUrl>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace lum {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // openWeb opens an address outside the manual; onlineManual is the manual on the web.
    HelpWindow(std::function<void(const QUrl&)> openWeb, const QUrl& onlineManual, QWidget* parent = nullptr);

    // The manual's first page, and where the pages are.
    static QUrl ContentsUrl();
    QTextBrowser* Browser() const { return browser_; }
    // Shows the first page (or the page a topic names: "keys", "paint-tools", ...).
    void ShowTopic(const QString& anchor = QString());

private:
    void follow(const QUrl& link);

    std::function<void(const QUrl&)> openWeb_;
    QUrl onlineManual_;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace lum
