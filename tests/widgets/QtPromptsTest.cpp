// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's questions: Yes and No as the buttons say; Cancel, Escape and the close button of
// the box answer neither, so the action that asked is called off.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "WidgetTestSupport.h"
#include "widgets/QtPrompts.h"

using Answer = lum::Prompts::Answer;

namespace {

// Does `act` to the question box once it is up.
void WhenAsked(const std::function<void(QMessageBox&)>& act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*box);
    });
    timer->start();
}

QAbstractButton* Shown(QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons())
        if (b->isVisible() && b->text().remove(QLatin1Char('&')) == text) return b;
    return nullptr;
}

}  // namespace

TEST(QtPromptsQuestion, YesNoAndDismissed) {
    widgettest::App();
    lum::QtPrompts prompts;
    QStringList seen;
    WhenAsked([&](QMessageBox& box) {
        seen << box.windowTitle() << box.text();
        for (QAbstractButton* b : box.buttons())
            if (b->isVisible()) seen << b->text().remove(QLatin1Char('&'));
        Shown(box, QStringLiteral("Yes"))->click();
    });
    EXPECT_EQ(prompts.AskYesNoCancel("Save or not?", "Save it?"), Answer::Yes);
    // The box shows the caption, the question and its three buttons.
    ASSERT_GE(seen.size(), 2);
    EXPECT_EQ(seen.mid(0, 2), (QStringList{"Save or not?", "Save it?"}));
    QStringList buttons = seen.mid(2);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Cancel", "No", "Yes"}));

    WhenAsked([](QMessageBox& box) { Shown(box, QStringLiteral("No"))->click(); });
    EXPECT_EQ(prompts.AskYesNoCancel("Save or not?", "Save it?"), Answer::No);

    WhenAsked([](QMessageBox& box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
    });
    EXPECT_EQ(prompts.AskYesNoCancel("Save or not?", "Save it?"), Answer::Cancel);

    WhenAsked([](QMessageBox& box) { box.close(); });  // the title bar's close button
    EXPECT_EQ(prompts.AskYesNoCancel("Save or not?", "Save it?"), Answer::Cancel);

    // The plain question has no third answer: Escape is No there.
    WhenAsked([](QMessageBox& box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
    });
    EXPECT_FALSE(prompts.AskYesNo("Save or not?", "Save it?"));
}

TEST(QtPromptsQuestion, ButtonsOfItsOwnWithTheirDefaultAndEscape) {
    widgettest::App();
    lum::QtPrompts prompts;
    const std::vector<std::string> buttons = {"Save to a File...", "Keep in the Main Window", "Discard", "Cancel"};
    QStringList shown;
    QString defaultText;
    WhenAsked([&](QMessageBox& box) {
        for (QAbstractButton* b : box.buttons())
            if (b->isVisible()) shown << b->text();
        defaultText = box.defaultButton() ? box.defaultButton()->text() : QString();
        Shown(box, QStringLiteral("Discard"))->click();
    });
    EXPECT_EQ(prompts.AskChoice("Close", "Keep the changes?", buttons, 1, 3), 2);
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"Cancel", "Discard", "Keep in the Main Window", "Save to a File..."}));
    EXPECT_EQ(defaultText, QStringLiteral("Keep in the Main Window"));
    // Escape and the close button give the escape button; Enter the default one.
    for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
        WhenAsked([key](QMessageBox& box) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&box, &press);
        });
        EXPECT_EQ(prompts.AskChoice("Close", "Keep the changes?", buttons, 1, 3), key == Qt::Key_Escape ? 3 : 1);
    }
    WhenAsked([](QMessageBox& box) { box.close(); });
    EXPECT_EQ(prompts.AskChoice("Replace?", "Replace it?", {"Yes", "No"}, 1, 1), 1);
}
