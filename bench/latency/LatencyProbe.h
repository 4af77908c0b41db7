// SPDX-License-Identifier: GPL-3.0-or-later
// What a user of a window feels, measured: the time from the event that starts a command to the
// first paint that shows its result, and the longest time the event loop went without turning
// while the command ran (a 5 ms timer measures the gaps between its ticks).
#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace latency {

class Probe : public QObject {
public:
    Probe() {
        clock_.start();
        ticker_.setTimerType(Qt::PreciseTimer);
        ticker_.setInterval(5);
        QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
    }

    // Paints of every widget with this object name are watched, in any window, also in windows
    // opened later (the photo views: "Canvas").
    void Watch(const QString& objectName) {
        names_ << objectName;
        if (!filtering_) qApp->installEventFilter(this);
        filtering_ = true;
    }

    // A result the command is to show, checked right after each paint of a watched widget (or,
    // for a result nothing paints, such as a file written, as the loop turns).
    void Expect(const std::string& name, std::function<bool()> shown, bool painted = true) {
        milestones_.push_back({name, std::move(shown), -1, painted});
    }

    // Starts the clock and the stall meter, then runs `trigger` from the event loop, as the
    // event that starts the command would run; returns when every result was shown and the
    // window is no longer busy, or after timeoutMs. False on a timeout.
    bool Run(const std::function<void()>& trigger, int timeoutMs = 20000) {
        QEventLoop loop;
        loop_ = &loop;
        bool timedOut = false;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [&] {
            timedOut = true;
            loop.quit();
        });
        limit.start(timeoutMs);
        QTimer::singleShot(0, [this, trigger] {
            start_ = clock_.nsecsElapsed();
            lastTick_ = start_;
            maxGap_ = 0;
            running_ = true;
            ticker_.start();
            trigger();
            checkDone();
        });
        // Results shown by paints inside the command itself are checked as the loop turns.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this] { checkDone(); });
        poll.start(5);
        loop.exec();
        tick();
        ticker_.stop();
        running_ = false;
        loop_ = nullptr;
        return !timedOut;
    }

    // Milliseconds from the event to the first paint that showed the named result (-1: never).
    double ShownMs(const std::string& name) const {
        for (const Milestone& m : milestones_)
            if (m.name == name) return m.at < 0 ? -1.0 : (m.at - start_) / 1e6;
        return -1.0;
    }
    double LongestStallMs() const { return maxGap_ / 1e6; }
    // True while the windows still work on the command (a job not ended yet): a run ends after.
    std::function<bool()> StillBusy;
    // The widget whose paint is being looked at (for the results' checks).
    const QObject* LastPainted() const { return lastPainted_; }
    void Reset() { milestones_.clear(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || inPaint_ || !running_ || !o->isWidgetType() ||
            !names_.contains(o->objectName()))
            return false;
        // Paint first, then look at what was painted. Sent again rather than handed to the
        // widget, so the widget's own filters see it (a scroll area paints its viewport so).
        inPaint_ = true;
        QCoreApplication::sendEvent(o, e);
        inPaint_ = false;
        const qint64 now = clock_.nsecsElapsed();
        lastPainted_ = o;
        for (Milestone& m : milestones_)
            if (m.at < 0 && m.shown()) m.at = now;
        checkDone();
        return true;
    }

private:
    struct Milestone {
        std::string name;
        std::function<bool()> shown;
        qint64 at;
        bool painted;
    };

    void tick() {
        if (!running_) return;
        const qint64 now = clock_.nsecsElapsed();
        maxGap_ = std::max(maxGap_, now - lastTick_);
        lastTick_ = now;
    }
    void checkDone() {
        if (!loop_ || !running_) return;
        for (Milestone& m : milestones_)
            if (m.at < 0 && !m.painted && m.shown()) m.at = clock_.nsecsElapsed();
        for (const Milestone& m : milestones_)
            if (m.at < 0) return;
        if (QApplication::overrideCursor() || (StillBusy && StillBusy())) return;  // still busy
        loop_->quit();
    }

    QElapsedTimer clock_;
    QTimer ticker_;
    qint64 start_ = 0, lastTick_ = 0, maxGap_ = 0;
    bool running_ = false, inPaint_ = false;
    QEventLoop* loop_ = nullptr;
    const QObject* lastPainted_ = nullptr;
    QStringList names_;
    bool filtering_ = false;
    std::vector<Milestone> milestones_;
};

}  // namespace latency
