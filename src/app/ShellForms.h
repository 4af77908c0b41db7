// Dialog windows created at start-up whose contents are built by their own commands:
// "Images Mix", the gradient parameters (captioned by the caller) and "text Image Creation".
#pragma once
#include <QDialog>

class TEform4 : public QDialog {
    Q_OBJECT
public:
    explicit TEform4(QWidget* parent = nullptr);
};

class TEform5 : public QDialog {
    Q_OBJECT
public:
    explicit TEform5(QWidget* parent = nullptr);
};

class TEform7 : public QDialog {
    Q_OBJECT
public:
    explicit TEform7(QWidget* parent = nullptr);
};
