// The radius dialog of the Gaussian blur. One instance lives for the run, so the last radius
// is offered again.
#pragma once
#include <QDialog>

class SpinEdit;

class BlurDialog : public QDialog {
    Q_OBJECT
public:
    explicit BlurDialog(QWidget* parent = nullptr);
    int Radius() const;  // UpDown1 position, 1..24
    void SetRadius(int r);
    SpinEdit* UpDown1() const { return upDown1_; }

private:
    SpinEdit* upDown1_ = nullptr;
};
