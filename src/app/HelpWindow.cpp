// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "widgets/Icons.h"

namespace lum {

QUrl HelpWindow::ContentsUrl() {
    EnsureLumoraResources();
    //: The manual's first page in this language: index.<language>.html, kept with the program.
    const QString page = tr("index.html");
    const QString file = QStringLiteral(":/manual/") + page;
    if (page.contains(QLatin1Char('/')) || !QFile::exists(file)) return QUrl(QStringLiteral("qrc:/manual/index.html"));
    return QUrl(QStringLiteral("qrc") + file);
}

HelpWindow::HelpWindow(std::function<void(const QUrl&)> openWeb, const QUrl& onlineManual, QWidget* parent)
    : QWidget(parent, Qt::Window), openWeb_(std::move(openWeb)), onlineManual_(onlineManual) {
    EnsureLumoraResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Lumora Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(760, 640);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(6, 6, 6, 6);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Every link is judged here: the manual's own pages stay, the web goes to the browser.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    box->addWidget(browser_, 1);

    auto* row = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    QPushButton* back = button("HelpBackButton", tr("&Back"));
    QPushButton* contents = button("HelpContentsButton", tr("&Contents"));
    row->addStretch(1);
    QPushButton* online = button("HelpOnlineButton", tr("&Online Manual"));
    QPushButton* close = button("HelpCloseButton", tr("Close"));
    box->addLayout(row);

    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(); });
    connect(online, &QPushButton::clicked, this, [this] {
        if (openWeb_) openWeb_(onlineManual_);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    browser_->setSource(ContentsUrl());
}

void HelpWindow::ShowTopic(const QString& anchor) {
    QUrl url = ContentsUrl();
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (browser_->source().matches(url, QUrl::RemoveFragment)) {
        if (anchor.isEmpty()) browser_->scrollToAnchor(QStringLiteral("top"));
        else browser_->scrollToAnchor(anchor);
    } else {
        browser_->setSource(url);
    }
}

void HelpWindow::follow(const QUrl& link) {
    const QUrl url = browser_->source().resolved(link);
    if (url.scheme() == QLatin1String("qrc")) {
        if (url.matches(browser_->source(), QUrl::RemoveFragment) && url.hasFragment()) browser_->scrollToAnchor(url.fragment());
        else browser_->setSource(url);
        return;
    }
    if (openWeb_) openWeb_(url);
}

}  // namespace lum
