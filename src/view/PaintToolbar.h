// SPDX-License-Identifier: GPL-3.0-or-later
// The "Paint Toolbar" of an editing pane (docked at a side or floating): the thirteen tool buttons of the "Tools"
// group (one down at a time, or none), the two paint colours, the diameter and thickness
// controls, the pipette's swatch and colour readout and the zoom label.
#pragma once
#include <QToolBar>
#include <vector>

#include "compose/ComposeControls.h"
#include "imaging/Brush.h"

class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;
class SpinEdit;

namespace lum {

class EditPane;

class PaintToolbar : public QToolBar {
    Q_OBJECT
public:
    // Works on the pane's editor; follows the pane's readout, zoom steps and tool resets.
    explicit PaintToolbar(EditPane& pane, QWidget* parent = nullptr);

    // Asks for a colour when a paint colour is clicked (the colour dialog until set).
    void SetColourAsker(ColourAsker asker) { askColour_ = std::move(asker); }

    // A tool button by its object name ("Btpipette", ...).
    QToolButton* Button(const QString& name) const;
    // The tool button that is down, or null.
    QToolButton* DownButton() const;

    // A tool button was clicked (all thirteen share this): its tool, or none when it came up.
    void ChooseTool(QToolButton* button);
    // Every tool button raised (the tool was reset).
    void ReleaseTools();
    // The colour under the pipette as "R 253", "G 233", "B 115".
    void ShowColorReadout(Colour c);
    void ShowSwatch(Colour c);
    // The percentage the photo is shown at ("150 %").
    void ShowZoom(int percent);
    // The two paint colours and the sizes from the editor's state.
    void SyncFromState();

private:
    // Asks for the first or the second paint colour.
    void chooseColour(bool first);

    EditPane& pane_;
    ColourAsker askColour_;
    QGroupBox* tools_ = nullptr;
    std::vector<QToolButton*> buttons_;
    ColourPanel* firstColour_ = nullptr;
    ColourPanel* secondColour_ = nullptr;
    SpinEdit* diameterSpin_ = nullptr;
    SpinEdit* thicknessSpin_ = nullptr;
    QFrame* swatch_ = nullptr;
    QLabel* labelR_ = nullptr;
    QLabel* labelG_ = nullptr;
    QLabel* labelB_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
};

}  // namespace lum
