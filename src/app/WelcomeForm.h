// The version window: picture, thanks, the version, a short description and a Close button.
#pragma once
#include <QDialog>

class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);
};
