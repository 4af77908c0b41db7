// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Icons.h"

namespace {
const char* const kDescription = QT_TRANSLATE_NOOP(
    "AboutDialog",
    "Lumora improves your digital photos with one click.\n\n"
    "Choose a folder, click a photo and press \"Optimize The Photo Now!\": Lumora brings the "
    "colours towards natural flesh tones, smooths fine noise while keeping the edges, and "
    "blends the result with your photo as it was.\n\n"
    "Compare the optimized photo with the original side by side, sharpen, soften or lighten "
    "it, turn it, zoom, and save it as a JPEG file with the quality you choose.");
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TWelcomeForm");
    setWindowTitle(tr("About Tarnel Lumora"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* root = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(LumoraPicture("welcome"));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    root->addWidget(picture);

    auto* right = new QVBoxLayout();
    // The thanks with its shadow: the same text offset by two pixels underneath.
    auto* thanksHolder = new QWidget(this);
    auto* stack = new QGridLayout(thanksHolder);
    stack->setContentsMargins(0, 0, 0, 0);
    QFont big = font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    auto* shadow = new QLabel(tr("Thank you very much!"), thanksHolder);
    shadow->setObjectName("Label2");
    shadow->setFont(big);
    shadow->setStyleSheet("color: rgb(160,160,160);");
    shadow->setContentsMargins(2, 2, 0, 0);
    auto* thanks = new QLabel(tr("Thank you very much!"), thanksHolder);
    thanks->setObjectName("Label1");
    thanks->setFont(big);
    thanks->setStyleSheet("color: rgb(128,0,0);");
    thanks->setContentsMargins(0, 0, 2, 2);
    stack->addWidget(shadow, 0, 0);
    stack->addWidget(thanks, 0, 0);
    right->addWidget(thanksHolder);

    auto* version = new QLabel(tr("Tarnel Lumora version %1").arg(QStringLiteral(LUMORA_VERSION)), this);
    version->setObjectName("VersionLabel");
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    right->addWidget(version);

    auto* licence = new QLabel(
        tr("Copyright 2026 The Lumora developers.<br>Lumora is free software: you may share and "
           "change it under the terms of the <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
           "GNU General Public License</a>, version 3 or (at your option) any later version. "
           "It comes with no warranty."),
        this);
    licence->setObjectName("LicenceLabel");
    licence->setWordWrap(true);
    licence->setTextFormat(Qt::RichText);
    licence->setOpenExternalLinks(true);
    licence->setTextInteractionFlags(Qt::TextBrowserInteraction);
    licence->setAccessibleName(tr("Licence"));
    right->addWidget(licence);

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setAccessibleName(tr("About Lumora"));
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setPlainText(tr(kDescription));
    memo->setMinimumSize(320, 160);
    right->addWidget(memo, 1);

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("Button1");
    close->setDefault(true);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(close);
    right->addLayout(buttons);
    root->addLayout(right, 1);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
