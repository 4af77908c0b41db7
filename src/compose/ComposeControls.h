// SPDX-License-Identifier: GPL-3.0-or-later
// Controls shared by the compositing dialogs: a clickable colour panel, a paint box that shows a
// picture and reports the mouse in its own pixels, the 16-colour grid, the askers through which
// the dialogs choose colours and fonts, and the Enter swallowing of edits.
#pragma once
#include <functional>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

#include "image/Color.h"
#include "widgets/GradientPanel.h"

namespace lum {

// Asked with the current value; true when the user confirmed a new one (written back).
using ColourAsker = std::function<bool(QColor&)>;
using FontAsker = std::function<bool(QFont&)>;

// The toolkit's own dialogs, used until the window hands a dialog its askers.
bool AskColourWithDialog(QColor& colour, QWidget* parent);
bool AskFontWithDialog(QFont& font, QWidget* parent);

// Enter and Return typed into w (and, for a spin box, its edit) do nothing: they neither break
// the line of a text box nor press the dialog's default button.
void SwallowEnter(QWidget* w);

// Black or white, whichever reads better on c.
QColor ContrastingText(const QColor& c);

}  // namespace lum

// A plain panel in its colour, with its caption; a click asks for a new colour.
class ColourPanel : public GradientPanel {
    Q_OBJECT
public:
    ColourPanel(const QString& name, const QString& caption, lum::Colour colour, QWidget* parent = nullptr);
    lum::Colour Colour() const { return colour_; }
    void SetColour(lum::Colour c);
    // For a panel that chooses its colour when clicked: Tab reaches it, Space or Enter click it.
    void ReachableByKeyboard();
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    lum::Colour colour_ = 0;
};

// Shows a picture at its top-left corner, unscaled, over the window colour.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

signals:
    void mousePressed(int x, int y, Qt::MouseButton button);
    void mouseMoved(int x, int y, Qt::MouseButtons buttons);
    void mouseReleased(int x, int y, Qt::MouseButton button);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
};

// The 16 colours in 8 columns and 2 rows: a left click chooses the foreground, a right click the
// background; their cells are marked "FG" and "BG" ("FB" when they are the same). From the
// keyboard, the arrow keys move the foreground, with Shift the background.
class ColourGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCell = 20;

    explicit ColourGrid(const QString& name, QWidget* parent = nullptr);
    int ForegroundIndex() const { return foreground_; }
    int BackgroundIndex() const { return background_; }
    lum::Colour ForegroundColour() const;
    lum::Colour BackgroundColour() const;
    void SetForegroundIndex(int i);
    void SetBackgroundIndex(int i);
    // Index of the cell under (x, y), -1 outside the grid.
    static int CellAt(int x, int y);
    QSize sizeHint() const override { return QSize(8 * kCell + 1, 2 * kCell + 1); }
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int foreground_ = 11;
    int background_ = 0;
};
