// SPDX-License-Identifier: GPL-3.0-or-later
// The version window: picture, thanks, the version, a short description and a Close button.
#pragma once
#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
