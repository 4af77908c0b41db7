#include "app/ShellForms.h"

TEform4::TEform4(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform4");
    setWindowTitle("Images Mix");
    setModal(true);
}

TEform5::TEform5(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform5");
    setWindowTitle("Gradient parameters");
    setModal(true);
}

TEform7::TEform7(QWidget* parent) : QDialog(parent) {
    setObjectName("TEform7");
    setWindowTitle("text Image Creation");
    setModal(true);
}
