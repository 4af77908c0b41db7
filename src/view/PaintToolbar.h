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

    // Asks for a colour when Panel5 or Panel6 is clicked (the colour dialog until set).
    void SetColourAsker(ColourAsker asker) { askColour_ = std::move(asker); }

    QToolButton* Button(const QString& designName) const;
    // The tool button that is down, or null.
    QToolButton* DownButton() const;

    // The click of a tool button (all thirteen share it).
    void ToolButtonClick(QToolButton* button);
    // Every tool button raised (the tool was reset).
    void ReleaseTools();
    // ShowColorReadout: "R 253", "G 233", "B 115".
    void ShowColorReadout(Colour c);
    void ShowSwatch(Colour c);
    // Label3: the percentage the photo is shown at ("150 %").
    void ShowZoom(int percent);
    // Panel5 and Panel6 from the editor's paint colours, the controls from its state.
    void SyncFromState();

private:
    void panelClick(bool first);

    EditPane& pane_;
    ColourAsker askColour_;
    QGroupBox* tools_ = nullptr;
    std::vector<QToolButton*> buttons_;
    ColourPanel* panel5_ = nullptr;
    ColourPanel* panel6_ = nullptr;
    SpinEdit* upDownD_ = nullptr;
    SpinEdit* upDownE_ = nullptr;
    QFrame* shape1_ = nullptr;
    QLabel* labelR_ = nullptr;
    QLabel* labelG_ = nullptr;
    QLabel* labelB_ = nullptr;
    QLabel* label3_ = nullptr;
};

}  // namespace lum
