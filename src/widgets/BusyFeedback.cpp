#include "widgets/BusyFeedback.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace lum {

void PaintShownWindow(QWidget* window, int timeoutMs) {
    if (!window || !window->isVisible()) return;
    // Layouts settle first, so the content is painted where it will stay.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QElapsedTimer waited;
    waited.start();
    const QWindow* handle = window->window()->windowHandle();
    while (handle && !handle->isExposed() && waited.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!handle->isExposed()) QThread::msleep(1);
    }
    window->repaint();
    // The painted pixels go out with the window system's queue.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace lum
