// The radius dialog of the Gaussian blur. One instance lives for the run, so the last radius
// is offered again.
#pragma once
#include <QDialog>

class TUpDownSpin;

class TEForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TEForm8(QWidget* parent = nullptr);
    int Radius() const;  // UpDown1 position, 1..24
    void SetRadius(int r);
    TUpDownSpin* UpDown1() const { return upDown1_; }

private:
    TUpDownSpin* upDown1_ = nullptr;
};
