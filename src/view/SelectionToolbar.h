// SPDX-License-Identifier: GPL-3.0-or-later
// The Selection toolbar both windows carry: the four shape buttons (one down at a time), the
// "Erase" and "Duplicate" check boxes read when a selection is grabbed, and the two labels that
// show coordinates while a shape is drawn.
#pragma once
#include <QToolBar>

#include "editing/ToolSettings.h"

class QCheckBox;
class QLabel;
class QToolButton;

namespace lum {

class SelectionToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit SelectionToolbar(QWidget* parent = nullptr);

    QToolButton* EllipseButton() const { return ellipse_; }
    QToolButton* RectangleButton() const { return rectangle_; }
    QToolButton* NoToolButton() const { return none_; }
    QToolButton* FreeShapeButton() const { return freeShape_; }
    QCheckBox* EraseBox() const { return erase_; }
    QCheckBox* DuplicateBox() const { return duplicate_; }
    QLabel* PositionLabel() const { return position_; }
    QLabel* SizeLabel() const { return size_; }

    bool EraseChecked() const;
    bool DuplicateChecked() const;
    // The button of a mode that draws a selection down (of "no tool" for any other), the
    // others up; no signal.
    void ShowTool(ToolMode toolMode);
    // What the shape being drawn is at: its position and its size (empty when none is drawn).
    void SetLabels(const QString& position, const QString& size);

signals:
    // A button was clicked: ToolMode::None for "no tool", else the tool mode of its shape.
    void ToolChosen(ToolMode toolMode);

private:
    QToolButton* ellipse_ = nullptr;
    QToolButton* rectangle_ = nullptr;
    QToolButton* none_ = nullptr;
    QToolButton* freeShape_ = nullptr;
    QCheckBox* erase_ = nullptr;
    QCheckBox* duplicate_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* size_ = nullptr;
};

}  // namespace lum
