// The Selection toolbar both windows carry: the four shape buttons (one down at a time), the
// "Erase" and "Duplicate" check boxes read when a selection is grabbed, and the two labels that
// show coordinates while a shape is drawn.
#pragma once
#include <QToolBar>

class QCheckBox;
class QLabel;
class QToolButton;

namespace lum {

class SelectionToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit SelectionToolbar(QWidget* parent = nullptr);

    QToolButton* Btselectcercle() const { return cercle_; }
    QToolButton* Btselectrect() const { return rect_; }
    QToolButton* BtNotool() const { return none_; }
    QToolButton* Btselectpoly() const { return poly_; }
    QCheckBox* ChkEffacer() const { return erase_; }
    QCheckBox* Chkdupliquer() const { return duplicate_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }

    bool EraseChecked() const;
    bool DuplicateChecked() const;
    // The button of a tool mode down (0 none, 1 free shape, 2 rectangle, 3 ellipse), the
    // others up; no signal.
    void ShowTool(int toolMode);
    void SetLabels(const QString& label1, const QString& label2);

signals:
    // A button was clicked: 0 for BtNotool, else the tool mode of its shape.
    void ToolChosen(int toolMode);

private:
    QToolButton* cercle_ = nullptr;
    QToolButton* rect_ = nullptr;
    QToolButton* none_ = nullptr;
    QToolButton* poly_ = nullptr;
    QCheckBox* erase_ = nullptr;
    QCheckBox* duplicate_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
};

}  // namespace lum
