// The edit pane's long work: a fill that lets events through now and then (KeepAlive), and
// pixel work run on another thread while the window keeps painting (RunWork).
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QThread>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "view/EditPane.h"
#include "view/PhotoView.h"

namespace lum {

namespace {
// Drops mouse presses and keys while a long piece of work lets events through, except on the
// scroll bars under `keep` and in modal windows other than window's own (a question the window
// asks while closing). Without `keep` (work on another thread) moves and wheel turns over the
// window go too, and so does every scroll bar.
class InputBlocker : public QObject {
public:
    InputBlocker(QWidget* keep, QWidget* window) : keep_(keep), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
            case QEvent::Drop: {
                if (!watched->isWidgetType()) {
                    // A menu item's key (Ctrl+Z) goes to the item itself: held back too, unless
                    // another modal window is up.
                    const QWidget* modal = QApplication::activeModalWidget();
                    return event->type() == QEvent::Shortcut && !(modal && modal != window_);
                }
                const QWidget* w = static_cast<QWidget*>(watched)->window();
                if (w != window_ && w->isModal()) return false;
                auto* bar = qobject_cast<QScrollBar*>(watched);
                return !(bar && keep_ && keep_->isAncestorOf(bar));
            }
            case QEvent::MouseMove:
            case QEvent::Wheel:
                // The tools and the zoom read the state: held back while work on another thread
                // owns it (a fill lets the view scroll meanwhile).
                return keep_.isNull() && watched->isWidgetType() &&
                       static_cast<QWidget*>(watched)->window() == window_;
            default: return false;
        }
    }

private:
    QPointer<QWidget> keep_;
    QPointer<QWidget> window_;
};
}  // namespace

bool EditPane::KeepAlive() {
    if (hidden_ || stopRequested_) return false;
    if (keepingAlive_) return true;
    keepingAlive_ = true;
    QPointer<EditPane> self(this);
    {
        InputBlocker blocker(view_, window());
        qApp->installEventFilter(&blocker);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&blocker);
    }
    if (!self) return false;
    keepingAlive_ = false;
    return !hidden_ && !stopRequested_;
}

// What the work's thread and the window's thread hand each other: a call to run on the window's
// thread, and the end of the work.
struct EditPane::WorkChannel {
    std::mutex lock;
    std::condition_variable changed;
    const std::function<void()>* call = nullptr;
    std::exception_ptr callFailure;
    bool done = false;

    // On the window's thread: runs the call waiting, if any.
    void serve() {
        std::unique_lock<std::mutex> g(lock);
        if (!call) return;
        const std::function<void()>* f = call;
        g.unlock();
        std::exception_ptr failure;
        try {
            (*f)();
        } catch (...) {
            failure = std::current_exception();
        }
        g.lock();
        callFailure = failure;
        call = nullptr;
        changed.notify_all();
    }
};

void EditPane::OnHostThread(const std::function<void()>& f) {
    const std::shared_ptr<WorkChannel> channel = channel_;
    if (QThread::currentThread() == thread() || !channel) {
        f();
        return;
    }
    std::unique_lock<std::mutex> g(channel->lock);
    channel->call = &f;
    // The window's thread is in the loop of RunWork, or waiting for this channel after it.
    channel->changed.notify_all();
    QMetaObject::invokeMethod(this, [channel] { channel->serve(); }, Qt::QueuedConnection);
    channel->changed.wait(g, [&] { return channel->call == nullptr; });
    if (std::exception_ptr failure = std::exchange(channel->callFailure, nullptr)) std::rethrow_exception(failure);
}

void EditPane::RunWork(const std::function<void()>& work) {
    if (channel_) {
        work();
        return;
    }
    auto channel = std::make_shared<WorkChannel>();
    channel_ = channel;
    // The view paints what it shows now until the work is done: the state is the work's.
    view_->Freeze();
    SetBusy(true, BusyKind::Hourglass);
    QPointer<EditPane> self(this);
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread worker([&, channel] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        std::lock_guard<std::mutex> g(channel->lock);
        channel->done = true;
        channel->changed.notify_all();
        QMetaObject::invokeMethod(&loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    {
        InputBlocker blocker(nullptr, window());
        qApp->installEventFilter(&blocker);
        loop.exec();
        qApp->removeEventFilter(&blocker);
    }
    // The loop may have ended early (the program quitting): the work's calls are still
    // answered until it is done.
    for (;;) {
        std::unique_lock<std::mutex> g(channel->lock);
        channel->changed.wait(g, [&] { return channel->done || channel->call != nullptr; });
        if (channel->call) {
            g.unlock();
            channel->serve();
            continue;
        }
        break;
    }
    worker.join();
    if (self) {
        channel_.reset();
        view_->Thaw();
        if (resizedDuringWork_) {
            resizedDuringWork_ = false;
            followResize();
        }
        SetBusy(false, BusyKind::Hourglass);
        if (guardDepth_ == 0) emit Settled();
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace lum
