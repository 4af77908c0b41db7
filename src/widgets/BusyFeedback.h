// Busy feedback that reaches the screen before a long job blocks the event loop.
#pragma once

class QWidget;

namespace lum {

// A window that was just shown, painted with its content now: the window system is given up
// to timeoutMs to map and expose it (only its own events are handled meanwhile, no input),
// then every child is painted and the pixels are handed over. Without this a window shown
// right before a long job appears empty until the job ends.
void PaintShownWindow(QWidget* window, int timeoutMs = 250);

}  // namespace lum
