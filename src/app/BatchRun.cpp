#include "app/BatchRun.h"

#include <exception>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace lum {

namespace {

// What the batch's threads report reaches the window's thread through its event loop; a run
// already gone drops it.
class Forwarder : public cli::BatchObserver {
public:
    Forwarder(BatchRun* run, std::atomic<bool>& stop) : run_(run), stop_(stop) {}

    void ThreadStarted() override {
#ifdef __linux__
        // A nicer thread, and the row bands it starts inherit it: opening a photo in the window
        // meanwhile gets the cores first.
        (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
#endif
    }
    void PhotoStarted(int index, int total, const std::string& photo) override {
        const QString p = QString::fromStdString(photo);
        post([index, total, p](BatchRun* r) { emit r->photoStarted(index, total, p); });
    }
    void PhotoFinished(const cli::BatchPhotoReport& report) override {
        post([report](BatchRun* r) { emit r->photoFinished(report); });
    }
    bool StopRequested() override { return stop_.load(); }

    template <typename F>
    void post(F f) {
        BatchRun* run = run_;
        QMetaObject::invokeMethod(run, [run, f] { f(run); }, Qt::QueuedConnection);
    }

private:
    BatchRun* run_;
    std::atomic<bool>& stop_;
};

}  // namespace

BatchRun::BatchRun(QObject* parent) : QObject(parent) {}

BatchRun::~BatchRun() {
    stop_ = true;
    join();
}

void BatchRun::join() {
    if (thread_.joinable()) thread_.join();
}

void BatchRun::Start(const cli::BatchArgs& args) {
    if (running_) return;
    join();  // the thread of the batch before, which has ended
    stop_ = false;
    running_ = true;
    thread_ = std::thread([this, args] {
        Forwarder forward(this, stop_);
        cli::BatchTotals totals;
        QString failure;
        try {
            totals = cli::RunOptimizeBatch(args, forward);
        } catch (const std::bad_alloc&) {
            failure = tr("There is not enough memory to start the batch.");
        } catch (const std::exception& e) {
            failure = QString::fromStdString(e.what());
        }
        forward.post([totals, failure](BatchRun* r) {
            r->running_ = false;
            if (failure.isEmpty()) emit r->finished(totals);
            else emit r->failed(failure);
        });
    });
}

void BatchRun::Stop() { stop_ = true; }

}  // namespace lum
